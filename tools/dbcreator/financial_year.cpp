#include "financial_year.h"

#include "session/text_helpers.h"

namespace vant {

FinancialYear financialYearOf(const QDate &day)
{
    const int beginYear = day.month() >= 4 ? day.year() : day.year() - 1;
    FinancialYear year;
    year.begin = QDate(beginYear, 4, 1);
    year.end = GetFinDateEnd(year.begin);
    year.key = QStringLiteral("%1").arg(beginYear, 4, 10, QLatin1Char('0'));
    return year;
}

} // namespace vant
