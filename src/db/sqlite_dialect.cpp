#include "sqlite_dialect.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace vant {

namespace {

enum class Kind { Space, Word, Number, String, Bracketed, Symbol, Group };

struct Node
{
    Kind kind = Kind::Symbol;
    QString text;                // for Group: empty
    std::vector<Node> children;  // for Group: the tokens between the parentheses
};

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// The program's statements nest a few levels; deeper input is refused before it can
// exhaust the stack.
constexpr int kMaxNesting = 256;

enum class Parsed { Done, TooDeep, Unbalanced };

// Splits the statement into tokens and nests parenthesised groups.
Parsed parse(const QString &sql, qsizetype &pos, int depth, std::vector<Node> &nodes)
{
    const qsizetype n = sql.size();
    while (pos < n) {
        const QChar c = sql.at(pos);
        const qsizetype start = pos;
        if (c.isSpace()) {
            while (pos < n && sql.at(pos).isSpace())
                ++pos;
            nodes.push_back({Kind::Space, sql.mid(start, pos - start), {}});
        } else if (c == u'\'') {
            ++pos;
            while (pos < n) {
                if (sql.at(pos) == u'\'') {
                    if (pos + 1 < n && sql.at(pos + 1) == u'\'') {
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                ++pos;
            }
            nodes.push_back({Kind::String, sql.mid(start, pos - start), {}});
        } else if (c == u'[' || c == u'"') {
            const QChar close = c == u'[' ? u']' : u'"';
            ++pos;
            while (pos < n && sql.at(pos) != close)
                ++pos;
            if (pos < n)
                ++pos;
            nodes.push_back({Kind::Bracketed, sql.mid(start, pos - start), {}});
        } else if (c.isDigit()) {
            while (pos < n && (sql.at(pos).isDigit() || sql.at(pos) == u'.'))
                ++pos;
            nodes.push_back({Kind::Number, sql.mid(start, pos - start), {}});
        } else if (isWordChar(c)) {
            while (pos < n && isWordChar(sql.at(pos)))
                ++pos;
            nodes.push_back({Kind::Word, sql.mid(start, pos - start), {}});
        } else if (c == u'(') {
            ++pos;
            if (depth == kMaxNesting)
                return Parsed::TooDeep;
            Node group{Kind::Group, {}, {}};
            if (const Parsed inner = parse(sql, pos, depth + 1, group.children); inner != Parsed::Done)
                return inner;
            nodes.push_back(std::move(group));
        } else if (c == u')') {
            ++pos;
            return depth > 0 ? Parsed::Done : Parsed::Unbalanced;
        } else {
            ++pos;
            nodes.push_back({Kind::Symbol, QString(c), {}});
        }
    }
    // The end of the statement inside a group: a parenthesis was never closed.
    return depth > 0 ? Parsed::Unbalanced : Parsed::Done;
}

bool isWord(const Node &node, QStringView word)
{
    return node.kind == Kind::Word && node.text.compare(word, Qt::CaseInsensitive) == 0;
}

// Index of the next token that is not blank, or size() when none.
std::size_t nextSolid(const std::vector<Node> &nodes, std::size_t from)
{
    while (from < nodes.size() && nodes[from].kind == Kind::Space)
        ++from;
    return from;
}

std::size_t previousSolid(const std::vector<Node> &nodes, std::size_t before)
{
    while (before > 0) {
        --before;
        if (nodes[before].kind != Kind::Space)
            return before;
    }
    return nodes.size();
}

bool isTextType(const Node &node)
{
    static const QStringList textTypes = {QStringLiteral("varchar"), QStringLiteral("nvarchar"),
                                          QStringLiteral("char"), QStringLiteral("nchar"),
                                          QStringLiteral("text"), QStringLiteral("ntext")};
    return node.kind == Kind::Word && textTypes.contains(node.text, Qt::CaseInsensitive);
}

// A type word follows its column's name; a word that opens a definition is the name itself.
bool followsColumnName(const std::vector<Node> &nodes, std::size_t index)
{
    const std::size_t before = previousSolid(nodes, index);
    return before < nodes.size() && !(nodes[before].kind == Kind::Symbol && nodes[before].text == u",")
           && !isWord(nodes[before], u"table");
}

// Splits a group's tokens at its top-level commas.
std::vector<std::vector<Node>> arguments(const std::vector<Node> &nodes)
{
    std::vector<std::vector<Node>> args(1);
    for (const Node &node : nodes) {
        if (node.kind == Kind::Symbol && node.text == u',')
            args.emplace_back();
        else
            args.back().push_back(node);
    }
    return args;
}

// A quoted literal that holds a number: SQL Server converts it to the numeric type of
// isnull's first argument, so SQLite must see the number itself.
void unquoteNumericLiteral(std::vector<Node> &arg)
{
    const std::size_t i = nextSolid(arg, 0);
    if (i >= arg.size() || arg[i].kind != Kind::String || nextSolid(arg, i + 1) != arg.size())
        return;
    const QString inner = arg[i].text.mid(1, arg[i].text.size() - 2).trimmed();
    bool numeric = false;
    inner.toDouble(&numeric);
    if (numeric)
        arg[i] = {Kind::Number, inner, {}};
}

QString render(const std::vector<Node> &nodes, bool createTable);

// A temporary table of SQL Server (#name) lives in SQLite's temp schema.
bool isTempTableName(const Node &node)
{
    return node.kind == Kind::Word && node.text.startsWith(u'#') && node.text.size() > 1;
}

QString tempTableName(const QString &name)
{
    return QStringLiteral("temp.") + QStringView(name).mid(1).toString();
}

// The type word that begins a convert()'s first argument, lower-cased.
QString convertType(const std::vector<Node> &arg)
{
    const std::size_t i = nextSolid(arg, 0);
    return i < arg.size() && arg[i].kind == Kind::Word ? arg[i].text.toLower() : QString();
}

// The length in "varchar(10)"; empty when the type has none.
QString convertLength(const std::vector<Node> &arg)
{
    const std::size_t type = nextSolid(arg, 0);
    const std::size_t group = nextSolid(arg, type + 1);
    if (group >= arg.size() || arg[group].kind != Kind::Group)
        return {};
    const std::size_t number = nextSolid(arg[group].children, 0);
    return number < arg[group].children.size() && arg[group].children[number].kind == Kind::Number
               ? arg[group].children[number].text
               : QString();
}

// convert(type, value[, style]) and try_convert(...): SQLite converts a value's text by its
// leading number, as the program reads numbers, and keeps dates as 'yyyy-MM-dd...' text.
QString renderConvert(const std::vector<Node> &children, bool createTable)
{
    const auto args = arguments(children);
    if (args.size() < 2)
        return {};
    const QString type = convertType(args[0]);
    const QString value = render(args[1], createTable).trimmed();
    if (type == u"float" || type == u"real")
        return QStringLiteral("cast(") + value + QStringLiteral(" as real)");
    if (type == u"int" || type == u"bigint")
        return QStringLiteral("cast(") + value + QStringLiteral(" as integer)");
    if (type == u"varchar" || type == u"nvarchar") {
        const QString length = convertLength(args[0]);
        return length.isEmpty() ? QStringLiteral("cast(") + value + QStringLiteral(" as text)")
                                : QStringLiteral("substr(") + value + QStringLiteral(",1,") + length + QLatin1Char(')');
    }
    return {};
}

QString renderGroup(const std::vector<Node> &children, bool createTable)
{
    return QLatin1Char('(') + render(children, createTable) + QLatin1Char(')');
}

// "offset m rows fetch next n rows only" from index i: SQLite's "LIMIT n OFFSET m", and the
// index of its last token; none when the tokens are not such a clause.
std::optional<std::pair<QString, std::size_t>> offsetFetch(const std::vector<Node> &nodes, std::size_t i)
{
    const auto wordAt = [&nodes](std::size_t at, std::initializer_list<const char16_t *> words) {
        if (at >= nodes.size())
            return false;
        for (const char16_t *word : words) {
            if (isWord(nodes[at], word))
                return true;
        }
        return false;
    };
    const std::size_t offset = nextSolid(nodes, i + 1);
    const std::size_t rows = nextSolid(nodes, offset + 1);
    const std::size_t fetch = nextSolid(nodes, rows + 1);
    const std::size_t nextWord = nextSolid(nodes, fetch + 1);
    const std::size_t count = nextSolid(nodes, nextWord + 1);
    const std::size_t rows2 = nextSolid(nodes, count + 1);
    const std::size_t only = nextSolid(nodes, rows2 + 1);
    if (offset >= nodes.size() || nodes[offset].kind != Kind::Number || !wordAt(rows, {u"rows", u"row"})
        || !wordAt(fetch, {u"fetch"}) || !wordAt(nextWord, {u"next", u"first"}) || count >= nodes.size()
        || nodes[count].kind != Kind::Number || !wordAt(rows2, {u"rows", u"row"}) || !wordAt(only, {u"only"}))
        return std::nullopt;
    return std::pair{QStringLiteral("LIMIT ") + nodes[count].text + QStringLiteral(" OFFSET ") + nodes[offset].text,
                     only};
}

QString render(const std::vector<Node> &nodes, bool createTable)
{
    QString out;
    QString limit;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node &node = nodes[i];
        const std::size_t next = nextSolid(nodes, i + 1);
        const bool callFollows = next < nodes.size() && nodes[next].kind == Kind::Group;

        if ((isWord(node, u"dbo") || node.text.compare(u"[dbo]", Qt::CaseInsensitive) == 0)
            && next < nodes.size() && nodes[next].text == u".") {
            i = next;
            continue;
        }
        if (isWord(node, u"N") && i + 1 < nodes.size() && nodes[i + 1].kind == Kind::String)
            continue;
        // Only the call without arguments is the server's clock; anything else stays to be refused.
        if (isWord(node, u"getdate") && callFollows && nextSolid(nodes[next].children, 0) == nodes[next].children.size()) {
            out += QStringLiteral("datetime('now','localtime')");
            i = next;
            continue;
        }
        if (isWord(node, u"isnull") && callFollows) {
            auto args = arguments(nodes[next].children);
            if (args.size() == 2)
                unquoteNumericLiteral(args[1]);
            QStringList parts;
            for (const auto &arg : args)
                parts << render(arg, createTable);
            out += QStringLiteral("ifnull(") + parts.join(QLatin1Char(',')) + QLatin1Char(')');
            i = next;
            continue;
        }
        if (isWord(node, u"isnumeric") && callFollows) {
            out += QStringLiteral("(typeof") + renderGroup(nodes[next].children, createTable)
                   + QStringLiteral(" in ('integer','real'))");
            i = next;
            continue;
        }
        if (isWord(node, u"isdate") && callFollows) {
            // A date that the calendar has: SQLite's date() takes 30 February, the modifier does not.
            const QString day = QStringLiteral("substr") + QLatin1Char('(')
                                + render(nodes[next].children, createTable) + QStringLiteral(",1,10)");
            out += QStringLiteral("coalesce(date(") + day + QStringLiteral(",'+0 days')=") + day
                   + QStringLiteral(",0)");
            i = next;
            continue;
        }
        if ((isWord(node, u"convert") || isWord(node, u"try_convert")) && callFollows) {
            const QString converted = renderConvert(nodes[next].children, createTable);
            if (!converted.isEmpty()) {
                out += converted;
                i = next;
                continue;
            }
        }
        if (isTempTableName(node)) {
            const std::size_t before = previousSolid(nodes, i);
            // The name a CREATE TEMP TABLE defines goes without the schema.
            out += createTable && before < nodes.size() && nodes[before].kind == Kind::Word
                           && nodes[before].text.endsWith(u"table", Qt::CaseInsensitive)
                       ? QStringView(node.text).mid(1).toString()
                       : tempTableName(node.text);
            continue;
        }
        if (isWord(node, u"offset")) {
            if (const auto clause = offsetFetch(nodes, i)) {
                out += clause->first;
                i = clause->second;
                continue;
            }
        }
        if (isWord(node, u"len") && callFollows) {
            out += QStringLiteral("length(rtrim") + renderGroup(nodes[next].children, createTable)
                   + QLatin1Char(')');
            i = next;
            continue;
        }
        if (isWord(node, u"top") && next < nodes.size() && nodes[next].kind == Kind::Number) {
            const std::size_t before = previousSolid(nodes, i);
            if (before < nodes.size() && (isWord(nodes[before], u"select") || isWord(nodes[before], u"distinct"))) {
                limit = nodes[next].text;
                i = next;
                if (i + 1 < nodes.size() && nodes[i + 1].kind == Kind::Space)
                    ++i;
                continue;
            }
        }
        if (node.kind == Kind::Group) {
            out += renderGroup(node.children, createTable);
            continue;
        }
        out += node.text;
        if (createTable && isTextType(node) && followsColumnName(nodes, i)) {
            if (callFollows) {
                out += renderGroup(nodes[next].children, false);
                i = next;
            }
            out += QStringLiteral(" COLLATE NOCASE");
        }
    }
    if (!limit.isEmpty()) {
        // The limit goes before a closing semicolon and the blanks around it.
        qsizetype end = out.size();
        while (end > 0 && out.at(end - 1).isSpace())
            --end;
        if (end > 0 && out.at(end - 1) == u';')
            --end;
        out.insert(end, QStringLiteral(" LIMIT ") + limit);
    }
    return out;
}

QString stripDbo(QString name)
{
    for (const QString &prefix : {QStringLiteral("[dbo]."), QStringLiteral("dbo.")}) {
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            name.remove(0, prefix.size());
    }
    return name;
}

// "if exists (select * from dbo.sysobjects ...) drop table [dbo].[name]"
QString rewriteDropTest(const std::vector<Node> &nodes)
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!isWord(nodes[i], u"drop"))
            continue;
        const std::size_t table = nextSolid(nodes, i + 1);
        if (table >= nodes.size() || !isWord(nodes[table], u"table"))
            continue;
        QString name;
        for (std::size_t j = nextSolid(nodes, table + 1); j < nodes.size() && nodes[j].kind != Kind::Space; ++j)
            name += nodes[j].text;
        name = stripDbo(name);
        return QStringLiteral("DROP TABLE IF EXISTS ") + (name.startsWith(u'#') ? tempTableName(name) : name);
    }
    return {};
}

