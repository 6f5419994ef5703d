#pragma once

#include "demo_data.h"
#include "demo_random.h"

#include <QStringList>

namespace vant::demo {

// Off-line vouchers are numbered in a range of their own, apart from the posted ones.
inline constexpr int kFirstOffLineVoucherNo = 70001;

// Today's off-line vouchers of the default company: every voucher code and transaction
// type that the posting offers, in divisions 1 and 2, with their bill-wise and cheque rows.
QStringList offLineStatements(const DemoContext &context, DemoRandom &random);

} // namespace vant::demo
