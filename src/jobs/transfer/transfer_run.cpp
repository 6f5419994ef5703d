#include "transfer_job.h"

#include "db/sql_literals.h"
#include "db/statement_text.h"
#include "db/work_table.h"
#include "linked_copy.h"
#include "session/accounts_guard.h"
#include "session/session.h"
#include "transfer_scope.h"
#include "transferred_rows.h"
#include "voucher_copy.h"

#include <QCoreApplication>

namespace vant {

using namespace Qt::StringLiterals;

namespace {

const QString kProcedure = QStringLiteral("InsertRecordstoShadow");

// The copies that an earlier transfer of the period wrote into the shadow company, and the rows
// that follow them, go; each is logged in the deletion log first, also one whose ledger is not in
// the ledger master: its kind, the id of the row and the year (a cheque row keeps the year it
// was written in). The copies' rows are read once, in the order of the period's index (Seq),
// with what the log keeps of them; their voucher numbers are listed once each.
const char16_t kOldCopy[] = uR"(
    insert into {old}(Tsid,CompanyCode,AcType,VoucherNo,LedgerCode)
    select tsid,CompanyCode,AcType,VoucherNo,LedgerCode from {table}
    where CompanyCode={destination} and {transferred} and VoucherDt between {from} and {to}
    order by VoucherDt,tsid)";

const char16_t kOldVoucherNos[] = uR"(
    insert into {oldNos}(VoucherNo) select VoucherNo from {old} where VoucherNo is not null group by VoucherNo)";

const char16_t kCopiedVouchers[] = u"(select VoucherNo from {oldNos})";

const char16_t kLogDeletedCopies[] = uR"(
    insert into accdelvoucher (companycode,actype,voucherno,ledgercode,aid,type,tsid,tranyear)
    select o.CompanyCode,o.AcType,o.VoucherNo,o.LedgerCode,ledm.aid,'V' type,o.Tsid,{year}
    from {old} o left join accledgermaster ledm on o.LedgerCode=ledm.ledgercode
    order by o.Seq)";

const char16_t kLogDeleted[] = uR"(
    insert into accdelvoucher (companycode,actype,voucherno,ledgercode,aid,type,tsid,tranyear)
    select a.companycode,a.actype,a.voucherno,a.ledgercode,ledm.aid,'{kind}' type,a.slno,{year}
    from {rows} a left join accledgermaster ledm on a.ledgercode=ledm.ledgercode
    where a.CompanyCode={destination} and a.VoucherNo in {copies})";

const char16_t kClearLinked[] = u"delete from {rows} where CompanyCode={destination} and VoucherNo in {copies}";

// Deleted in the order of their ids, which is the order in which the table keeps them.
const char16_t kClearVouchers[] = u"delete from {table} where tsid in (select Tsid from {old})";

// The source company's divisions that the shadow company lacks.
const char16_t kCopyDivisions[] = uR"(
    INSERT INTO ACCDIVISIONMASTER(CompanyCode,DivisionCode,DivisionName)
    select {destination} as CompanyCode,DivisionCode,DivisionName from AccDivisionMaster
    where CompanyCode={source}
      and DivisionCode not in (select DivisionCode from AccDivisionMaster where CompanyCode={destination}))";

class TransferRun
{
public:
    TransferRun(Session &session, AccountsGuard &accounts, const TransferRequest &request,
                const TransferFeedback &feedback)
        : m_days(*session.db(), u"VantPeriodDays"_s, u"Day varchar(10) collate Latin1_General_BIN2 primary key"_s),
          m_scope{
              accounts,
              *session.db(),
              feedback,
              request.source(),
              request.destination(),
              sqlDate(request.from),
              sqlDate(request.to),
              session.voucherTable,
              session.financialYear,
              m_days.name(),
          },
          m_oldCopy(*session.db(), u"VantOldCopy"_s,
                    u"Seq int identity(1,1) primary key, Tsid int unique, CompanyCode int, AcType int, "
                    "VoucherNo int, LedgerCode int"_s),
          m_oldNumbers(*session.db(), u"VantOldNumbers"_s, u"VoucherNo int primary key"_s)
    {}

