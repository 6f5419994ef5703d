#pragma once

#include "db/insert_statement.h"
#include "demo_voucher_shapes.h"

#include <QString>

namespace vant {

// An amount given in paise, written as a number with two decimals.
QString amountLiteral(qint64 paise);

} // namespace vant

namespace vant::demo {

// Where a voucher line belongs: its voucher's division, account type, number and day.
struct LineOwner
{
    int division;
    int acType;
    int voucherNo;
    QDate day;
};

// The insert of a voucher line into a table of voucher lines (posted or off line), up to the
// line's own columns; the caller adds the columns of that table.
InsertStatement voucherLineInsert(const QString &table, const LineOwner &owner, const Line &line,
                                  const VoucherShape &shape);

} // namespace vant::demo
