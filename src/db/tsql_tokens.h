#pragma once

#include <QString>

#include <vector>

// The statements the program writes, split into tokens with parenthesised groups nested: the
// tree that the SQLite rewriter walks.
namespace vant::tsql {

enum class Kind { Space, Word, Number, String, Bracketed, Symbol, Group };

struct Node
{
    Kind kind = Kind::Symbol;
    QString text;               // for Group: empty
    std::vector<Node> children; // for Group: the tokens between the parentheses
};

enum class Parsed { Done, TooDeep, Unbalanced, Unclosed };

// The program's statements nest a few levels; deeper input is refused before it can
// exhaust the stack.
constexpr int kMaxNesting = 256;

// The statement's tokens, groups nested at most kMaxNesting deep.
Parsed parse(const QString &sql, std::vector<Node> &nodes);

bool isWord(const Node &node, QStringView word);
// Index of the next token that is not blank, or size() when none.
std::size_t nextSolid(const std::vector<Node> &nodes, std::size_t from);
// Index of the last token before that one that is not blank, or size() when none.
std::size_t previousSolid(const std::vector<Node> &nodes, std::size_t before);
// Splits a group's tokens at its top-level commas.
std::vector<std::vector<Node>> arguments(const std::vector<Node> &nodes);

} // namespace vant::tsql