// "select <columns> into <table> from ..." becomes "CREATE TABLE <table> AS select <columns> from ...".
bool rewriteSelectInto(std::vector<Node> &nodes, QString &prefix)
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!isWord(nodes[i], u"into"))
            continue;
        std::size_t j = nextSolid(nodes, i + 1);
        QString name;
        while (j < nodes.size() && nodes[j].kind != Kind::Space && nodes[j].kind != Kind::Group) {
            name += nodes[j].text;
            ++j;
        }
        if (name.isEmpty())
            return false;
        if (j < nodes.size() && nodes[j].kind == Kind::Space)
            ++j;
        nodes.erase(nodes.begin() + static_cast<std::ptrdiff_t>(i), nodes.begin() + static_cast<std::ptrdiff_t>(j));
        prefix = QStringLiteral("CREATE TABLE ") + stripDbo(name) + QStringLiteral(" AS ");
        return true;
    }
    return false;
}

} // namespace

Outcome<QString> toSqliteDialect(const QString &statement)
{
    qsizetype pos = 0;
    std::vector<Node> nodes;
    switch (parse(statement, pos, 0, nodes)) {
    case Parsed::Done:
        break;
    case Parsed::TooDeep:
        return Error{kUnspecifiedError, QStringLiteral("The statement nests parentheses deeper than %1 levels.")
                                            .arg(kMaxNesting)};
    case Parsed::Unbalanced:
        // Rewriting would move text across the missing parenthesis; the server would refuse it anyway.
        return Error{kUnspecifiedError, QStringLiteral("The statement's parentheses do not match.")};
    }
    const std::size_t first = nextSolid(nodes, 0);
    if (first >= nodes.size())
        return QString();
    const std::size_t second = nextSolid(nodes, first + 1);
    const bool secondIs = second < nodes.size();

    if (isWord(nodes[first], u"set") && secondIs && isWord(nodes[second], u"dateformat"))
        return QString();
    if (isWord(nodes[first], u"if")) {
        const QString drop = rewriteDropTest(nodes);
        if (!drop.isEmpty())
            return drop;
    }
    QString prefix;
    if (isWord(nodes[first], u"select"))
        rewriteSelectInto(nodes, prefix);
    const bool createTable = isWord(nodes[first], u"create") && secondIs && isWord(nodes[second], u"table");
    if (createTable) {
        const std::size_t name = nextSolid(nodes, second + 1);
        if (name < nodes.size() && isTempTableName(nodes[name]))
            nodes[second].text = QStringLiteral("TEMP TABLE");
    }
    return prefix + render(nodes, createTable);
}

} // namespace vant
