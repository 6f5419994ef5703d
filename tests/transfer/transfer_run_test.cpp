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
    // Company 1: vouchers 11 (three lines) and 12 of code 1, voucher 5 of code 2 in April, voucher 20 in
    // May, bill-wise and cheque rows of copied and uncopied vouchers; company 3 has an April voucher.
    TransferRunTest()
    {
        const QDate day10(2026, 4, 10), day11(2026, 4, 11), day12(2026, 4, 12);
        addLine(1, 11, day10, 101, "201", "D", 300, 1);
        addLine(1, 11, day10, 201, "101", "C", 200, 1);
        addLine(1, 11, day10, 301, "101", "C", 100, 1);
        addLine(1, 5, day12, 401, "201", "D", 75, 2, u"O'Neil's; rent"_s);
        addLine(1, 5, day12, 201, "401", "C", 75, 2);
        addLine(1, 12, day11, 102, "null", "D", 50, 1);
        addLine(1, 12, day11, 201, "102", "C", 50, 1);
        addLine(1, 20, QDate(2026, 5, 10), 101, "201", "D", 40, 1);
        addLine(3, 11, day10, 101, "201", "D", 999, 1);
        addBillwise(1, 11, day10);
        addBillwise(1, 20, QDate(2026, 4, 15));
        addBillwise(1, 5, day12, u"Anand's bill"_s);
        addBillwise(1, 0, day12);
        addCheque(1, 12, day11);
        addCheque(1, 20, QDate(2026, 4, 16));
        addCheque(1, 5, day12, "null");
        exec({u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,2,'Branch')"_s,
              u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (2,2,'Own Branch')"_s});
    }
};

TEST_F(TransferRunTest, FirstTransferRenumbersVouchersAndFollowsThemWithTheirRows)
{
    VANT_SQLITE_ONLY("tells stored texts from numbers with SQLite's typeof()");
    const AccountsWatch accounts(session);
    const auto end = transfer();
    ASSERT_TRUE(bool(end)) << end.error().description.toStdString();
    EXPECT_EQ(*end, TransferEnd::Completed);
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_FALSE(accounts.live());

    // Voucher code first, then the source number; the lines of a voucher share its new number;
    // a null opposite ledger becomes the line's own.
    EXPECT_EQ(rows(u"select VoucherNo,OldVoucherNo,VoucherSlno,VoucherCode,LedgerCode,OppLedgerCode,CrDr,Amount,"
                   "VoucherDt,DivisionCode,AcType,Narration,IsVoucherScr,VoucherSlnoOld,BillRefNo,Counter,AID,OppAID "
                   "from accvoucher2026 where CompanyCode=2 order by tsid"_s),
              QStringList({u"1|11|1|1|101|201|D|300|2026-04-10|1|2|Sale|Y|3|BR-1|C1|9101|9201"_s,
                           u"1|11|1|1|201|101|C|200|2026-04-10|1|2|Sale|Y|3|BR-1|C1|9201|9201"_s,
                           u"1|11|1|1|301|101|C|100|2026-04-10|1|2|Sale|Y|3|BR-1|C1|9301|9201"_s,
                           u"2|12|2|1|102|102|D|50|2026-04-11|1|2|Sale|Y|3|BR-1|C1|9102|9201"_s,
                           u"2|12|2|1|201|102|C|50|2026-04-11|1|2|Sale|Y|3|BR-1|C1|9201|9201"_s,
                           u"3|5|1|2|401|201|D|75|2026-04-12|1|2|O'Neil's; rent|Y|3|BR-1|C1|9401|9201"_s,
                           u"3|5|1|2|201|401|C|75|2026-04-12|1|2|Sale|Y|3|BR-1|C1|9201|9201"_s}));
    EXPECT_EQ(rows(u"select Voucherno from acccompanymaster where CompanyCode=2"_s), QStringList({u"3"_s}));
    EXPECT_EQ(rows(u"select VoucherCode,TranYear,VoucherSlno from AccCompanyVoucherNo where CompanyCode=2 "
                   "order by VoucherCode"_s),
              QStringList({u"1|2026|2"_s, u"2|2026|1"_s}));

    // Rows of voucher 20 (not in the period) and the row without a voucher are skipped.
    EXPECT_EQ(rows(u"select VoucherNo,LedgerCode,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,CrDr,"
                   "TransType,OnAcNo,VoucherCode,Payable,VolumeDisc,CashDisc,TransDate,VoucherSlno,TransSlno,"
                   "OppLedgerCode,Remarks,IsPaid,AID,OppAID,DivisionCode,AcType from AccPending where CompanyCode=2 "
                   "order by slno"_s),
              QStringList({u"1|401|BR-11|2026-04-10|250.5|INV-11|10|2.25|D|SAL|0|1|248.25|0|1|2026-04-10|7|1|201|"
                           "Bill|N|9401|9201|1|2"_s,
                           u"3|401|BR-5|2026-04-12|250.5|INV-5|10|2.25|D|SAL|0|1|248.25|0|1|2026-04-12|7|1|201|"
                           "Anand's bill|N|9401|9201|1|2"_s}));
    // Cheque texts trimmed; a cheque that has not cleared keeps no clear date.
    EXPECT_EQ(rows(u"select VoucherNo,LedgerCode,ChequeNo,ChequeAmount,ReceiveDate,DepositDate,ChequeDate,"
                   "ClearDate,typeof(ClearDate),Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,"
                   "Narration,RefVoucherNo,ChequePrinted,OldRefVoucherNo,AID,AID1 from AccChequeDetails "
                   "where CompanyCode=2 order by slno"_s),
              QStringList({u"2|102|CH12|500|2026-04-11|2026-04-15|2026-04-12|2026-04-20|text|C|Bank's|Main|1|2|1|"
                           "401|D'Souza|55|N|44|9102|9401"_s,
                           u"3|102|CH5|500|2026-04-12|2026-04-15|2026-04-12|NULL|null|C|Bank's|Main|1|2|1|401|"
                           "D'Souza|55|N|44|9102|9401"_s}));

    EXPECT_EQ(captions,
              QStringList({u"Transfer    [ Clear Old Records...]"_s, u"Transfer    [ Transfer Division Details...]"_s,
                           u"Transfer    [ Transfer Voucher Details...]"_s,
                           u"Transfer    [ Transfer Billwise Outstanding Details ...]"_s,
                           u"Transfer    [ Transfer Cheque Details...]"_s, u"Transfer    [ Completed ]"_s}));
    // Every source row of the three kinds moves the bar, copied or skipped.
    EXPECT_EQ(advances, 7 + 4 + 3);
    EXPECT_EQ(progressShown, 1);
}

