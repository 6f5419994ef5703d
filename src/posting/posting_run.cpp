#include "posting_run.h"

#include "posting_filters.h"
#include "posting_statements.h"
#include "session/company_context.h"
#include "session/products.h"
#include "session/session.h"
#include "session/sql_literals.h"
#include "session/user_prompts.h"

#include <QHash>

#include <optional>

namespace vant {

namespace {

const QString kDuplicateMessage = QStringLiteral("VoucherNO is duplicated. Contact Software Vendor...");

// What a marked row's voucher needs from the grid, read once.
struct MarkedVoucher
{
    int offLineNo = 0;
    int voucherCode = 0;
    int acType = 0;

    QString owner() const { return QStringLiteral("off-line voucher ") + QString::number(offLineNo); }
};

// The numbers the accounts component gave a voucher.
struct VoucherNumbers
{
    int voucherNo = 0;
    int subVoucherNo = 0;
};

Outcome<MarkedVoucher> markedVoucher(const PostingRow &row)
{
    const auto offLineNo = wholeNumber(row.voucherNo, QStringLiteral("The off-line voucher number"));
    if (!offLineNo)
        return offLineNo.error();
    const QString owner = QStringLiteral("off-line voucher ") + row.voucherNo.trimmed();
    const auto voucherCode = wholeNumber(row.voucherCode, QStringLiteral("The voucher code of ") + owner);
    if (!voucherCode)
        return voucherCode.error();
    const auto acType = wholeNumber(row.acType, QStringLiteral("The account type of ") + owner);
    if (!acType)
        return acType.error();
    return MarkedVoucher{*offLineNo, *voucherCode, *acType};
}

class PostingRun
{
public:
    explicit PostingRun(Session &session) : m_session(session), m_db(*session.db()) {}

    // Posts one marked voucher inside its own transaction; postedAs gets the new number once
    // committed. Anything but Completed leaves the voucher as it was.
    Outcome<PostingEnd> postRow(const MarkedVoucher &voucher, std::optional<int> &postedAs);

private:
    Outcome<PostingEnd> postVoucher(Recordset &lines, const MarkedVoucher &voucher, VoucherNumbers &numbers);
    Status insertLine(Recordset &line, const MarkedVoucher &voucher, const VoucherNumbers &numbers);
    Status copyPending(const MarkedVoucher &voucher, const VoucherNumbers &numbers);
    Status copyCheque(const MarkedVoucher &voucher, const VoucherNumbers &numbers);
    Outcome<Recordset> offLineRows(const QString &table, const MarkedVoucher &voucher);
    // The aid of a ledger the row names, as a whole number (a ledger without aid reads as 0).
    // A ledger that is missing or not in the ledger master is refused: a posted line must
    // belong to a ledger.
    Outcome<int> aidOf(const QVariant &ledgerCode, const QString &what);

