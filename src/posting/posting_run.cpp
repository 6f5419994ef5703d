#include "posting_run.h"

#include "posting_filters.h"
#include "posting_statements.h"
#include "session/company_context.h"
#include "session/products.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QHash>

#include <optional>

namespace vant {

namespace {

const QString kDuplicateMessage = QStringLiteral("VoucherNO is duplicated. Contact Software Vendor...");

class PostingRun
{
public:
    explicit PostingRun(Session &session) : m_session(session), m_db(*session.db()) {}

    // Posts one marked row inside its own transaction; postedAs gets the new number once committed.
    Outcome<PostingEnd> postRow(const PostingRow &row, std::optional<int> &postedAs);

private:
    Outcome<PostingEnd> postVoucher(Recordset &lines, const PostingRow &row, int &newVoucherNo);
    Status insertLine(Recordset &line, const PostingRow &row, int newVoucherNo, int subVoucherNo);
    Status copyPending(const QString &offLineVoucherNo);
    Status copyCheque(const QString &offLineVoucherNo, int newVoucherNo);
    InsertValues values() const { return InsertValues(m_session.QuoteChar); }
    // The whole number that an aid lookup gives; a ledger without aid reads as 0.
    Outcome<int> aidOf(const QVariant &ledgerCode);

    Session &m_session;
    Database &m_db;
    // Aids found so far: the same ledgers recur on nearly every line of a run.
    QHash<QString, QVariant> m_aids;
};

Outcome<int> PostingRun::aidOf(const QVariant &ledgerCode)
{
    const QString code = numberText(ledgerCode);
    QVariant aid = m_aids.value(code);
    if (!aid.isValid()) {
        aid = GetValueFromTbl(
            m_session, QStringLiteral("select isnull(aid,'') from accledgermaster where ledgercode = '") + code
                           + QLatin1Char('\''));
        // A failed or empty lookup is asked again, as it was reported once per line.
        if (aid.isValid())
            m_aids.insert(code, aid);
    }
    const QString text = aid.isValid() && !aid.isNull() ? aid.toString().trimmed() : QString();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return Error{13, QStringLiteral("Type mismatch")};
    return value;
}

Outcome<PostingEnd> PostingRun::postRow(const PostingRow &row, std::optional<int> &postedAs)
{
    const QString offLineVoucherNo = QString::number(qint64(leadingNumber(row.voucherNo)));
    TransactionGuard guard(m_db);
    if (Status begun = guard.begin(); !begun)
        return begun.error();

    // Limited to the session company: off-line numbers need not be unique across companies.
    auto lines = m_db.openRecordset(
        QStringLiteral("select * from AccOffLineVoucher where isnull(Moved,'N')='N' and  VoucherNo=")
        + offLineVoucherNo + QStringLiteral(" and CompanyCode='") + m_session.CompanyCode + QLatin1Char('\''));
    if (!lines)
        return lines.error();
    // Without lines there is no new number to file pending or cheque rows under.
    if (lines->isEmpty())
        return PostingEnd::Completed;

    int newVoucherNo = 0;
    auto posted = postVoucher(*lines, row, newVoucherNo);
    if (!posted || *posted != PostingEnd::Completed)
        return posted;
    if (Status copied = copyPending(offLineVoucherNo); !copied)
        return copied.error();
    if (Status copied = copyCheque(offLineVoucherNo, newVoucherNo); !copied)
        return copied.error();
    if (Status committed = guard.commit(); !committed)
        return committed.error();
    postedAs = newVoucherNo;
    return PostingEnd::Completed;
}

Outcome<PostingEnd> PostingRun::postVoucher(Recordset &lines, const PostingRow &row, int &newVoucherNo)
{
    AccountsComponent &accounts = *m_session.AccountsObject;
    const int voucherCode = int(leadingNumber(row.voucherCode));
    const QString lineCompany = lines.text(QStringLiteral("CompanyCode"));
    const int company = int(leadingNumber(lineCompany));

    if (Status connected = accounts.SetAccDBConnection(m_db); !connected)
        return connected.error();
    auto number = accounts.GetMaxVoucherNo(m_session.VoucherTable, company);
    if (!number)
        return number.error();
    if (*number == -1) {
        m_session.prompts.message(kDuplicateMessage, kProgramTitle, PromptIcon::Information);
        return PostingEnd::Duplicate;
    }
    newVoucherNo = *number;
    auto subVoucherNo = accounts.GetMaxSubVNo(voucherCode, company, m_session.PostingAcType,
                                              m_session.FinancialYear);
    if (!subVoucherNo)
        return subVoucherNo.error();

    for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
        if (Status inserted = insertLine(lines, row, newVoucherNo, *subVoucherNo); !inserted)
            return inserted.error();
        if (Status moved = m_db.execute(QStringLiteral("update AccOffLineVoucher set Moved='Y' where OldVoucherNo=")
                                        + numberText(lines.value(QStringLiteral("OldVoucherNo"))));
            !moved)
            return moved.error();
    }
    if (newVoucherNo < 1)
        m_session.prompts.message(QStringLiteral("Voucher No is 0"), kProgramTitle, PromptIcon::None);
    if (Status updated = accounts.UpdateVoucherNo(newVoucherNo, m_session.CompanyCode); !updated)
        return updated.error();
    const Status counted = m_db.execute(
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=") + QString::number(*subVoucherNo)
        + QStringLiteral(" where Vouchercode = ") + QString::number(voucherCode) + QStringLiteral(" and CompanyCode='")
        + lineCompany + QStringLiteral("' and TranYear='") + m_session.FinancialYear + QLatin1Char('\''));
    if (!counted)
        return counted.error();
    return PostingEnd::Completed;
}

Status PostingRun::insertLine(Recordset &line, const PostingRow &row, int newVoucherNo, int subVoucherNo)
{
    auto aid = aidOf(line.value(QStringLiteral("LedgerCode")));
    if (!aid)
        return aid.error();
    auto oppAid = aidOf(line.value(QStringLiteral("OppLedgerCode")));
    if (!oppAid)
        return oppAid.error();

    InsertValues list = values();
    list.text(line.value(QStringLiteral("CompanyCode")))
        .text(line.value(QStringLiteral("DivisionCode")))
        .number(int(leadingNumber(row.acType)))
        .number(newVoucherNo)
        .date(line.value(QStringLiteral("VoucherDt")))
        .number(line.value(QStringLiteral("LedgerCode")))
        .text(line.value(QStringLiteral("CrDr")))
        .number(line.value(QStringLiteral("Amount")))
        .number(int(leadingNumber(row.voucherCode)))
        .text(line.value(QStringLiteral("Narration")))
        .raw(QStringLiteral("'N'"))
        .number(subVoucherNo)
        .number(line.value(QStringLiteral("OppLedgerCode")))
        .text(line.value(QStringLiteral("BillRefno")))
        .number(line.value(QStringLiteral("OldVoucherNo")))
        .raw(QStringLiteral("getdate()"))
        .text(*aid)
        .text(*oppAid);
    return m_db.execute(QStringLiteral("insert into ") + m_session.VoucherTable
                        + QStringLiteral(" (CompanyCode,DivisionCode,AcType,")
                        + QStringLiteral("VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,Narration,"
                                         "IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,AID,"
                                         "OppAID) ")
                        + QStringLiteral("values ") + list.list());
}

Status PostingRun::copyPending(const QString &offLineVoucherNo)
{
    auto pending = m_db.openRecordset(QStringLiteral("select * from AccOffLinePending where CompanyCode='")
                                      + m_session.CompanyCode + QStringLiteral("' and VoucherNo=")
                                      + offLineVoucherNo);
    if (!pending)
        return pending.error();
    if (pending->isEmpty())
        return {};
    Recordset &row = *pending;
    auto aid = aidOf(row.value(QStringLiteral("LedgerCode")));
    if (!aid)
        return aid.error();
    auto oppAid = aidOf(row.value(QStringLiteral("OppLedgerCode")));
    if (!oppAid)
        return oppAid.error();

    InsertValues list = values();
    list.text(row.value(QStringLiteral("CompanyCode")))
        .text(row.value(QStringLiteral("DivisionCode")))
        .number(row.value(QStringLiteral("AcType")))
        .number(row.value(QStringLiteral("LedgerCode")))
        .number(row.value(QStringLiteral("VoucherNo")))
        .text(row.value(QStringLiteral("BillRefno")))
        .date(row.value(QStringLiteral("billdate")))
        .number(row.value(QStringLiteral("billamount")))
        .text(row.value(QStringLiteral("InvoiceNo")))
        .number(row.value(QStringLiteral("MRC_Amt")))
        .text(row.value(QStringLiteral("CrDr")))
        .text(row.value(QStringLiteral("TransType")))
        .number(leadingNumber(row.text(QStringLiteral("OnAcNo"))))
        .number(row.value(QStringLiteral("VoucherCode")))
        .number(row.value(QStringLiteral("Payable")))
        .number(row.value(QStringLiteral("discamt")))
        .number(row.value(QStringLiteral("VoucherNo")))
        .date(row.value(QStringLiteral("billdate")))
        .number(row.value(QStringLiteral("OppLedgerCode")))
        .text(row.value(QStringLiteral("Remarks")))
        .raw(QStringLiteral("getdate()"))
        .text(*aid)
        .text(*oppAid);
    return m_db.execute(QStringLiteral("insert into AccPending (CompanyCode,DivisionCode,AcType,LedgerCode,")
                        + QStringLiteral("VoucherNo,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,")
                        + QStringLiteral("CrDr,TransType,OnAcNo,VoucherCode,Payable,DiscAmt,VoucherSlno,TransDate,"
                                         "OppLedgerCode,Remarks,TS,AID,OppAID) values ")
                        + list.list());
}

Status PostingRun::copyCheque(const QString &offLineVoucherNo, int newVoucherNo)
{
    auto cheque = m_db.openRecordset(QStringLiteral("select * from AccOffLineChequeDet where CompanyCode='")
                                     + m_session.CompanyCode + QStringLiteral("' and VoucherNo=")
                                     + offLineVoucherNo);
    if (!cheque)
        return cheque.error();
    if (cheque->isEmpty())
        return {};
    Recordset &row = *cheque;
    auto aid = aidOf(row.value(QStringLiteral("LedgerCode")));
    if (!aid)
        return aid.error();
    auto aid1 = aidOf(row.value(QStringLiteral("LedgerCode1")));
    if (!aid1)
        return aid1.error();

    InsertValues list = values();
    list.text(row.value(QStringLiteral("CompanyCode")))
        .number(row.value(QStringLiteral("LedgerCode")))
        .number(newVoucherNo)
        .text(row.value(QStringLiteral("ChequeNo")))
        .number(row.value(QStringLiteral("ChequeAmount")))
        .date(row.value(QStringLiteral("ReceiveDate")))
        .date(row.value(QStringLiteral("ChequeDate")))
        .text(row.value(QStringLiteral("Status")))
        .text(row.value(QStringLiteral("BankName")))
        .raw(QStringLiteral("''"))
        .number(row.value(QStringLiteral("DivisionId")))
        .number(row.value(QStringLiteral("AcType")))
        .number(row.value(QStringLiteral("VoucherCode")))
        .number(row.value(QStringLiteral("LedgerCode1")))
        .raw(QStringLiteral("''"))
        .text(row.value(QStringLiteral("ChequePrinted")))
        .date(row.value(QStringLiteral("DepositDate")))
        .text(*aid)
        .text(*aid1);
    return m_db.execute(QStringLiteral("INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,")
                        + QStringLiteral("VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate")
                        + QStringLiteral(",Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,"
                                         "Narration,ChequePrinted,DepositDate,AID,AID1) VALUES ")
                        + list.list());
}

} // namespace

PostingEnd SaveTrans(Session &session, const QList<PostingRow> &rows, const PostedVoucher &posted)
{
    const auto fail = [&session](const Error &error) {
        session.ReportError(error, kPostingWindow, QStringLiteral("SaveTrans"), true);
        session.AccountsObject.reset();
        return PostingEnd::Failed;
    };
    if (!session.db())
        return fail(closedConnectionError());
    if (Status created = createAndConnectAccounts(session, postingProgId(session.ProductCode)); !created)
        return fail(created.error());

    PostingRun run(session);
    for (const PostingRow &row : rows) {
        if (leadingNumber(row.postedAmount) <= 0)
            continue;
        std::optional<int> postedAs;
        auto end = run.postRow(row, postedAs);
        if (!end)
            return fail(end.error());
        if (*end == PostingEnd::Duplicate) {
            session.AccountsObject.reset();
            return PostingEnd::Duplicate;
        }
        if (postedAs && posted)
            posted(row, *postedAs);
    }
    session.AccountsObject.reset();
    return PostingEnd::Completed;
}

} // namespace vant
