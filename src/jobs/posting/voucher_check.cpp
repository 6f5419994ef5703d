#include "voucher_check.h"

#include "db/sql_literals.h"
#include "posted_columns.h"
#include "session/session.h"

namespace vant {

Outcome<int> VoucherCheck::aidOf(const QVariant &ledgerCode, const QString &what)
{
    const auto code = numberLiteral(ledgerCode, what);
    if (!code)
        return code.error();
    auto known = m_aids.constFind(*code);
    if (known == m_aids.cend()) {
        auto rs =
            m_session.openRecordset(QStringLiteral("select isnull(aid,'') from accledgermaster where ledgercode = '")
                                    + *code + QLatin1Char('\''));
        if (!rs)
            return rs.error();
        // A posted line must belong to a ledger.
        if (rs->eof()) {
            return Error{kRefusedValue, QStringLiteral("Ledger %1 (%2) is not in the ledger master.").arg(*code, what)};
        }
        known = m_aids.insert(*code, rs->value(0));
    }
    // Read whole, as every number: a ledger without aid has none to post.
    return wholeNumber(*known, QStringLiteral("The aid of ledger %1 (%2)").arg(*code, what));
}

Status VoucherCheck::check(const MarkedVoucher &voucher)
{
    if (Status lines = checkLines(voucher); !lines)
        return lines;
    if (Status pending = checkFirstRow(QStringLiteral("AccOffLinePending"), postedPendingColumns(),
                                       QStringLiteral("the bill-wise entry of ") + voucher.owner(), voucher);
        !pending)
        return pending;
    return checkFirstRow(QStringLiteral("AccOffLineChequeDet"), postedChequeColumns(),
                         QStringLiteral("the cheque of ") + voucher.owner(), voucher);
}

Status VoucherCheck::checkLines(const MarkedVoucher &voucher)
{
    auto lines = m_session.openRecordset(
        QStringLiteral("select * from AccOffLineVoucher where isnull(Moved,'N')='N' and  VoucherNo=")
        + QString::number(voucher.offLineNo) + QStringLiteral(" and CompanyCode=") + sqlQuoted(m_session.companyCode));
    if (!lines)
        return lines.error();
    for (; !lines->eof(); lines->moveNext()) {
        if (Status read = firstRefusedValue(*lines, postedLineColumns(), voucher.owner(), aidReader()); !read)
            return read;
    }
    return {};
}

// Only the voucher's first pending and cheque rows are posted.
Status VoucherCheck::checkFirstRow(const QString &table, CopiedTable columns, const QString &owner,
                                   const MarkedVoucher &voucher)
{
    auto rows = m_session.openRecordset(QStringLiteral("select * from ") + table + QStringLiteral(" where CompanyCode=")
                                        + sqlQuoted(m_session.companyCode) + QStringLiteral(" and VoucherNo=")
                                        + QString::number(voucher.offLineNo));
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return {};
    return firstRefusedValue(*rows, columns, owner, aidReader());
}

AidOf VoucherCheck::aidReader()
{
    return [this](const QVariant &ledgerCode, const QString &what) { return aidOf(ledgerCode, what); };
}

} // namespace vant
