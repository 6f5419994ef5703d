#include "tsql_tokens.h"

namespace vant::tsql {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Splits the statement from pos into tokens up to the parenthesis that closes the group.
Parsed parseGroup(const QString &sql, qsizetype &pos, int depth, std::vector<Node> &nodes)
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
            bool closed = false;
            while (pos < n && !closed) {
                // Inside quotes, "''" stands for one quote.
                if (sql.at(pos) == u'\'' && pos + 1 < n && sql.at(pos + 1) == u'\'')
                    pos += 2;
                else
                    closed = sql.at(pos++) == u'\'';
            }
            if (!closed)
                return Parsed::Unclosed;
            nodes.push_back({Kind::String, sql.mid(start, pos - start), {}});
        } else if (c == u'[' || c == u'"') {
            const QChar close = c == u'[' ? u']' : u'"';
            ++pos;
            // In brackets, "]]" stands for one "]".
            while (pos < n && (sql.at(pos) != close || (c == u'[' && pos + 1 < n && sql.at(pos + 1) == u']'))) {
                pos += sql.at(pos) == close ? 2 : 1;
            }
            if (pos == n)
                return Parsed::Unclosed;
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
            if (const Parsed inner = parseGroup(sql, pos, depth + 1, group.children); inner != Parsed::Done)
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

} // namespace

Parsed parse(const QString &sql, std::vector<Node> &nodes)
{
    qsizetype pos = 0;
    return parseGroup(sql, pos, 0, nodes);
}

bool isWord(const Node &node, QStringView word)
{
    return node.kind == Kind::Word && node.text.compare(word, Qt::CaseInsensitive) == 0;
}

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

} // namespace vant::tsql