    Status ClearOldRecords();
    Status InsertRecordstoShadow();

private:
    // What the statements name: the tables, the companies and the period.
    QList<Place> places() const;
    Status copyDivisions();
    Status listDays();

    WorkTable m_days;
    const TransferScope m_scope;
    WorkTable m_oldCopy;
    WorkTable m_oldNumbers;
};

QList<Place> TransferRun::places() const
{
    QList<Place> places = {
        {"table"_L1, m_scope.voucherTable},
        {"source"_L1, sqlQuoted(m_scope.source)},
        {"destination"_L1, sqlQuoted(m_scope.destination)},
        {"from"_L1, sqlQuoted(m_scope.from)},
        {"to"_L1, sqlQuoted(m_scope.to)},
        {"transferred"_L1, transferredRow()},
    };
    places.append({{"old"_L1, m_oldCopy.name()}, {"oldNos"_L1, m_oldNumbers.name()}});
    places.append({"copies"_L1, filled(kCopiedVouchers, places)});
    return places;
}

Status TransferRun::ClearOldRecords()
{
    m_scope.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Clear Old Records...]"));
    const QList<Place> places = QList<Place>{{"year"_L1, sqlQuoted(m_scope.year) + u" tranyear"_s}} + this->places();
    // A cheque row's log keeps the year it was written in: `own` places come before the others.
    const auto linked = [&places](const char16_t *text, const QString &rows, const QList<Place> &own = {}) {
        return filled(text, own + QList<Place>{{"rows"_L1, rows}} + places);
    };
    const Outcome<int> found = m_oldCopy.createFilled(filled(kOldCopy, places));
    if (!found)
        return found.error();
    // Without a copy in the period there is nothing to log or to clear.
    if (*found > 0) {
        if (Status made = m_oldNumbers.create(); !made)
            return made;
        const Status cleared = executeAll(m_scope.db, {
                                                          filled(kOldVoucherNos, places),
                                                          filled(kLogDeletedCopies, places),
                                                          linked(kLogDeleted, u"accpending"_s, {{"kind"_L1, u"P"_s}}),
                                                          linked(kLogDeleted, u"accchequedetails"_s,
                                                                 {{"kind"_L1, u"C"_s}, {"year"_L1, u"tranyear"_s}}),
                                                          linked(kClearLinked, u"Accpending"_s),
                                                          linked(kClearLinked, u"AccChequeDetails"_s),
                                                          filled(kClearVouchers, places),
                                                      });
        if (!cleared)
            return cleared;
        if (Status dropped = m_oldNumbers.drop(); !dropped)
            return dropped;
    }
    return m_oldCopy.drop();
}

Status TransferRun::InsertRecordstoShadow()
{
    if (Status done = copyDivisions(); !done)
        return done;
    m_scope.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Transfer Voucher Details...]"));
    if (Status listed = listDays(); !listed)
        return listed;
    if (Status done = copyVouchers(m_scope); !done)
        return done;
    if (Status done = copyBillwise(m_scope); !done)
        return done;
    if (Status done = copyCheques(m_scope); !done)
        return done;
    return m_days.drop();
}

// The period's days, a financial year's at most: the later days of a longer period take the
// refusal scans' full test. A day holds digits and dashes alone, which every collation compares
// alike: the table's own compares them byte by byte, the cheapest look-up.
Status TransferRun::listDays()
{
    QList<QStringList> days;
    const QDate to = QDate::fromString(m_scope.to, Qt::ISODate);
    for (QDate day = QDate::fromString(m_scope.from, Qt::ISODate); day <= to && days.size() < 366; day = day.addDays(1))
        days.append({sqlQuoted(day.toString(Qt::ISODate))});
    if (Status made = m_days.create(); !made)
        return made;
    return insertValueRows(m_scope.db, u"insert into %1(Day)"_s.arg(m_days.name()), days);
}

Status TransferRun::copyDivisions()
{
    m_scope.caption(QCoreApplication::translate("vant::TransferRun", "Transfer    [ Transfer Division Details...]"));
    const Status done = m_scope.db.execute(filled(kCopyDivisions, places()));
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