TEST_F(TransferRunTest, RepeatedTransferLogsAndReplacesOnlyTheEarlierCopy)
{
    ASSERT_TRUE(bool(transfer()));
    ASSERT_TRUE(bool(transfer(QDate(2026, 5, 1), QDate(2026, 5, 31))));
    // Rows entered in the shadow company itself, in the same period.
    addLine(2, 900, QDate(2026, 4, 15), 102, "201", "D", 10, 1, u"Own"_s, "0");
    addLine(2, 901, QDate(2026, 4, 16), 102, "201", "D", 20, 1, u"Own"_s, "null");
    addBillwise(2, 900, QDate(2026, 4, 15), u"Own bill"_s);
    ASSERT_TRUE(bool(transfer()));

    // The earlier copy's rows (voucher rows 10-16, bill-wise 5-6, cheques 4-5) are logged.
    EXPECT_EQ(rows(u"select type,companycode,voucherno,ledgercode,aid,actype,tranyear,tsid from accdelvoucher "
                   "order by rowid"_s),
              QStringList({u"V|2|1|101|9101|2|2026|10"_s, u"V|2|1|201|9201|2|2026|11"_s, u"V|2|1|301|9301|2|2026|12"_s,
                           u"V|2|2|102|9102|2|2026|13"_s, u"V|2|2|201|9201|2|2026|14"_s, u"V|2|3|401|9401|2|2026|15"_s,
                           u"V|2|3|201|9201|2|2026|16"_s, u"P|2|1|401|9401|2|2026|5"_s, u"P|2|3|401|9401|2|2026|6"_s,
                           u"C|2|2|102|9102|2|NULL|4"_s, u"C|2|3|102|9102|2|NULL|5"_s}));

    // The April copy comes afresh under numbers after the May copy's 4; May and own rows stay.
    EXPECT_EQ(rows(u"select VoucherNo,OldVoucherNo from accvoucher2026 where CompanyCode=2 order by VoucherNo,tsid"_s),
              QStringList({u"4|20"_s, u"5|11"_s, u"5|11"_s, u"5|11"_s, u"6|12"_s, u"6|12"_s, u"7|5"_s, u"7|5"_s,
                           u"900|0"_s, u"901|NULL"_s}));
    // The April row of May's voucher 20 is now tied to that voucher's copy.
    EXPECT_EQ(rows(u"select VoucherNo,Remarks from AccPending where CompanyCode=2 order by slno"_s),
              QStringList({u"900|Own bill"_s, u"5|Bill"_s, u"7|Anand's bill"_s, u"4|Bill"_s}));
    EXPECT_EQ(rows(u"select VoucherNo from AccChequeDetails where CompanyCode=2 order by slno"_s),
              QStringList({u"6"_s, u"7"_s, u"4"_s}));
    // Divisions missing in the shadow are copied once.
    EXPECT_EQ(rows(u"select CompanyCode,DivisionCode,DivisionName from accdivisionmaster "
                   "order by CompanyCode,DivisionCode"_s),
              QStringList({u"1|1|Main"_s, u"1|2|Branch"_s, u"2|1|Main"_s, u"2|2|Own Branch"_s}));
}

