#pragma once

#include <QDate>
#include <QString>

namespace vant {

// The financial year that holds a day: it begins on 1 April.
struct FinancialYear
{
    QDate begin;
    QDate end;
    QString key; // the begin year as four digits, as the company's defaultyear holds it

    QString voucherTable() const { return QStringLiteral("accvoucher") + key; }
};

FinancialYear financialYearOf(const QDate &day);

} // namespace vant
