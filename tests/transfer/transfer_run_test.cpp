#include "transfer_fixture.h"

#include "session/error_report.h"
#include "support/accounts_watch.h"
#include "transfer/transfer_job.h"

#include <sqlite3.h>

#include <chrono>
#include <future>
#include <thread>

#include "support/test_server.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class TransferRunTest : public TransferFixture
{
protected:
    // Company 1's vouchers of April and May with their bill-wise and cheque rows, and one of company
    // 3: transfer_run_seed.sql.
    TransferRunTest() { seed("transfer_run_seed.sql"); }
};

// The rows a transfer leaves, first and repeated, are pinned by the golden transfers; here, that a
// run ends without a box and leaves no accounts component behind. A company that was posted into
// holds posted vouchers that carry their off-line number: they are its own, and a transfer into it
// neither clears them nor files rows under them.
TEST_F(TransferRunTest, PostedVouchersOfTheShadowAreNotTransferredOnes)
{
    const AccountsWatch accounts(session);
    const auto end = transfer();
    ASSERT_TRUE(bool(end)) << end.error().description.toStdString();
    EXPECT_EQ(*end, TransferEnd::Completed);
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_FALSE(accounts.live());
    seed("posted_into_shadow.sql");

    ASSERT_TRUE(bool(transfer()));

    EXPECT_EQ(rows(u"select VoucherNo,Narration from accvoucher2026 where CompanyCode=2 and VoucherNo=50"_s),
              QStringList({u"50|Posted"_s, u"50|Posted"_s}));
    EXPECT_EQ(rows(u"select count(*) from accdelvoucher where voucherno=50"_s), QStringList({u"0"_s}));
    // Source voucher 11's bill-wise row follows its new copy, not the posted voucher.
    EXPECT_EQ(rows(u"select VoucherNo,Remarks from AccPending where CompanyCode=2 order by slno"_s),
              QStringList({u"50|Posted bill"_s, u"4|Bill"_s, u"6|Anand's bill"_s}));
    EXPECT_EQ(rows(u"select count(distinct VoucherNo) from accvoucher2026 where CompanyCode=2"_s),
              QStringList({u"4"_s}));
}

// The bar's maximum: the period's rows of the three kinds, at most 200000. The deletion log holds
// every row the clearing deletes, also one whose ledger has left the ledger master since it was
// copied.
TEST_F(TransferRunTest, RowCountAndTheDeletionLogHoldEveryRow)
{
    VANT_SQLITE_ONLY("reads the log in SQLite's row order and makes rows with SQLite's recursive query");
    const TransferRequest april{u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)};
    EXPECT_EQ(*TransferJob(session, april).rowCount(), 7 + 4 + 3);
    ASSERT_TRUE(bool(transfer()));
    exec({u"delete from accledgermaster where ledgercode in (301, 102)"_s});
    ASSERT_TRUE(bool(transfer()));

    EXPECT_EQ(rows(u"select type,voucherno,ledgercode,ifnull(aid,'NULL') from accdelvoucher order by rowid"_s),
              QStringList({u"V|1|101|9101"_s, u"V|1|201|9201"_s, u"V|1|301|NULL"_s, u"V|2|102|NULL"_s,
                           u"V|2|201|9201"_s, u"V|3|401|9401"_s, u"V|3|201|9201"_s, u"P|1|401|9401"_s,
                           u"P|3|401|9401"_s, u"C|2|102|NULL"_s, u"C|3|102|NULL"_s}));

    exec({u"with recursive n(i) as (select 1 union all select i+1 from n where i<200001) "
          "insert into AccPending(CompanyCode,TransDate) select 1,'2026-04-11' from n"_s});
    EXPECT_EQ(*TransferJob(session, april).rowCount(), 200000);
}

