#pragma once

#include "db/outcome.h"
#include "session/run_record.h"

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
    // Marked rows with no amount to post (0 or below): never posted, each with the reason.
    QList<FailedVoucher> refused;
    std::optional<Error> unreadable;
    // The marked rows after the unreadable one, which the posting does not reach.
    qsizetype afterUnreadable = 0;
    // Every marked row of the list, also the refused ones and those from the unreadable one on.
    qsizetype rows = 0;
};

} // namespace vant
