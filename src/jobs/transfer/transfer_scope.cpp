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

Outcome<std::optional<Error>> TransferScope::firstRefusedSuspect(QStringView statement, QList<Place> places,
                                                                 const SuspectJudge &judge) const
{
    for (int after = 0;;) {
        places.last().sql = QString::number(after);
        auto rs = db.openRecordset(filled(statement, places));
        if (!rs)
            return rs.error();
        if (rs->eof())
            return std::optional<Error>();
        after = rs->value(QStringLiteral("VantSeq")).toInt();
        if (auto refused = judge(*rs, after))
            return refused;
    }
}

} // namespace vant