    Session &m_session;
    Database &m_db;
    // Aids found so far: the same ledgers recur on nearly every line of a run.
    QHash<QString, QString> m_aids;
};

Outcome<int> PostingRun::aidOf(const QVariant &ledgerCode, const QString &what)
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

Outcome<Recordset> PostingRun::offLineRows(const QString &table, const MarkedVoucher &voucher)
{
    return m_db.openRecordset(QStringLiteral("select * from ") + table + QStringLiteral(" where CompanyCode='")
                              + m_session.CompanyCode + QStringLiteral("' and VoucherNo=")
                              + QString::number(voucher.offLineNo));
}

Outcome<PostingEnd> PostingRun::postRow(const MarkedVoucher &voucher, std::optional<int> &postedAs)
{
    TransactionGuard guard(m_db);
    if (Status begun = guard.begin(); !begun)
        return begun.error();

    // Limited to the session company: off-line numbers need not be unique across companies.
    auto lines = m_db.openRecordset(
        QStringLiteral("select * from AccOffLineVoucher where isnull(Moved,'N')='N' and  VoucherNo=")
        + QString::number(voucher.offLineNo) + QStringLiteral(" and CompanyCode='") + m_session.CompanyCode
        + QLatin1Char('\''));
    if (!lines)
        return lines.error();
    // Without lines there is no new number to file pending or cheque rows under.
    if (lines->isEmpty())
        return PostingEnd::Completed;

    VoucherNumbers numbers;
    auto posted = postVoucher(*lines, voucher, numbers);
    if (!posted || *posted != PostingEnd::Completed)
        return posted;
    if (Status copied = copyPending(voucher, numbers); !copied)
        return copied.error();
    if (Status copied = copyCheque(voucher, numbers); !copied)
        return copied.error();
    if (Status committed = guard.commit(); !committed)
        return committed.error();
    postedAs = numbers.voucherNo;
    return PostingEnd::Completed;
}

Outcome<PostingEnd> PostingRun::postVoucher(Recordset &lines, const MarkedVoucher &voucher, VoucherNumbers &numbers)
{
    AccountsComponent &accounts = *m_session.AccountsObject;
    const QString lineCompany = lines.text(QStringLiteral("CompanyCode"));
    const int company = leadingInt(lineCompany);

    if (Status connected = accounts.SetAccDBConnection(m_db); !connected)
        return connected.error();
    auto number = accounts.GetMaxVoucherNo(m_session.VoucherTable, company);
    if (!number)
        return number.error();
    if (*number == -1)
        return PostingEnd::Duplicate;
    // Lines under a number that is no voucher number would block every later transfer.
    if (*number < 1)
        return PostingEnd::NoNumber;
    numbers.voucherNo = *number;
    auto subVoucherNo = accounts.GetMaxSubVNo(voucher.voucherCode, company, m_session.PostingAcType,
                                              m_session.FinancialYear);
    if (!subVoucherNo)
        return subVoucherNo.error();
    numbers.subVoucherNo = *subVoucherNo;

    for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
        if (Status inserted = insertLine(lines, voucher, numbers); !inserted)
            return inserted.error();
    }
    // The lines just posted, and no other company's lines that share the off-line number.
    if (Status moved = m_db.execute(QStringLiteral("update AccOffLineVoucher set Moved='Y' where isnull(Moved,'N')='N' "
                                                   "and VoucherNo=")
                                    + QString::number(voucher.offLineNo) + QStringLiteral(" and CompanyCode='")
                                    + m_session.CompanyCode + QLatin1Char('\''));
        !moved)
        return moved.error();
    if (Status updated = accounts.UpdateVoucherNo(numbers.voucherNo, m_session.CompanyCode); !updated)
        return updated.error();
    const Status counted = m_db.execute(
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=")
        + QString::number(numbers.subVoucherNo) + QStringLiteral(" where Vouchercode = ")
        + QString::number(voucher.voucherCode) + QStringLiteral(" and CompanyCode='") + lineCompany
        + QStringLiteral("' and TranYear='") + m_session.FinancialYear + QLatin1Char('\''));
    if (!counted)
        return counted.error();
    return PostingEnd::Completed;
}

Status PostingRun::insertLine(Recordset &line, const MarkedVoucher &voucher, const VoucherNumbers &numbers)
{
    const QString owner = voucher.owner();
    auto aid = aidOf(line.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode of ") + owner);
    if (!aid)
        return aid.error();
    auto oppAid = aidOf(line.value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode of ") + owner);
    if (!oppAid)
        return oppAid.error();

    InsertValues list(m_session.QuoteChar, owner);
    list.text(line.value(QStringLiteral("CompanyCode")))
        .text(line.value(QStringLiteral("DivisionCode")))
        .number(voucher.acType)
        .number(numbers.voucherNo)
        .date(line.value(QStringLiteral("VoucherDt")), QStringLiteral("VoucherDt"))
        .number(line.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode"))
        .text(line.value(QStringLiteral("CrDr")))
        .number(line.value(QStringLiteral("Amount")), QStringLiteral("Amount"))
        .number(voucher.voucherCode)
        .text(line.value(QStringLiteral("Narration")))
        .raw(QStringLiteral("'N'"))
        .number(numbers.subVoucherNo)
        .number(line.value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode"))
        .text(line.value(QStringLiteral("BillRefno")))
        .optionalNumber(line.value(QStringLiteral("OldVoucherNo")), QStringLiteral("OldVoucherNo"))
        .raw(QStringLiteral("getdate()"))
        .text(*aid)
        .text(*oppAid);
    if (Status written = list.status(); !written)
        return written;
    return m_db.execute(QStringLiteral("insert into ") + m_session.VoucherTable
                        + QStringLiteral(" (CompanyCode,DivisionCode,AcType,")
                        + QStringLiteral("VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,Narration,"
                                         "IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,AID,"
                                         "OppAID) ")
                        + QStringLiteral("values ") + list.list());
}

Status PostingRun::copyPending(const MarkedVoucher &voucher, const VoucherNumbers &numbers)
{
    auto pending = offLineRows(QStringLiteral("AccOffLinePending"), voucher);
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

    // Filed under the voucher's new number and sub-number, as the cheque and the transfer are.
    InsertValues list(m_session.QuoteChar, owner);
    list.text(row.value(QStringLiteral("CompanyCode")))
        .text(row.value(QStringLiteral("DivisionCode")))
        .number(row.value(QStringLiteral("AcType")), QStringLiteral("AcType"))
        .number(row.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode"))
        .number(numbers.voucherNo)
        .text(row.value(QStringLiteral("BillRefno")))
        .date(row.value(QStringLiteral("billdate")), QStringLiteral("billdate"))
        .number(row.value(QStringLiteral("billamount")), QStringLiteral("billamount"))
        .text(row.value(QStringLiteral("InvoiceNo")))
        .number(row.value(QStringLiteral("MRC_Amt")), QStringLiteral("MRC_Amt"))
        .text(row.value(QStringLiteral("CrDr")))
        .text(row.value(QStringLiteral("TransType")))
        .leadingNumber(row.value(QStringLiteral("OnAcNo")), QStringLiteral("OnAcNo"))
        .number(row.value(QStringLiteral("VoucherCode")), QStringLiteral("VoucherCode"))
        .number(row.value(QStringLiteral("Payable")), QStringLiteral("Payable"))
        .number(row.value(QStringLiteral("discamt")), QStringLiteral("discamt"))
        .number(numbers.subVoucherNo)
        .date(row.value(QStringLiteral("billdate")), QStringLiteral("billdate"))
        .number(row.value(QStringLiteral("OppLedgerCode")), QStringLiteral("OppLedgerCode"))
        .text(row.value(QStringLiteral("Remarks")))
        .raw(QStringLiteral("getdate()"))
        .text(*aid)
        .text(*oppAid);
    if (Status written = list.status(); !written)
        return written;
    return m_db.execute(QStringLiteral("insert into AccPending (CompanyCode,DivisionCode,AcType,LedgerCode,")
                        + QStringLiteral("VoucherNo,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,")
                        + QStringLiteral("CrDr,TransType,OnAcNo,VoucherCode,Payable,DiscAmt,VoucherSlno,TransDate,"
                                         "OppLedgerCode,Remarks,TS,AID,OppAID) values ")
                        + list.list());
}

Status PostingRun::copyCheque(const MarkedVoucher &voucher, const VoucherNumbers &numbers)
{
    auto cheque = offLineRows(QStringLiteral("AccOffLineChequeDet"), voucher);
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
    list.text(row.value(QStringLiteral("CompanyCode")))
        .number(row.value(QStringLiteral("LedgerCode")), QStringLiteral("LedgerCode"))
        .number(numbers.voucherNo)
        .text(row.value(QStringLiteral("ChequeNo")))
        .number(row.value(QStringLiteral("ChequeAmount")), QStringLiteral("ChequeAmount"))
        .date(row.value(QStringLiteral("ReceiveDate")), QStringLiteral("ReceiveDate"))
        .date(row.value(QStringLiteral("ChequeDate")), QStringLiteral("ChequeDate"))
        .text(row.value(QStringLiteral("Status")))
        .text(row.value(QStringLiteral("BankName")))
        .raw(QStringLiteral("''"))
        .number(row.value(QStringLiteral("DivisionId")), QStringLiteral("DivisionId"))
        .number(row.value(QStringLiteral("AcType")), QStringLiteral("AcType"))
        .number(row.value(QStringLiteral("VoucherCode")), QStringLiteral("VoucherCode"))
        .number(row.value(QStringLiteral("LedgerCode1")), QStringLiteral("LedgerCode1"))
        .raw(QStringLiteral("''"))
        .text(row.value(QStringLiteral("ChequePrinted")))
        .date(row.value(QStringLiteral("DepositDate")), QStringLiteral("DepositDate"))
        .text(*aid)
        .text(*aid1);
    if (Status written = list.status(); !written)
        return written;
    return m_db.execute(QStringLiteral("INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,")
                        + QStringLiteral("VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate")
                        + QStringLiteral(",Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,"
                                         "Narration,ChequePrinted,DepositDate,AID,AID1) VALUES ")
                        + list.list());
}

} // namespace

PostingEnd SaveTrans(Session &session, const QList<PostingRow> &rows, const PostedVoucher &posted)
{
    const auto stop = [&session](PostingEnd end) {
        session.AccountsObject.reset();
        return end;
    };
    const auto fail = [&session, &stop](const Error &error) {
        session.ReportError(error, kPostingWindow, QStringLiteral("SaveTrans"), true);
        return stop(PostingEnd::Failed);
    };
    if (!session.db())
        return fail(closedConnectionError());
    if (Status created = createAndConnectAccounts(session, postingProgId(session.ProductCode)); !created)
        return fail(created.error());

    PostingRun run(session);
    for (const PostingRow &row : rows) {
        if (leadingNumber(row.postedAmount) <= 0)
            continue;
        const auto voucher = markedVoucher(row);
        if (!voucher)
            return fail(voucher.error());
        std::optional<int> postedAs;
        // The voucher's transaction is over when postRow returns: no box below holds the
        // database's locks while it waits for the user.
        const auto end = run.postRow(*voucher, postedAs);
        if (!end)
            return fail(end.error());
        switch (*end) {
        case PostingEnd::Duplicate:
            session.prompts.message(kDuplicateMessage, kProgramTitle, PromptIcon::Information);
            return stop(PostingEnd::Duplicate);
        case PostingEnd::NoNumber:
            session.prompts.message(QStringLiteral("Voucher No is 0"), kProgramTitle, PromptIcon::None);
            return stop(PostingEnd::NoNumber);
        case PostingEnd::Completed:
        case PostingEnd::Failed:
            break;
        }
        if (postedAs && posted)
            posted(row, *postedAs);
    }
    return stop(PostingEnd::Completed);
}

} // namespace vant
