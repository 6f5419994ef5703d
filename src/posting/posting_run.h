#pragma once

#include "voucher_grid.h"

#include <QList>

#include <functional>

namespace vant {

struct Session;

enum class PostingEnd {
    Completed, // every marked row was looked at
    Duplicate, // the component gave -1 for a voucher number; that voucher and later rows untouched
    NoNumber,  // the component gave another number below 1; that voucher and later rows untouched
    Failed,    // a statement, component call or value of a voucher failed and was reported
};

// Posts every marked row (POSTED AMT above 0) into the year's voucher table under a
// number from the accounts component of the session's product, flags the session
// company's off-line lines of the voucher as moved and copies its first pending and cheque
// rows under the new number. Vouchers are written a batch at a time, each batch in one
// transaction that keeps only the vouchers before the first one not posted: a voucher is
// wholly posted or untouched, and the run stops at the first voucher that is not posted.
// posted, when given, hears of each voucher once its batch is committed, with its new number.
using PostedVoucher = std::function<void(const PostingRow &row, int voucherNo)>;
PostingEnd SaveTrans(Session &session, const QList<PostingRow> &rows, const PostedVoucher &posted = {});

} // namespace vant