// A company that was posted into holds posted vouchers that carry their off-line number: they
// are its own, and a transfer into it neither clears them nor files rows under them.
TEST_F(TransferRunTest, PostedVouchersOfTheShadowAreNotTransferredOnes)
{
    ASSERT_TRUE(bool(transfer()));
    // Posted from off-line voucher 11, which shares its number with a source voucher.
    exec({u"insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,"
          "VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,AID,OppAID) values "
          "(2,1,1,50,'2026-04-15',101,'D',10,5,'Posted','N',1,201,'P-50',11,'2026-04-15',9101,9201),"
          "(2,1,1,50,'2026-04-15',201,'C',-10,5,'Posted','N',1,101,'P-50',11,'2026-04-15',9201,9101)"_s,
          u"insert into AccPending(CompanyCode,AcType,LedgerCode,VoucherNo,TransDate,Remarks) values "
          "(2,1,401,50,'2026-04-15','Posted bill')"_s});

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

// Rows that name voucher 0 or below belong to no voucher: they must not be tied to the shadow
// company's own rows, which carry 0 as their source number.
TEST_F(TransferRunTest, BillwiseAndChequeRowsOfNoVoucherAreSkipped)
{
    addLine(2, 900, QDate(2026, 3, 15), 102, "201", "D", 10, 1, u"Own"_s, "0");
    exec({u"update AccPending set VoucherNo=-11 where CompanyCode=1 and VoucherNo=11"_s,
          u"update AccChequeDetails set VoucherNo=0 where CompanyCode=1 and VoucherNo=12"_s});

    ASSERT_TRUE(bool(transfer()));

    EXPECT_EQ(rows(u"select VoucherNo,Remarks from AccPending where CompanyCode=2"_s),
              QStringList({u"3|Anand's bill"_s}));
    EXPECT_EQ(rows(u"select VoucherNo from AccChequeDetails where CompanyCode=2"_s), QStringList({u"3"_s}));
    EXPECT_EQ(advances, 7 + 4 + 3);
}

// The deletion log holds every row the clearing deletes, also one whose ledger has left the
// ledger master since it was copied.
TEST_F(TransferRunTest, TheDeletionLogHoldsEveryDeletedRow)
{
    VANT_SQLITE_ONLY("reads the log in SQLite's row order");
    ASSERT_TRUE(bool(transfer()));
    exec({u"delete from accledgermaster where ledgercode in (301, 102)"_s});
    ASSERT_TRUE(bool(transfer()));

    EXPECT_EQ(rows(u"select type,voucherno,ledgercode,ifnull(aid,'NULL') from accdelvoucher order by rowid"_s),
              QStringList({u"V|1|101|9101"_s, u"V|1|201|9201"_s, u"V|1|301|NULL"_s, u"V|2|102|NULL"_s,
                           u"V|2|201|9201"_s, u"V|3|401|9401"_s, u"V|3|201|9201"_s, u"P|1|401|9401"_s,
                           u"P|3|401|9401"_s, u"C|2|102|NULL"_s, u"C|3|102|NULL"_s}));
}

// The destination is cleared of its transferred vouchers: the source company's own are not
// to be cleared. A count that fails stops the request before anything is asked or cleared.
TEST_F(TransferRunTest, TheSourceAsDestinationAndAFailedCountStopTheRequest)
{
    const TransferRequest april{u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)};
    const auto refusal = *TransferJob(session, {u"1"_s, u" 1"_s, april.from, april.to}).check();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, u"Destination Company must be a Shadow Company, not the Source Company");
    EXPECT_EQ(refusal->focus, ToolsField::DestinationCompany);
    EXPECT_FALSE(TransferJob(session, april).check()->has_value());

    ASSERT_TRUE(bool(transfer()));
    session.voucherTable = u"accvoucher1999"_s;
    EXPECT_FALSE(bool(TransferJob(session, april).rowCount()));
    const auto confirmed = TransferJob(session, april).confirmOverwrite();
    ASSERT_FALSE(bool(confirmed));
    EXPECT_EQ(confirmed.error().description, u"no such table: accvoucher1999 Unable to execute statement");
    EXPECT_TRUE(prompts.boxes().isEmpty());
}

