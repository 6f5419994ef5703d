#include "transfer_run.h"

#include "session/session.h"
#include "session/sql_literals.h"
#include "session/text_helpers.h"
#include "source_row.h"

#include <QHash>

#include <functional>
#include <optional>

namespace vant {

namespace {

const QString kProcedure = QStringLiteral("InsertRecordstoShadow");

// A row the run refuses stops it; the report says that nothing was kept.
Error refused(const QString &why)
{
    return Error{kRefusedValue, why + QStringLiteral(" Nothing was transferred.")};
}

class TransferRun
{
public:
    TransferRun(Session &session, const TransferRequest &request, const TransferFeedback &feedback)
        : m_session(session), m_db(*session.db()), m_feedback(feedback), m_source(request.source()),
          m_destination(request.destination()), m_from(sqlDate(request.from)), m_to(sqlDate(request.to)),
          m_voucherTable(session.VoucherTable), m_year(session.FinancialYear)
    {
    }

    Status ClearOldRecords();
    Status InsertRecordstoShadow();

private:
    void caption(const QString &text) const
    {
        if (m_feedback.caption)
            m_feedback.caption(text);
    }
    void advance() const
    {
        if (m_feedback.advance)
            m_feedback.advance();
    }

    QString transferredVouchers() const;
    Status copyDivisions();
    Status copyVouchers();
    Status copyBillwise();
    Status copyCheques();
    Status startVoucher(SourceRow &row);
    // The shadow number of a source voucher; none when that voucher has no copy. Remembered,
    // as many bill-wise and cheque rows name the same voucher and the copies no longer change.
    Outcome<std::optional<QString>> shadowVoucherNo(const QString &sourceVoucherNo);
    // The shadow number of the voucher that a bill-wise or cheque row belongs to; none when
    // the row names no voucher (NULL, 0 or below) or its voucher has no copy.
    Outcome<std::optional<QString>> linkedVoucherNo(const Recordset &rs, const SourceRow &row);
    // The values of a row's insert, given the number of its voucher's copy.
    using RowValues = std::function<QStringList(SourceRow &row, const QString &voucherNo)>;
    // Copies the selected rows that belong to a copied voucher, under that copy's number; every
    // row moves the bar, copied or skipped.
    Status copyLinkedRows(const QString &table, const QString &select, const QString &insertInto,
                          const RowValues &values);

