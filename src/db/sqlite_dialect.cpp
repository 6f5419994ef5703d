#include "sqlite_dialect.h"

#include "sqlite_statement_rewrites.h"
#include "sqlite_text_rules.h"
#include "tsql_tokens.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace vant {

namespace {

using namespace tsql;
using sqliterewrite::tempTableName;

bool isTextType(const Node &node)
{
    static const QStringList textTypes = {QStringLiteral("varchar"), QStringLiteral("nvarchar"),
                                          QStringLiteral("char"),    QStringLiteral("nchar"),
                                          QStringLiteral("text"),    QStringLiteral("ntext")};
    return node.kind == Kind::Word && textTypes.contains(node.text, Qt::CaseInsensitive);
}

// A type word follows its column's name; a word that opens a definition is the name itself.
bool followsColumnName(const std::vector<Node> &nodes, std::size_t index)
{
    const std::size_t before = previousSolid(nodes, index);
    return before < nodes.size() && !(nodes[before].kind == Kind::Symbol && nodes[before].text == u",")
           && !isWord(nodes[before], u"table");
}

// What a statement's column definitions belong to: none, a table, or a #table.
enum Creating { NotCreating, CreatingTable, CreatingTempTable };

// SQL Server's column types that SQLite spells otherwise: money is kept as float, an identity
// column is the table's rowid, which is its primary key already. A #table lives only as long as
// the job that fills it: its rowids count from 1 as the identity's do, and no sqlite_sequence of
// the temp schema hides the database's own. The SQLite type and the index of the type's last token.
std::optional<std::pair<QString, std::size_t>> columnType(const std::vector<Node> &nodes, std::size_t i,
                                                          Creating createTable)
{
    if (isWord(nodes[i], u"money"))
        return std::pair{QStringLiteral("float"), i};
    const std::size_t identity = nextSolid(nodes, i + 1);
    if (!isWord(nodes[i], u"int") || identity >= nodes.size() || !isWord(nodes[identity], u"identity"))
        return std::nullopt;
    const std::size_t seed = nextSolid(nodes, identity + 1);
    std::size_t last = seed < nodes.size() && nodes[seed].kind == Kind::Group ? seed : identity;
    const std::size_t primary = nextSolid(nodes, last + 1);
    const std::size_t key = nextSolid(nodes, primary + 1);
    if (key < nodes.size() && isWord(nodes[primary], u"primary") && isWord(nodes[key], u"key"))
        last = key;
    return std::pair{createTable == CreatingTempTable ? QStringLiteral("integer primary key")
                                                      : QStringLiteral("integer primary key autoincrement"),
                     last};
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

QString render(const std::vector<Node> &nodes, Creating createTable);

// A temporary table of SQL Server (#name) lives in SQLite's temp schema.
bool isTempTableName(const Node &node)
{
    return node.kind == Kind::Word && node.text.startsWith(u'#') && node.text.size() > 1;
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

// convert(type, value[, style]) and try_convert(...): numbers through the helper that converts
// as the server does (try_convert gives NULL where convert fails); dates stay 'yyyy-MM-dd...'
// text.
QString renderConvert(const std::vector<Node> &children, bool trying, Creating createTable)
{
    const auto args = arguments(children);
    if (args.size() < 2)
        return {};
    const QString type = convertType(args[0]);
    const QString value = render(args[1], createTable).trimmed();
    const QString mode = trying ? QStringLiteral(",1)") : QStringLiteral(",0)");
    if (type == u"float" || type == u"real")
        return QStringLiteral("vant_number(") + value + QStringLiteral(",'float'") + mode;
    if (type == u"int" || type == u"bigint")
        return QStringLiteral("vant_number(") + value + QStringLiteral(",'") + type + QLatin1Char('\'') + mode;
    if (type == u"varchar" || type == u"nvarchar") {
        const QString length = convertLength(args[0]);
        return length.isEmpty() ? QStringLiteral("cast(") + value + QStringLiteral(" as text)")
                                : QStringLiteral("substr(") + value + QStringLiteral(",1,") + length + QLatin1Char(')');
    }
    return {};
}

QString renderGroup(const std::vector<Node> &children, Creating createTable)
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

// The function calls that SQLite spells otherwise, or that it lacks; nothing for the others.
std::optional<QString> renderCall(const Node &name, const std::vector<Node> &args, Creating createTable)
{
    // Only the call without arguments is the server's clock; anything else stays to be refused.
    if (isWord(name, u"getdate") && nextSolid(args, 0) == args.size())
        return QStringLiteral("datetime('now','localtime')");
    if (isWord(name, u"isnull")) {
        auto parts = arguments(args);
        if (parts.size() == 2)
            unquoteNumericLiteral(parts[1]);
        QStringList rendered;
        for (const auto &part : parts)
            rendered << render(part, createTable);
        return QStringLiteral("ifnull(") + rendered.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    if (isWord(name, u"left")) {
        const auto parts = arguments(args);
        if (parts.size() == 2)
            return QStringLiteral("substr(") + render(parts[0], createTable) + QStringLiteral(",1,")
                   + render(parts[1], createTable) + QLatin1Char(')');
    }
    if (isWord(name, u"isdate")) {
        // A date that the calendar has: SQLite's date() takes 30 February, the modifier does not.
        const QString day = QStringLiteral("substr(") + render(args, createTable) + QStringLiteral(",1,10)");
        return QStringLiteral("coalesce(date(") + day + QStringLiteral(",'+0 days')=") + day + QStringLiteral(",0)");
    }
    if (isWord(name, u"convert") || isWord(name, u"try_convert")) {
        const QString converted = renderConvert(args, isWord(name, u"try_convert"), createTable);
        if (!converted.isEmpty())
            return converted;
    }
    if (isWord(name, u"len"))
        return QStringLiteral("length(rtrim") + renderGroup(args, createTable) + QLatin1Char(')');
    return std::nullopt;
}

// A #table's name; the name a CREATE TEMP TABLE defines goes without the schema.
QString renderTempTable(const std::vector<Node> &nodes, std::size_t i, Creating createTable)
{
    const std::size_t before = previousSolid(nodes, i);
    const bool defined = createTable && before < nodes.size() && nodes[before].kind == Kind::Word
                         && nodes[before].text.endsWith(u"table", Qt::CaseInsensitive);
    return defined ? nodes[i].text.mid(1) : tempTableName(nodes[i].text);
}

// The limit goes before a closing semicolon and the blanks around it.
void appendLimit(QString &out, const QString &limit)
{
    qsizetype end = out.size();
    while (end > 0 && out.at(end - 1).isSpace())
        --end;
    if (end > 0 && out.at(end - 1) == u';')
        --end;
    out.insert(end, QStringLiteral(" LIMIT ") + limit);
}

// A token that SQLite spells otherwise, rendered with the tokens that belong to it: its text
// and the index of its last token; none for a token that passes as it is.
using Rendered = std::optional<std::pair<QString, std::size_t>>;

// The dbo. prefix and the N of N'' (both dropped), function calls, collations and #tables.
Rendered renderWord(const std::vector<Node> &nodes, std::size_t i, Creating createTable)
{
    const Node &node = nodes[i];
    const std::size_t next = nextSolid(nodes, i + 1);
    if ((isWord(node, u"dbo") || node.text.compare(u"[dbo]", Qt::CaseInsensitive) == 0) && next < nodes.size()
        && nodes[next].text == u".")
        return std::pair{QString(), next};
    if (isWord(node, u"N") && i + 1 < nodes.size() && nodes[i + 1].kind == Kind::String)
        return std::pair{QString(), i};
    if (next < nodes.size() && nodes[next].kind == Kind::Group) {
        if (const std::optional<QString> call = renderCall(node, nodes[next].children, createTable))
            return std::pair{*call, next};
    }
    if (const std::size_t before = previousSolid(nodes, i);
        before < nodes.size() && isWord(nodes[before], u"collate")) {
        if (isWord(node, u"database_default"))
            return std::pair{QString::fromLatin1(kProgramCollation), i};
        // The server's code-point order is SQLite's own.
        if (isWord(node, u"Latin1_General_BIN2"))
            return std::pair{QStringLiteral("BINARY"), i};
    }
    if (isTempTableName(node))
        return std::pair{renderTempTable(nodes, i, createTable), i};
    return std::nullopt;
}

// OFFSET ... FETCH, TOP n (its count goes to limit), groups, bracketed names and column types.
Rendered renderClause(const std::vector<Node> &nodes, std::size_t i, Creating createTable, QString &limit)
{
    const Node &node = nodes[i];
    const std::size_t next = nextSolid(nodes, i + 1);
    if (isWord(node, u"offset")) {
        if (const auto clause = offsetFetch(nodes, i))
            return clause;
    }
    if (isWord(node, u"top") && next < nodes.size() && nodes[next].kind == Kind::Number) {
        const std::size_t before = previousSolid(nodes, i);
        if (before < nodes.size() && (isWord(nodes[before], u"select") || isWord(nodes[before], u"distinct"))) {
            limit = nodes[next].text;
            return std::pair{QString(),
                             next + 1 < nodes.size() && nodes[next + 1].kind == Kind::Space ? next + 1 : next};
        }
    }
    if (node.kind == Kind::Group)
        return std::pair{renderGroup(node.children, createTable), i};
    if (node.kind == Kind::Bracketed && node.text.startsWith(u'[') && node.text.contains(u"]]")) {
        // SQLite's brackets know no "]]": the name goes between double quotes.
        QString name = node.text.mid(1, node.text.size() - 2);
        name.replace(QStringLiteral("]]"), QStringLiteral("]")).replace(u'"', QStringLiteral("\"\""));
        return std::pair{u'"' + name + u'"', i};
    }
    if (createTable && followsColumnName(nodes, i))
        return columnType(nodes, i, createTable);
    return std::nullopt;
}

QString render(const std::vector<Node> &nodes, Creating createTable)
{
    QString out;
    QString limit;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        Rendered rendered = renderWord(nodes, i, createTable);
        if (!rendered)
            rendered = renderClause(nodes, i, createTable, limit);
        if (rendered) {
            out += rendered->first;
            i = rendered->second;
            continue;
        }
        const Node &node = nodes[i];
        out += node.text;
        if (createTable && isTextType(node) && followsColumnName(nodes, i)) {
            if (const std::size_t next = nextSolid(nodes, i + 1);
                next < nodes.size() && nodes[next].kind == Kind::Group) {
                out += renderGroup(nodes[next].children, NotCreating);
                i = next;
            }
            // A column of a collation of its own keeps it.
            if (const std::size_t after = nextSolid(nodes, i + 1);
                after >= nodes.size() || !isWord(nodes[after], u"collate"))
                out += QStringLiteral(" COLLATE NOCASE");
        }
    }
    if (!limit.isEmpty())
        appendLimit(out, limit);
    return out;
}

} // namespace

Outcome<QString> toSqliteDialect(const QString &statement)
{
    std::vector<Node> nodes;
    switch (parse(statement, nodes)) {
    case Parsed::Done: break;
    case Parsed::TooDeep:
        return Error{kUnspecifiedError,
                     QStringLiteral("The statement nests parentheses deeper than %1 levels.").arg(kMaxNesting)};
    case Parsed::Unbalanced:
        // Rewriting would move text across the missing parenthesis; the server would refuse it anyway.
        return Error{kUnspecifiedError, QStringLiteral("The statement's parentheses do not match.")};
    case Parsed::Unclosed:
        // The open name or text would swallow the rest of the statement, literals and all.
        return Error{kUnspecifiedError, QStringLiteral("The statement leaves a quote or a bracket open.")};
    }
    const std::size_t first = nextSolid(nodes, 0);
    if (first >= nodes.size())
        return QString();
    const std::size_t second = nextSolid(nodes, first + 1);
    const bool secondIs = second < nodes.size();

    if (isWord(nodes[first], u"set") && secondIs && isWord(nodes[second], u"dateformat"))
        return QString();
    // SQLite empties a table by deleting its rows without a condition.
    if (isWord(nodes[first], u"truncate") && secondIs && isWord(nodes[second], u"table")) {
        nodes[first].text = QStringLiteral("delete");
        nodes[second].text = QStringLiteral("from");
    }
    if (isWord(nodes[first], u"if")) {
        const QString drop = sqliterewrite::dropTest(nodes);
        if (!drop.isEmpty())
            return drop;
    }
    QString prefix;
    if (isWord(nodes[first], u"select"))
        sqliterewrite::selectInto(nodes, prefix);
    Creating createTable = NotCreating;
    if (isWord(nodes[first], u"create") && secondIs && isWord(nodes[second], u"table")) {
        createTable = CreatingTable;
        const std::size_t name = nextSolid(nodes, second + 1);
        if (name < nodes.size() && isTempTableName(nodes[name])) {
            nodes[second].text = QStringLiteral("TEMP TABLE");
            createTable = CreatingTempTable;
        }
    }
    return prefix + render(nodes, createTable);
}

} // namespace vant
