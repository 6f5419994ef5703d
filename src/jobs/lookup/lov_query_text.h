#pragma once

#include "db/outcome.h"

#include <QString>

#include <functional>

namespace vant {

// Calls visit with each position of a query that stands at its outer level: outside quoted
// texts, bracketed names and parentheses, and not on a quote, bracket or parenthesis itself.
// The query's own clauses begin only there. visit returns true to stop the scan.
void forEachOuterPosition(const QString &query, const std::function<bool(qsizetype)> &visit);

class Database;

// A LIKE pattern that finds the text as it is typed, from its start or anywhere when containing.
QString lovLikePattern(const QString &text, bool containing);
// The first column of the statement's first row as a number; 0 when there is no row.
Outcome<int> lovFirstInt(Database &db, const QString &statement);

} // namespace vant
