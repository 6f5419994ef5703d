#include "posting_formats.h"

#include <cmath>

namespace vant {

namespace {

// Two decimals of the magnitude, with the sign only when something non-zero is left.
QString twoDecimals(double value, bool integerDigitRequired)
{
    QString digits = QString::number(std::fabs(value), 'f', 2);
    const bool zero = digits == u"0.00";
    if (!integerDigitRequired && digits.startsWith(u"0."))
        digits.remove(0, 1);
    return value < 0 && !zero ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString formatAmount(double value)
{
    return twoDecimals(value, true);
}

QString formatDetailAmount(double value)
{
    return twoDecimals(value, false);
}

} // namespace vant
