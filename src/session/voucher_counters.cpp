#include "voucher_counters.h"

#include "db/database.h"
#include "db/sql_literals.h"

namespace vant {

Outcome<VoucherCounters> VoucherCounters::read(Database &db, const QString &companyCode)
{
    const QString company = sqlQuoted(companyCode);
    VoucherCounters counters;
    auto last = db.openRecordset(QStringLiteral("select isnull(Voucherno,0) from acccompanymaster where CompanyCode=")
                                 + company);
    if (!last)
        return last.error();
    if (!last->eof())
        counters.m_lastVoucherNo = last->value(0).toLongLong();
    auto subNumbers = db.openRecordset(
        QStringLiteral("select VoucherCode,TranYear,isnull(VoucherSlno,0) from AccCompanyVoucherNo where CompanyCode=")
        + company);
    if (!subNumbers)
        return subNumbers.error();
    for (; !subNumbers->eof(); subNumbers->moveNext()) {
        counters.m_lastSubNumbers.insert({subNumbers->value(0).toInt(), subNumbers->text(1).trimmed()},
                                         subNumbers->value(2).toLongLong());
    }
    return counters;
}

AssignedNumbers VoucherCounters::since(const VoucherCounters &earlier) const
{
    AssignedNumbers assigned;
    assigned.vouchers = {earlier.m_lastVoucherNo + 1, m_lastVoucherNo};
    for (auto it = m_lastSubNumbers.cbegin(); it != m_lastSubNumbers.cend(); ++it) {
        const NumberRange range{earlier.m_lastSubNumbers.value(it.key()) + 1, it.value()};
        if (!range.isEmpty())
            assigned.subNumbers << SubNumberRange{it.key().first, it.key().second, range};
    }
    return assigned;
}

} // namespace vant
