#include "voucher_check.h"

#include "posting_statements.h"
#include "session/session.h"
#include "db/sql_literals.h"

namespace vant {

namespace {

Outcome<Recordset> offLineRows(Session &session, const QString &table, const MarkedVoucher &voucher)
{
    return session.openRecordset(QStringLiteral("select * from ") + table + QStringLiteral(" where CompanyCode='")
                                 + session.CompanyCode + QStringLiteral("' and VoucherNo=")
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
        auto rs = m_session.openRecordset(
            QStringLiteral("select isnull(aid,'') from accledgermaster where ledgercode = '") + *code
            + QLatin1Char('\''));
        if (!rs)
            return rs.error();
        // A posted line must belong to a ledger.
        if (rs->eof()) {
            return Error{kRefusedValue, QStringLiteral("Ledger %1 (%2) is not in the ledger master.")
                                            .arg(*code, what)};
        }
        known = m_aids.insert(*code, rs->text(0).trimmed());
    }
    if (known->isEmpty())
        return 0;
    bool ok = false;
    const int value = known->toInt(&ok);
    if (!ok)
        return Error{13, QStringLiteral("Type mismatch")};
    return value;
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
        + QString::number(voucher.offLineNo) + QStringLiteral(" and CompanyCode='") + m_session.CompanyCode
        + QLatin1Char('\''));
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
        InsertValues list(m_session.QuoteChar, owner);
        list.date(lines->value(QStringLiteral("VoucherDt")), QStringLiteral("VoucherDt"))
            .number(lines->value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode"))
            .number(lines->value(QStringLiteral("Amount")), QStringLiteral("Amount"))
            .number(lines->value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode"))
            .optionalNumber(lines->value(QStringLiteral("OldVoucherNo")), QStringLiteral("OldVoucherNo"));
        if (Status written = list.status(); !written)
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
    InsertValues list(m_session.QuoteChar, owner);
    list.number(row.value(QStringLiteral("AcType")), QStringLiteral("AcType"))
        .number(row.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode"))
        .date(row.value(QStringLiteral("billdate")), QStringLiteral("billdate"))
        .number(row.value(QStringLiteral("billamount")), QStringLiteral("billamount"))
        .number(row.value(QStringLiteral("MRC_Amt")), QStringLiteral("MRC_Amt"))
        .leadingNumber(row.value(QStringLiteral("OnAcNo")), QStringLiteral("OnAcNo"))
        .number(row.value(QStringLiteral("VoucherCode")), QStringLiteral("VoucherCode"))
        .number(row.value(QStringLiteral("Payable")), QStringLiteral("Payable"))
        .number(row.value(QStringLiteral("discamt")), QStringLiteral("discamt"))
        .number(row.value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode"));
    return list.status();
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
    InsertValues list(m_session.QuoteChar, owner);
    list.number(row.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode"))
        .number(row.value(QStringLiteral("ChequeAmount")), QStringLiteral("ChequeAmount"))
        .date(row.value(QStringLiteral("ReceiveDate")), QStringLiteral("ReceiveDate"))
        .date(row.value(QStringLiteral("ChequeDate")), QStringLiteral("ChequeDate"))
        .number(row.value(QStringLiteral("DivisionId")), QStringLiteral("DivisionId"))
        .number(row.value(QStringLiteral("AcType")), QStringLiteral("AcType"))
        .number(row.value(QStringLiteral("VoucherCode")), QStringLiteral("VoucherCode"))
        .number(row.value(QStringLiteral("LedgerCode1")), QStringLiteral("LedgerCode1"))
        .date(row.value(QStringLiteral("DepositDate")), QStringLiteral("DepositDate"));
    return list.status();
}

} // namespace vant
