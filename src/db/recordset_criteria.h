#pragma once

#include "outcome.h"
#include "recordset.h"

namespace vant {

// Compiles a filter or find criterion over the given fields (see Recordset::setFilter).
Outcome<RowPredicate> compileCriteria(const QString &criteria, const QList<Field> &fields);

// Escapes text for use inside a quoted LIKE pattern of a criterion: the quote is
// doubled and the wildcard and bracket characters are bracketed.
QString escapeLikeText(const QString &text);

} // namespace vant
