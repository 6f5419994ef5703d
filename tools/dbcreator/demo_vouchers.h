#pragma once

#include "demo_data.h"
#include "demo_random.h"

#include <QStringList>

namespace vant::demo {

inline constexpr int kPostedVoucherCount = 420;

// The default company's vouchers from the start of the year up to today, with their
// bill-wise and cheque rows and the company's counters at their last numbers.
QStringList voucherStatements(const DemoContext &context, DemoRandom &random);

} // namespace vant::demo
