#pragma once

#include <QString>

#include <functional>

namespace vant {

// Calls visit with each position of a query that stands at its outer level: outside quoted
// texts, bracketed names and parentheses, and not on a quote, bracket or parenthesis itself.
// The query's own clauses begin only there. visit returns true to stop the scan.
void forEachOuterPosition(const QString &query, const std::function<bool(qsizetype)> &visit);

} // namespace vant
