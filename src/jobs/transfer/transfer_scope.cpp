#include "transfer_scope.h"

#include "db/database.h"

#include <algorithm>

namespace vant {

Status TransferScope::insertInBatches(const QString &statement, int rows) const
{
    for (int first = 1; first <= rows; first += kBatchRows) {
        const int last = std::min(rows, first + kBatchRows - 1);
        if (Status inserted = db.execute(statement.arg(first).arg(last)); !inserted)
            return inserted;
        advance(last - first + 1);
    }
    return {};
}

} // namespace vant
