#pragma once

#include "db/outcome.h"

#include <QList>
#include <QString>

#include <optional>

namespace vant {

// One marked off-line voucher of the list, as the posting takes it.
struct MarkedVoucher
{
    int offLineNo = 0;
    int voucherCode = 0;
    int acType = 0;
    double postedAmount = 0;

    QString owner() const { return QStringLiteral("off-line voucher ") + QString::number(offLineNo); }
};

// The marked vouchers of a list in its order, up to the first whose values cannot be read; that
// one's error comes with them.
struct MarkedVouchers
{
    QList<MarkedVoucher> vouchers;
    std::optional<Error> unreadable;
    // Every marked row of the list, also those from the unreadable one on.
    qsizetype rows = 0;
};

} // namespace vant