// Held codes are read as the numbers they are: a code that holds none names no company, and
// one pasted between quotes would have named every company. The destination is cleared of its
// transferred vouchers: the source company's own are not to be cleared.
TEST_F(TransferRunTest, ACompanyCodeThatIsNoNumberNamesNoCompany)
{
    const QDate from(2026, 4, 1), to(2026, 4, 30);
    const auto source = *TransferJob(session, {u"1"_s, u" 1"_s, from, to}).check();
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(source->message, u"Destination Company must be a Shadow Company, not the Source Company");
    EXPECT_EQ(source->focus, ToolsField::DestinationCompany);
    EXPECT_FALSE(TransferJob(session, {u"1"_s, u"2"_s, from, to}).check()->has_value());

    const auto refusal = *TransferJob(session, {u"1"_s, u"2' or '1'='1"_s, from, to}).check();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, u"Destination Company Not Correct");
    EXPECT_EQ((*TransferJob(session, {u"1 or 1=1"_s, u"2"_s, from, to}).check())->message,
              u"Parent Company Not Correct");
    EXPECT_FALSE(TransferJob(session, {u" 1"_s, u"2 "_s, from, to}).check()->has_value());

    const QStringList before = snapshot();
    const auto end = TransferJob(session, {u"1"_s, u"2' or '1'='1"_s, from, to}).run({});
    ASSERT_FALSE(bool(end));
    EXPECT_EQ(end.error().description, u"The company code is not a number: \"2' or '1'='1\"."_s);
    EXPECT_EQ(snapshot(), before);
}

// Another program's job on the same embedded database: it takes the write lock, writes, and
// keeps the lock for a while before it commits.
class OtherJob
{
public:
    OtherJob(const QString &path, std::chrono::milliseconds hold)
    {
        m_thread = std::thread([this, file = path.toStdString(), hold] {
            sqlite3 *db = nullptr;
            sqlite3_open(file.c_str(), &db);
            sqlite3_exec(db, "BEGIN IMMEDIATE; update acccompanymaster set ts=ts", nullptr, nullptr, nullptr);
            m_holding.set_value();
            std::this_thread::sleep_for(hold);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        });
        m_holding.get_future().wait();
    }
    ~OtherJob() { m_thread.join(); }

private:
    std::promise<void> m_holding;
    std::thread m_thread;
};

// A second job waits for the first within the busy timeout; past it, it fails saying so, and
// nothing of it is written.
TEST_F(TransferRunTest, ASecondJobWaitsForTheFirstOrSaysAnotherHoldsTheDatabase)
{
    {
        const OtherJob other(database.path(), std::chrono::milliseconds(600));
        const auto end = transfer();
        ASSERT_TRUE(bool(end)) << end.error().description.toStdString();
        EXPECT_EQ(*end, TransferEnd::Completed);
    }
    const QStringList before = snapshot();
    const OtherJob other(database.path(), std::chrono::milliseconds(6000));
    const auto end = transfer();
    ASSERT_FALSE(bool(end));
    EXPECT_EQ(end.error().description, u"Another job holds the database and did not finish within 5 seconds; "
                                       "nothing was changed. Try again when it has finished."_s);
    EXPECT_EQ(snapshot(), before);
}

// A failure rolls everything back: the clearing of the earlier copy and its log, the divisions,
// the counters and whatever was copied before it. The failures of the copied values are those
// of the golden failures, unreadable counters those of the stored-value sweep; here, counters
// below 0 in the shadow company.
TEST_F(TransferRunTest, FailedRunLeavesTheDatabaseAsBeforeAndReportsWhy)
{
    ASSERT_TRUE(bool(transfer()));
    seed("shadow_own_line.sql");
    exec({u"delete from accdivisionmaster where CompanyCode=2"_s});
    const auto refused = [](const QString &why) { return Error{-2147220991, why + u"; nothing was transferred."_s}; };
    const QString noNumber =
        u"No voucher number was given for voucher 11 of company 2 (the accounts component answered "_s;
    const struct
    {
        QString setup, undo;
        Error reported;
    } cases[] = {
        // A counter below 0 would hand out 0 and the numbers below it.
        {u"update acccompanymaster set Voucherno=-1 where CompanyCode=2"_s,
         u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s, refused(noNumber + u"0)"_s)},
        {u"update acccompanymaster set Voucherno=-5 where CompanyCode=2"_s,
         u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s, refused(noNumber + u"-4)"_s)},
    };
    // The report's box comes after the rollback: it must not hold the database while it waits.
    QList<bool> transactionOpenAtBox;
    prompts.beforeMessage = [&] { transactionOpenAtBox << db().inTransaction(); };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setup.toStdString());
        exec({c.setup});
        const QStringList before = snapshot();
        prompts.clear();
        const auto end = transfer();
        EXPECT_TRUE(end && *end == TransferEnd::Stopped);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(prompts.texts(), QStringList({errorReportMessage(c.reported)}));
        EXPECT_EQ(transactionOpenAtBox.takeLast(), false);
        EXPECT_EQ(logLines().mid(logLines().size() - 2),
                  QStringList({u"ErrMessage : "_s + c.reported.description,
                               u"ErrForm : frmVantTools    ErrEvent : InsertRecordstoShadow"_s}));
        exec({c.undo});
    }
}