    Session &m_session;
    Database &m_db;
    const TransferFeedback &m_feedback;
    const QString m_source;
    const QString m_destination;
    const QString m_from;
    const QString m_to;
    const QString m_voucherTable;
    const QString m_year;
    int m_voucherNo = 0;
    int m_subNo = 0;
    QHash<QString, std::optional<QString>> m_shadowVoucherNos;
};

Status executeAll(Database &db, const QStringList &statements)
{
    for (const QString &statement : statements) {
        if (Status done = db.execute(statement); !done)
            return done;
    }
    return {};
}

QString TransferRun::transferredVouchers() const
{
    return QStringLiteral("(select VoucherNo from  ") + m_voucherTable + QStringLiteral(" where CompanyCode='")
           + m_destination + QStringLiteral("' and IsNull(OldVoucherNo,'0') <> 0 and VoucherDt between '") + m_from
           + QStringLiteral("' and '") + m_to + QStringLiteral("')");
}

Status TransferRun::ClearOldRecords()
{
    caption(QStringLiteral("Transfer    [ Clear Old Records...]"));
    const QString logInto = QStringLiteral(
        "insert into accdelvoucher (companycode,actype,voucherno,ledgercode,aid,type,tsid,tranyear) "
        "select a.companycode,a.actype,a.voucherno,a.ledgercode,ledm.aid,");
    // Every row that is deleted below is logged, also one whose ledger is not in the ledger master.
    const QString ledgerJoin = QStringLiteral(" a left join accledgermaster ledm on a.ledgercode=ledm.ledgercode "
                                              "where a.CompanyCode='")
                               + m_destination + QLatin1Char('\'');
    return executeAll(m_db, {
        logInto + QStringLiteral("'V' type,a.tsid,'") + m_year + QStringLiteral("' tranyear from ") + m_voucherTable
            + ledgerJoin + QStringLiteral(" and IsNull(OldVoucherNo,'0') <> 0 and a.VoucherDt between '") + m_from
            + QStringLiteral("' and '") + m_to + QLatin1Char('\''),
        logInto + QStringLiteral("'P' type,a.slno,'") + m_year + QStringLiteral("' tranyear from accpending")
            + ledgerJoin + QStringLiteral(" and a.VoucherNo in ") + transferredVouchers(),
        logInto + QStringLiteral("'C' type,a.slno,tranyear from accchequedetails") + ledgerJoin
            + QStringLiteral(" and VoucherNo in ") + transferredVouchers(),
        QStringLiteral("delete from Accpending where CompanyCode='") + m_destination
            + QStringLiteral("' and VoucherNo in ") + transferredVouchers(),
        QStringLiteral("delete from AccChequeDetails where CompanyCode='") + m_destination
            + QStringLiteral("' and VoucherNo in ") + transferredVouchers(),
        QStringLiteral("delete from ") + m_voucherTable + QStringLiteral(" where CompanyCode='") + m_destination
            + QStringLiteral("' and IsNull(OldVoucherNo,'0') <> 0 and  VoucherDt between '") + m_from
            + QStringLiteral("' and '") + m_to + QLatin1Char('\''),
    });
}

Status TransferRun::InsertRecordstoShadow()
{
    if (Status done = copyDivisions(); !done)
        return done;
    if (Status done = copyVouchers(); !done)
        return done;
    if (Status done = copyBillwise(); !done)
        return done;
    return copyCheques();
}

Status TransferRun::copyDivisions()
{
    caption(QStringLiteral("Transfer    [ Transfer Division Details...]"));
    const Status done = m_db.execute(
        QStringLiteral("INSERT INTO ACCDIVISIONMASTER(CompanyCode,DivisionCode,DivisionName) select '") + m_destination
        + QStringLiteral("' as CompanyCode,DivisionCode,DivisionName from AccDivisionMaster where CompanyCode='")
        + m_source + QStringLiteral("' and DivisionCode not in ")
        + QStringLiteral("(select DivisionCode from AccDivisionMaster where CompanyCode='") + m_destination
        + QStringLiteral("')"));
    if (!done)
        return done;
    // A component that cannot be created is reported here; its first numbering then fails.
    AccountsObjectCreation(m_session);
    return {};
}

Status TransferRun::startVoucher(SourceRow &row)
{
    AccountsComponent *accounts = m_session.AccountsObject.get();
    if (!accounts)
        return missingComponentError();
    const int company = m_destination.toInt();
    const Outcome<int> voucherNo = accounts->GetMaxVoucherNo(m_voucherTable, company);
    if (!voucherNo)
        return voucherNo.error();
    // Rows under a number that is no voucher number could never be told apart.
    if (*voucherNo <= 0) {
        return Error{kRefusedValue, QStringLiteral("No voucher number was given for voucher %1 of company %2 "
                                                   "(the accounts component answered %3); nothing was transferred.")
                                        .arg(row.text(QStringLiteral("VoucherNo")), m_destination)
                                        .arg(*voucherNo)};
    }
    const Outcome<int> subNo = accounts->GetMaxSubVNo(row.text(QStringLiteral("VoucherCode")).toInt(), company,
                                                      row.text(QStringLiteral("AcType")).toInt(), m_year);
    if (!subNo)
        return subNo.error();
    m_voucherNo = *voucherNo;
    m_subNo = *subNo;
    const QString voucherCode = row.raw(QStringLiteral("VoucherCode"));
    if (Status written = row.takeStatus(); !written)
        return refused(written.error().description);
    return executeAll(m_db, {
        QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=") + QString::number(m_voucherNo)
            + QStringLiteral(" where CompanyCode='") + m_destination + QLatin1Char('\''),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=") + QString::number(m_subNo)
            + QStringLiteral(" where VoucherCode=") + voucherCode
            + QStringLiteral(" and CompanyCode='") + m_destination + QStringLiteral("' and TranYear='") + m_year
            + QLatin1Char('\''),
    });
}

Status TransferRun::copyVouchers()
{
    caption(QStringLiteral("Transfer    [ Transfer Voucher Details...]"));
    auto rs = m_db.openRecordset(QStringLiteral("select * from  ") + m_voucherTable
                                 + QStringLiteral(" where CompanyCode='") + m_source
                                 + QStringLiteral("' and VoucherDt between '") + m_from + QStringLiteral("' and '")
                                 + m_to + QStringLiteral("' order by VoucherCode,voucherno"));
    if (!rs)
        return rs.error();
    if (!rs->eof() && m_feedback.showProgress)
        m_feedback.showProgress();
    SourceRow row(*rs, m_voucherTable, QStringLiteral("tsid"));
    std::optional<QString> previous;
    for (; !rs->eof(); rs->moveNext()) {
        const QString sourceNo = row.number(QStringLiteral("VoucherNo"));
        if (Status read = row.takeStatus(); !read)
            return refused(read.error().description);
        // A row without a voucher number of its own would be copied as the shadow's own row,
        // which a later transfer of the period could no longer clear.
        if (row.isNull(QStringLiteral("VoucherNo")) || sourceNo.toDouble() <= 0) {
            return Error{kRefusedValue, QStringLiteral("A voucher row of voucher code %1 dated %2 has no voucher "
                                                       "number (%3); nothing was transferred.")
                                            .arg(row.text(QStringLiteral("VoucherCode")),
                                                 row.text(QStringLiteral("VoucherDt")),
                                                 row.isNull(QStringLiteral("VoucherNo"))
                                                     ? QStringLiteral("NULL")
                                                     : row.text(QStringLiteral("VoucherNo")))};
        }
        if (previous != sourceNo) {
            if (Status started = startVoucher(row); !started)
                return started;
        }
        const QString opposite = row.isNull(QStringLiteral("OppLedgerCode")) ? row.raw(QStringLiteral("LedgerCode"))
                                                                              : row.number(QStringLiteral("OppLedgerCode"));
        const QStringList values = {
            sqlQuoted(m_destination),
            row.quoted(QStringLiteral("DivisionCode")),
            row.raw(QStringLiteral("AcType")),
            QString::number(m_voucherNo),
            row.date(QStringLiteral("VoucherDt")),
            row.raw(QStringLiteral("LedgerCode")),
            row.quoted(QStringLiteral("CrDr")),
            row.number(QStringLiteral("Amount")),
            row.number(QStringLiteral("VoucherCode")),
            row.quoted(QStringLiteral("Narration")),
            row.quoted(QStringLiteral("IsVoucherScr")),
            opposite,
            QString::number(m_subNo),
            row.number(QStringLiteral("VoucherSlnoOld")),
            row.quoted(QStringLiteral("BillRefNo")),
            sourceNo,
            row.quoted(QStringLiteral("Counter")),
            QStringLiteral("getdate()"),
            row.quoted(QStringLiteral("AID")),
            row.quoted(QStringLiteral("OppAID")),
        };
        if (Status written = row.takeStatus(); !written)
            return refused(written.error().description);
        const Status inserted = m_db.execute(
            QStringLiteral("insert into ") + m_voucherTable
            + QStringLiteral("(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,")
            + QStringLiteral("VoucherCode,Narration,IsVoucherScr,OppLedgerCode,VoucherSlno,VoucherSlnoOld,BillRefNo,"
                             "OldVoucherNo,Counter,TS,AID,OppAID) values(")
            + values.join(QLatin1Char(',')) + QLatin1Char(')'));
        if (!inserted)
            return inserted;
        previous = sourceNo;
        advance();
    }
    return {};
}

Outcome<std::optional<QString>> TransferRun::shadowVoucherNo(const QString &sourceVoucherNo)
{
    if (const auto known = m_shadowVoucherNos.constFind(sourceVoucherNo); known != m_shadowVoucherNos.cend())
        return *known;
    auto rs = m_db.openRecordset(QStringLiteral("select VoucherNo from ") + m_voucherTable
                                 + QStringLiteral(" where CompanyCode='") + m_destination
                                 + QStringLiteral("' and OldVoucherno=") + sourceVoucherNo);
    if (!rs)
        return rs.error();
    std::optional<QString> shadowNo;
    if (!rs->eof()) {
        auto number = leadingNumberLiteral(rs->value(0), QStringLiteral("The shadow voucher number"));
        if (!number)
            return number.error();
        shadowNo = *number;
    }
    m_shadowVoucherNos.insert(sourceVoucherNo, shadowNo);
    return shadowNo;
}

Outcome<std::optional<QString>> TransferRun::linkedVoucherNo(const Recordset &rs, const SourceRow &row)
{
    const QVariant sourceNo = rs.value(QStringLiteral("VoucherNo"));
    // A row that names no voucher belongs to no copied voucher; 0 and below are no voucher
    // numbers either, and would tie the row to the shadow company's own rows.
    if (sourceNo.isNull() || sourceNo.toString().trimmed().isEmpty())
        return std::optional<QString>();
    const auto literal = numberLiteral(sourceNo, row.describe(QStringLiteral("VoucherNo")));
    if (!literal)
        return refused(literal.error().description);
    if (literal->toDouble() <= 0)
        return std::optional<QString>();
    return shadowVoucherNo(*literal);
}

Status TransferRun::copyLinkedRows(const QString &table, const QString &select, const QString &insertInto,
                                   const RowValues &values)
{
    auto rs = m_db.openRecordset(select);
    if (!rs)
        return rs.error();
    SourceRow row(*rs, table, QStringLiteral("slno"));
    for (; !rs->eof(); rs->moveNext()) {
        const auto voucherNo = linkedVoucherNo(*rs, row);
        if (!voucherNo)
            return voucherNo.error();
        if (voucherNo->has_value()) {
            const QStringList list = values(row, **voucherNo);
            if (Status written = row.takeStatus(); !written)
                return refused(written.error().description);
            if (Status inserted = m_db.execute(insertInto + list.join(QLatin1Char(',')) + QLatin1Char(')'));
                !inserted)
                return inserted;
        }
        advance();
    }
    return {};
}

Status TransferRun::copyBillwise()
{
    caption(QStringLiteral("Transfer    [ Transfer Billwise Outstanding Details ...]"));
    return copyLinkedRows(
        QStringLiteral("AccPending"),
        QStringLiteral("select *  from AccPending where CompanyCode='") + m_source
            + QStringLiteral("' and TransDate between '") + m_from + QStringLiteral("' and '") + m_to
            + QLatin1Char('\''),
        QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,"
                       "BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,CrDr,TransType,OnAcNo,VoucherCode,Payable,"
                       "VolumeDisc,CashDisc,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,"
                       "OppAID) values ("),
        [this](SourceRow &row, const QString &voucherNo) {
            return QStringList{
                sqlQuoted(m_destination),
                row.quoted(QStringLiteral("DivisionCode")),
                row.raw(QStringLiteral("AcType")),
                row.raw(QStringLiteral("LedgerCode")),
                voucherNo,
                row.quoted(QStringLiteral("BillRefNo")),
                row.date(QStringLiteral("BillDate")),
                row.number(QStringLiteral("BillAmount")),
                row.quoted(QStringLiteral("InvoiceNo")),
                row.number(QStringLiteral("MRC_Amt")),
                row.number(QStringLiteral("DiscAmt")),
                row.quoted(QStringLiteral("CrDr")),
                row.quoted(QStringLiteral("TransType")),
                row.number(QStringLiteral("OnAcNo")),
                row.number(QStringLiteral("VoucherCode")),
                row.number(QStringLiteral("Payable")),
                row.number(QStringLiteral("VolumeDisc")),
                row.number(QStringLiteral("CashDisc")),
                row.date(QStringLiteral("TransDate")),
                row.number(QStringLiteral("VoucherSlno")),
                row.number(QStringLiteral("TransSlno")),
                row.number(QStringLiteral("OppLedgerCode")),
                row.quoted(QStringLiteral("Remarks")),
                row.quoted(QStringLiteral("IsPaid")),
                QStringLiteral("getdate()"),
                row.quoted(QStringLiteral("AID")),
                row.quoted(QStringLiteral("OppAID")),
            };
        });
}

Status TransferRun::copyCheques()
{
    caption(QStringLiteral("Transfer    [ Transfer Cheque Details...]"));
    return copyLinkedRows(
        QStringLiteral("AccChequeDetails"),
        QStringLiteral("select * from AccChequeDetails where CompanyCode='") + m_source
            + QStringLiteral("' and ReceiveDate between '") + m_from + QStringLiteral("' and '") + m_to
            + QLatin1Char('\''),
        QStringLiteral("insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,"
                       "ReceiveDate,DepositDate,ChequeDate,ClearDate,Status,BankName,Branch,DivisionCode,AcType,"
                       "VoucherCode,LedgerCode1,Narration,RefVoucherNo,ChequePrinted,OldRefVoucherNo,TS,AID,AID1) "
                       "values ("),
        [this](SourceRow &row, const QString &voucherNo) {
            return QStringList{
                sqlQuoted(m_destination),
                row.raw(QStringLiteral("LedgerCode")),
                voucherNo,
                row.trimmed(QStringLiteral("ChequeNo")),
                row.number(QStringLiteral("ChequeAmount")),
                row.date(QStringLiteral("ReceiveDate")),
                row.date(QStringLiteral("DepositDate")),
                row.date(QStringLiteral("ChequeDate")),
                row.date(QStringLiteral("ClearDate")),
                row.trimmed(QStringLiteral("Status")),
                row.trimmed(QStringLiteral("BankName")),
                row.trimmed(QStringLiteral("Branch")),
                row.number(QStringLiteral("DivisionCode")),
                row.number(QStringLiteral("AcType")),
                row.number(QStringLiteral("VoucherCode")),
                row.number(QStringLiteral("LedgerCode1")),
                row.trimmed(QStringLiteral("Narration")),
                sqlQuoted(row.number(QStringLiteral("RefVoucherNo"))),
                row.trimmed(QStringLiteral("ChequePrinted")),
                row.number(QStringLiteral("OldRefVoucherNo")),
                QStringLiteral("getdate()"),
                row.trimmed(QStringLiteral("AID")),
                row.trimmed(QStringLiteral("AID1")),
            };
        });
}

} // namespace

Outcome<TransferEnd> RunTransfer(Session &session, const TransferRequest &request, const TransferFeedback &feedback)
{
    if (!session.db())
        return closedConnectionError();
    TransactionGuard transaction(*session.db());
    if (Status begun = transaction.begin(); !begun)
        return begun.error();

    TransferRun run(session, request, feedback);
    Status done = run.ClearOldRecords();
    if (done)
        done = run.InsertRecordstoShadow();
    if (!done) {
        // The report's box waits for the user: the database's locks must not wait with it.
        transaction.rollback();
        session.ReportError(done.error(), kToolsWindowName, kProcedure, true);
        return TransferEnd::Stopped;
    }
    // The caption tells the user the copy is kept, so it waits for the commit.
    if (Status committed = transaction.commit(); !committed)
        return committed.error();
    if (feedback.caption)
        feedback.caption(QStringLiteral("Transfer    [ Completed ]"));
    CloseAccountsObject(session);
    return TransferEnd::Completed;
}

} // namespace vant
