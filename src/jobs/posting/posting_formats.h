#pragma once

#include <QString>

namespace vant {

// "#####0.00": at least one integer digit, two decimals, no grouping (0.5 -> "0.50").
QString formatAmount(double value);

// "#####.00": no required integer digit (0.5 -> ".50", 0 -> ".00").
QString formatDetailAmount(double value);

} // namespace vant
