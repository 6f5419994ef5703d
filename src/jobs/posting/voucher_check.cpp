#include "voucher_check.h"

#include "db/sql_literals.h"
#include "session/session.h"

namespace vant {

namespace {

// The values of a row's current record as the posting writes them; a refusal names the field
// and the row: "Amount of off-line voucher 7".
class RowValues
{
public:
    RowValues(const Recordset &row, const QString &owner, const QString &dateQuote)
        : m_row(row), m_owner(owner), m_dateQuote(dateQuote)
    {}

    Outcome<QString> number(const char *field) const { return numberLiteral(value(field), of(field)); }
    Outcome<QString> optionalNumber(const char *field) const { return optionalNumberLiteral(value(field), of(field)); }
    Outcome<QString> leadingNumber(const char *field) const { return leadingNumberLiteral(value(field), of(field)); }
    Outcome<QString> date(const char *field) const { return dateLiteral(value(field), m_dateQuote, of(field)); }

private:
    QVariant value(const char *field) const { return m_row.value(QString::fromLatin1(field)); }
    QString of(const char *field) const { return QString::fromLatin1(field) + QStringLiteral(" of ") + m_owner; }

    const Recordset &m_row;
    const QString &m_owner;
    const QString &m_dateQuote;
};

// The first of the values that the posting would refuse to write.
Status firstRefused(std::initializer_list<Outcome<QString>> literals)
{
    for (const Outcome<QString> &literal : literals) {
        if (!literal)
            return literal.error();
    }
    return {};
}

Outcome<Recordset> offLineRows(Session &session, const QString &table, const MarkedVoucher &voucher)
{
    return session.openRecordset(QStringLiteral("select * from ") + table + QStringLiteral(" where CompanyCode=")
                                 + sqlQuoted(session.companyCode) + QStringLiteral(" and VoucherNo=")
                                 + QString::number(voucher.offLineNo));
}

} // namespace

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
    if (Status pending = checkPending(voucher); !pending)
        return pending;
    return checkCheque(voucher);
}

Status VoucherCheck::checkLines(const MarkedVoucher &voucher)
{
    auto lines = m_session.openRecordset(
        QStringLiteral("select * from AccOffLineVoucher where isnull(Moved,'N')='N' and  VoucherNo=")
        + QString::number(voucher.offLineNo) + QStringLiteral(" and CompanyCode=") + sqlQuoted(m_session.companyCode));
    if (!lines)
        return lines.error();
    const QString owner = voucher.owner();
    for (; !lines->eof(); lines->moveNext()) {
        auto aid = aidOf(lines->value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode of ") + owner);
        if (!aid)
            return aid.error();
        auto oppAid = aidOf(lines->value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode of ") + owner);
        if (!oppAid)
            return oppAid.error();
        const RowValues line(*lines, owner, m_session.quoteChar);
        if (Status written = firstRefused({line.optionalNumber("DivisionCode"), line.date("VoucherDt"),
                                           line.number("LedgerCode"), line.number("Amount"),
                                           line.number("OppLedgerCode"), line.optionalNumber("OldVoucherNo")});
            !written)
            return written;
    }
    return {};
}

Status VoucherCheck::checkPending(const MarkedVoucher &voucher)
{
    auto pending = offLineRows(m_session, QStringLiteral("AccOffLinePending"), voucher);
    if (!pending)
        return pending.error();
    if (pending->isEmpty())
        return {};
    Recordset &row = *pending;
    const QString owner = QStringLiteral("the bill-wise entry of ") + voucher.owner();
    auto aid = aidOf(row.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode of ") + owner);
    if (!aid)
        return aid.error();
    auto oppAid = aidOf(row.value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode of ") + owner);
    if (!oppAid)
        return oppAid.error();
    const RowValues values(row, owner, m_session.quoteChar);
    return firstRefused({values.optionalNumber("DivisionCode"), values.number("AcType"), values.number("LedgerCode"),
                         values.date("billdate"),
                         values.number("billamount"), values.number("MRC_Amt"), values.leadingNumber("OnAcNo"),
                         values.number("VoucherCode"), values.number("Payable"), values.number("discamt"),
                         values.number("OppLedgerCode")});
}

Status VoucherCheck::checkCheque(const MarkedVoucher &voucher)
{
    auto cheque = offLineRows(m_session, QStringLiteral("AccOffLineChequeDet"), voucher);
    if (!cheque)
        return cheque.error();
    if (cheque->isEmpty())
        return {};
    Recordset &row = *cheque;
    const QString owner = QStringLiteral("the cheque of ") + voucher.owner();
    auto aid = aidOf(row.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode of ") + owner);
    if (!aid)
        return aid.error();
    auto aid1 = aidOf(row.value(QStringLiteral("LedgerCode1")), QStringLiteral("LedgerCode1 of ") + owner);
    if (!aid1)
        return aid1.error();
    const RowValues values(row, owner, m_session.quoteChar);
    return firstRefused({values.number("LedgerCode"), values.number("ChequeAmount"), values.date("ReceiveDate"),
                         values.date("ChequeDate"), values.number("DivisionId"), values.number("AcType"),
                         values.number("VoucherCode"), values.number("LedgerCode1"), values.date("DepositDate")});
}

} // namespace vant
