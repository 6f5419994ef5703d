#include "transfer_job.h"

#include "db/insert_statement.h"
#include "db/sql_literals.h"
#include "db/work_table.h"
#include "linked_copy.h"
#include "session/accounts_guard.h"
#include "session/session.h"
#include "transfer_scope.h"
#include "transferred_rows.h"
#include "voucher_copy.h"

#include <QCoreApplication>

namespace vant {

namespace {

const QString kProcedure = QStringLiteral("InsertRecordstoShadow");

// Logs each row of the select `rest` (alias a, its ledger ledm) in the deletion log: its kind,
// the id of the row and the year as the select writes them.
QString logDeleted(const QString &kind, const QString &rowId, const QString &year, const QString &rest)
{
    return InsertStatement(QStringLiteral("insert into accdelvoucher "))
        .set("companycode", QStringLiteral("a.companycode"))
        .set("actype", QStringLiteral("a.actype"))
        .set("voucherno", QStringLiteral("a.voucherno"))
        .set("ledgercode", QStringLiteral("a.ledgercode"))
        .set("aid", QStringLiteral("ledm.aid"))
        .set("type", QLatin1Char('\'') + kind + QStringLiteral("' type"))
        .set("tsid", rowId)
        .set("tranyear", year)
        .select(rest);
}

class TransferRun
{
public:
    TransferRun(Session &session, AccountsGuard &accounts, const TransferRequest &request,
                const TransferFeedback &feedback)
        : m_scope{accounts,
                  *session.db(),
                  feedback,
                  request.source(),
                  request.destination(),
                  sqlDate(request.from),
                  sqlDate(request.to),
                  session.voucherTable,
                  session.financialYear}
    {}

    Status ClearOldRecords();
    Status InsertRecordstoShadow();

private:
    QString transferredVouchers() const;
    Status copyDivisions();

    const TransferScope m_scope;
};

QString TransferRun::transferredVouchers() const
{
    return QStringLiteral("(select VoucherNo from  ") + m_scope.voucherTable + QStringLiteral(" where CompanyCode=")
           + sqlQuoted(m_scope.destination) + QStringLiteral(" and ") + transferredRow()
           + QStringLiteral(" and VoucherDt between '")
           + m_scope.from + QStringLiteral("' and '") + m_scope.to + QStringLiteral("')");
}

Status TransferRun::ClearOldRecords()
{
    m_scope.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Clear Old Records...]"));
    const QString year = QLatin1Char('\'') + m_scope.year + QStringLiteral("' tranyear");
    // Every row that is deleted below is logged, also one whose ledger is not in the ledger master.
    const QString ledgerJoin = QStringLiteral(" a left join accledgermaster ledm on a.ledgercode=ledm.ledgercode "
                                              "where a.CompanyCode=")
                               + sqlQuoted(m_scope.destination);
    return executeAll(
        m_scope.db,
        {
            logDeleted(QStringLiteral("V"), QStringLiteral("a.tsid"), year,
                       QStringLiteral(" from ") + m_scope.voucherTable + ledgerJoin
                           + QStringLiteral(" and ") + transferredRow(QStringLiteral("a"))
                           + QStringLiteral(" and a.VoucherDt between '")
                           + m_scope.from + QStringLiteral("' and '") + m_scope.to + QLatin1Char('\'')),
            logDeleted(QStringLiteral("P"), QStringLiteral("a.slno"), year,
                       QStringLiteral(" from accpending") + ledgerJoin + QStringLiteral(" and a.VoucherNo in ")
                           + transferredVouchers()),
            // A cheque row keeps the year it was written in.
            logDeleted(QStringLiteral("C"), QStringLiteral("a.slno"), QStringLiteral("tranyear"),
                       QStringLiteral(" from accchequedetails") + ledgerJoin + QStringLiteral(" and VoucherNo in ")
                           + transferredVouchers()),
            QStringLiteral("delete from Accpending where CompanyCode=") + sqlQuoted(m_scope.destination)
                + QStringLiteral(" and VoucherNo in ") + transferredVouchers(),
            QStringLiteral("delete from AccChequeDetails where CompanyCode=") + sqlQuoted(m_scope.destination)
                + QStringLiteral(" and VoucherNo in ") + transferredVouchers(),
            QStringLiteral("delete from ") + m_scope.voucherTable + QStringLiteral(" where CompanyCode=")
                + sqlQuoted(m_scope.destination) + QStringLiteral(" and ") + transferredRow()
                + QStringLiteral(" and  VoucherDt between '")
                + m_scope.from + QStringLiteral("' and '") + m_scope.to + QLatin1Char('\''),
        });
}

Status TransferRun::InsertRecordstoShadow()
{
    if (Status done = copyDivisions(); !done)
        return done;
    m_scope.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Transfer Voucher Details...]"));
    if (Status done = copyVouchers(m_scope); !done)
        return done;
    if (Status done = copyBillwise(m_scope); !done)
        return done;
    return copyCheques(m_scope);
}

Status TransferRun::copyDivisions()
{
    m_scope.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Transfer Division Details...]"));
    const Status done = m_scope.db.execute(
        InsertStatement(QStringLiteral("INSERT INTO ACCDIVISIONMASTER"))
            .set("CompanyCode", sqlQuoted(m_scope.destination) + QStringLiteral(" as CompanyCode"))
            .set("DivisionCode", QStringLiteral("DivisionCode"))
            .set("DivisionName", QStringLiteral("DivisionName"))
            .select(QStringLiteral(" from AccDivisionMaster where CompanyCode=") + sqlQuoted(m_scope.source)
                    + QStringLiteral(" and DivisionCode not in (select DivisionCode from AccDivisionMaster where "
                                     "CompanyCode=")
                    + sqlQuoted(m_scope.destination) + QStringLiteral(")")));
    if (!done)
        return done;
    // A component that cannot be created is reported here; its first numbering then fails.
    m_scope.accounts.AccountsObjectCreation();
    return {};
}

} // namespace

Outcome<TransferEnd> TransferJob::run(const TransferFeedback &feedback)
{
    Session &session = m_session;
    if (!session.db())
        return closedConnectionError();
    // Each statement selects the companies' rows by their codes: only whole numbers name one.
    for (const QString &held : {m_request.sourceCode, m_request.destinationCode}) {
        if (const Outcome<QString> code = companyCodeOf(held, QStringLiteral("The company code")); !code)
            return code.error();
    }
    TransactionGuard transaction(*session.db());
    if (Status begun = transaction.begin(); !begun)
        return begun.error();

    // Created once the divisions are copied, released when the run ends.
    AccountsGuard accounts(session);
    TransferRun run(session, accounts, m_request, feedback);
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
        feedback.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Completed ]"));
    return TransferEnd::Completed;
}

} // namespace vant