// Held codes are read as the numbers they are: a code that holds none names no company, and
// one pasted between quotes would have named every company.
TEST_F(TransferRunTest, ACompanyCodeThatIsNoNumberNamesNoCompany)
{
    const QDate from(2026, 4, 1), to(2026, 4, 30);
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
// the counters and whatever was copied before it.
TEST_F(TransferRunTest, FailedRunLeavesTheDatabaseAsBeforeAndReportsWhy)
{
    VANT_SQLITE_ONLY("a SQLite trigger injects the failure");
    ASSERT_TRUE(bool(transfer()));
    addLine(2, 900, QDate(2026, 4, 20), 102);
    exec({u"delete from accdivisionmaster where CompanyCode=2"_s});
    const auto refused = [](const QString &why) { return Error{-2147220991, why + u"; nothing was transferred."_s}; };
    const QString noNumber =
        u"No voucher number was given for voucher 11 of company 2 (the accounts component answered "_s;
    const struct
    {
        QString setup, undo;
        Error reported;
    } cases[] = {
        // The last voucher's bill-wise row cannot be written.
        {u"create trigger injected before insert on AccPending when new.VoucherNo=6 begin "
         "select raise(abort,'Injected failure'); end"_s,
         u"drop trigger injected"_s,
         {1811, u"Injected failure Unable to fetch row"_s}},
        // The shadow has no company row to number from.
        {u"update acccompanymaster set CompanyCode=22 where CompanyCode=2"_s,
         u"update acccompanymaster set CompanyCode=2 where CompanyCode=22"_s, refused(noNumber + u"0)"_s)},
        // The shadow's counter lags behind a voucher entered there: the next number is taken.
        {u"update acccompanymaster set Voucherno=899 where CompanyCode=2"_s,
         u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s, refused(noNumber + u"-1)"_s)},
        // A counter below 0 would hand out 0 and the numbers below it.
        {u"update acccompanymaster set Voucherno=-1 where CompanyCode=2"_s,
         u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s, refused(noNumber + u"0)"_s)},
        {u"update acccompanymaster set Voucherno=-5 where CompanyCode=2"_s,
         u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s, refused(noNumber + u"-4)"_s)},
        // Counters are read whole.
        {u"update acccompanymaster set Voucherno='151 x' where CompanyCode=2"_s,
         u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s,
         {-2147220991, u"The last voucher number (Voucherno) of company 2 is not a number: \"151 x\"."_s}},
        {u"update AccCompanyVoucherNo set VoucherSlno='1E999' where CompanyCode=2 and VoucherCode=2"_s,
         u"update AccCompanyVoucherNo set VoucherSlno=1 where CompanyCode=2 and VoucherCode=2"_s,
         {-2147220991, u"The last sub-number (VoucherSlno) of voucher code 2 of company 2 in 2026 is not a "
                       "number: \"inf\"."_s}},
        {u"update accvoucher2026 set VoucherNo=null where CompanyCode=1 and VoucherNo=12"_s,
         u"update accvoucher2026 set VoucherNo=12 where CompanyCode=1 and VoucherNo is null"_s,
         refused(u"A voucher row of voucher code 1 dated 2026-04-11 has no voucher number (NULL)"_s)},
        // Numbers are parsed before they are written: pasted, this one tied the row to every copy.
        {u"update AccPending set VoucherNo='5 or 1=1' where CompanyCode=1 and VoucherNo=5"_s,
         u"update AccPending set VoucherNo=5 where CompanyCode=1 and VoucherNo='5 or 1=1'"_s,
         {-2147220991, u"VoucherNo of AccPending row slno 3 is not a number: \"5 or 1=1\". Nothing was "
                       "transferred."_s}},
        {u"update accvoucher2026 set LedgerCode='201,1' where tsid=2"_s,
         u"update accvoucher2026 set LedgerCode=201 where tsid=2"_s,
         {-2147220991, u"LedgerCode of accvoucher2026 row tsid 2 is not a number: \"201,1\". Nothing was "
                       "transferred."_s}},
        {u"update accvoucher2026 set Amount='1E999' where tsid=4"_s,
         u"update accvoucher2026 set Amount=75 where tsid=4"_s,
         {-2147220991, u"Amount of accvoucher2026 row tsid 4 is not a number: \"inf\". Nothing was "
                       "transferred."_s}},
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

// The bar's maximum: the period's rows of the three kinds, at most 200000.
TEST_F(TransferRunTest, RowCountAddsTheThreeKindsUpToTheLimit)
{
    VANT_SQLITE_ONLY("makes its rows with SQLite's recursive query");
    const TransferRequest april{u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)};
    EXPECT_EQ(*TransferJob(session, april).rowCount(), 7 + 4 + 3);
    exec({u"with recursive n(i) as (select 1 union all select i+1 from n where i<200001) "
          "insert into AccPending(CompanyCode,TransDate) select 1,'2026-04-11' from n"_s});
    EXPECT_EQ(*TransferJob(session, april).rowCount(), 200000);
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