// A long period is copied a batch of rows per statement: a few statements per thousand rows,
// the bar moving by batch, the numbers as voucher by voucher.
TEST_F(TransferFixture, ALongPeriodIsCopiedInBatchesOfFewStatements)
{
    VANT_SQLITE_ONLY("makes its rows with SQLite's recursive query");
    constexpr int kVouchers = 3500;
    exec({u"with recursive n(i) as (select 2 union all select i+1 from n where i<%1) "
          "insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,"
          "CrDr,Amount,VoucherCode,Narration) select 1,1,2,i/2,date('2026-04-01',(i%30)||' days'),"
          "case i%2 when 0 then 101 else 201 end,null,'D',i,1+i%2,'Line '||i from n"_s.arg(2 * kVouchers + 1),
          u"insert into AccPending(CompanyCode,AcType,LedgerCode,VoucherNo,TransDate) select 1,2,401,VoucherNo,"
          "VoucherDt from accvoucher2026 where CompanyCode=1 and LedgerCode=101"_s});
    int batches = 0;
    const TransferFeedback feedback{{}, {}, [&](int rows) {
                                        advances += rows;
                                        ++batches;
                                    }};
    const int before = db().statementCount();

    const auto end = TransferJob(session, {u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)}).run(feedback);

    ASSERT_TRUE(end && *end == TransferEnd::Completed);
    const int statements = db().statementCount() - before;
    EXPECT_LE(statements * 1000, 20 * 3 * kVouchers) << statements;
    EXPECT_EQ(advances, 3 * kVouchers);
    EXPECT_GE(batches, 3);
    // Code 1 holds the odd lines of each voucher, code 2 the even ones: two vouchers per source voucher.
    EXPECT_EQ(rows(u"select count(distinct VoucherNo),min(VoucherNo),max(VoucherNo),max(VoucherSlno) from "
                   "accvoucher2026 where CompanyCode=2"_s),
              QStringList({u"7000|1|7000|3500"_s}));
    EXPECT_EQ(rows(u"select count(*) from AccPending p join accvoucher2026 v on v.CompanyCode=2 and "
                   "v.VoucherNo=p.VoucherNo and v.LedgerCode=101 where p.CompanyCode=2"_s),
              QStringList({u"3500"_s}));
    EXPECT_EQ(rows(u"select Voucherno from acccompanymaster where CompanyCode=2"_s), QStringList({u"7000"_s}));
}

// Look-ups sent once per copied row must use an index, or a long period costs a full scan per row.
TEST_F(TransferFixture, PerRowStatementsUseAnIndex)
{
    VANT_SQLITE_ONLY("reads SQLite's query plans");
    const QStringList perRow = {
        u"select VoucherNo from accvoucher2026 where CompanyCode='2' and OldVoucherno=11"_s,
        u"select count(*) from accvoucher2026 where CompanyCode='2' and VoucherNo=12"_s,
        u"select isnull(VoucherSlno,0) from AccCompanyVoucherNo where CompanyCode='2' and VoucherCode=1 and "
        "TranYear='2026'"_s,
        u"update acccompanymaster set ts=getdate(),Voucherno=12 where CompanyCode='2'"_s,
    };
    for (const QString &statement : perRow) {
        const QStringList plan = rows(u"EXPLAIN QUERY PLAN "_s + statement);
        EXPECT_TRUE(!plan.isEmpty() && plan.filter(u"USING"_s) == plan && plan.filter(u"|SCAN"_s).isEmpty())
            << statement.toStdString() << "\n"
            << plan.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
} // namespace vant::test
