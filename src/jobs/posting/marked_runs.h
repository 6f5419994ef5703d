#pragma once

#include "marked_voucher.h"

#include <QList>
#include <QStringList>

namespace vant {

// The places in the list (from 1) of the numbers it marks, each at the first row that marks it:
// posting a voucher flags its lines, so a number marked again finds none left.
QList<int> firstPlaces(const QList<MarkedVoucher> &vouchers);

// The rows at `places` as runs (Seq, OffLineNo, Vouchers, VoucherCode, AcType) of at most 1,000
// vouchers: a voucher that follows the run before it, by its place in the list, its number, code
// and type, lengthens it.
QList<QStringList> markedRuns(const QList<MarkedVoucher> &vouchers, const QList<int> &places);

} // namespace vant
