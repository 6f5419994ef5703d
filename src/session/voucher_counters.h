#pragma once

#include "db/outcome.h"

#include <QList>
#include <QMap>
#include <QString>

namespace vant {

class Database;

// Numbers handed out one after another: first to last, empty when last is below first.
struct NumberRange
{
    qint64 first = 0;
    qint64 last = -1;

    bool isEmpty() const { return last < first; }
};

// The sub-numbers handed out within one voucher code and year.
struct SubNumberRange
{
    int voucherCode = 0;
    QString year;
    NumberRange range;
};

// What the numbering of a company handed out between two readings of its counters.
struct AssignedNumbers
{
    NumberRange vouchers;
    QList<SubNumberRange> subNumbers;

    bool isEmpty() const { return vouchers.isEmpty() && subNumbers.isEmpty(); }
};

// A company's voucher counters as they stand: the last voucher number it used and the last
// sub-number of each voucher code and year. Reading them changes nothing.
class VoucherCounters
{
public:
    static Outcome<VoucherCounters> read(Database &db, const QString &companyCode);

    // The numbers handed out since the earlier reading: each counter's next value up to where
    // it stands now.
    AssignedNumbers since(const VoucherCounters &earlier) const;

private:
    qint64 m_lastVoucherNo = 0;
    QMap<QPair<int, QString>, qint64> m_lastSubNumbers; // by voucher code and year
};

} // namespace vant
