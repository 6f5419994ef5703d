#include "posting_run_fixture.h"
#include "posting/posting_batch.h"

#include "session/run_journal.h"
#include "support/test_server.h"

#include <QFile>
#include <QJsonObject>

namespace vant::test {
namespace {

// The rows a posting leaves are pinned by the golden postings; here, how they are sent.
TEST_F(PostingRun, AVoucherAndItsRowsAreCopiedAndFlaggedByOneStatementEach)
{
    seed("voucher_21.sql");
    // A second cheque of the voucher stays off line: only the first row is posted.
    exec({u"insert into AccOffLineChequeDet(CompanyCode,VoucherNo,ChequeNo) values (1,21,'000124')"_s});
    const VoucherGrid grid = listed({1});
    tracedStatements();

    EXPECT_EQ(saveTrans(grid.markedVouchers()), PostingEnd::Completed);

    // The lines are copied in the server, one statement for the batch, and flagged with one; so
    // are the pending and cheque rows.
    const QStringList sent = tracedStatements();
    EXPECT_EQ(sent.filter(u"insert into accvoucher2026 (CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
                          "CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,"
                          "OldVoucherNo,TS,AID,OppAID) select "_s)
                  .size(),
              1);
    EXPECT_EQ(sent.filter(u"update AccOffLineVoucher set Moved='Y' where isnull(Moved,'N')='N' and +CompanyCode=1 "
                          "and VoucherNo in "_s)
                  .size(),
              1);
    EXPECT_EQ(sent.filter(u"INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,VoucherNo,ChequeNo,"_s).size(), 1);
    EXPECT_EQ(scalar(u"select max(ChequeNo) from AccChequeDetails"_s), u"000123"_s);
    EXPECT_EQ(accounts->progIds(), QStringList{u"KormoLedger.clsQRXAccounts"_s});
    EXPECT_EQ(accounts->live(), nullptr);
    EXPECT_TRUE(prompts.boxes().isEmpty());
}

TEST_F(PostingRun, MarkedRowsOnlyEachUnderItsOwnNumberAndAccountType)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions");
    seed("vouchers_31_to_33.sql");
    session->productCode = u"Lite"_s;
    VoucherGrid grid = listed({1, 3});
    grid.RowColor(2, 3);

    EXPECT_EQ(saveTrans(grid.markedVouchers()), PostingEnd::Completed);

    EXPECT_EQ(posted(u"VoucherNo||'/'||AcType"_s, 31), u"1/1|1/1");
    EXPECT_EQ(unmoved(32), 2);
    EXPECT_EQ(posted(u"VoucherNo||'/'||AcType"_s, 33), u"2/2|2/2|2/2");
    EXPECT_EQ(accounts->progIds(), QStringList{u"KormoLedgerLite6.clsQRXAccounts"_s});
}

// A ledger code found twice in the ledger master posts the aid of its first ledger, each line once.
// Lines joined to their ledgers are copied again, each looking up its ledgers, when the server
// counts other rows copied than flagged (as a ledger added meanwhile would make it).
TEST_F(PostingRun, ALedgerCodeSharedByTwoLedgersPostsTheFirstOnesAid)
{
    VANT_SQLITE_ONLY("holds a line back with a SQLite trigger");
    seed("voucher_51.sql");
    exec({u"insert into accledgermaster(ledgercode,LedgerName,aid) values (101,'Cash again',7101)"_s});
    ASSERT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Completed);
    EXPECT_EQ(posted(u"LedgerCode||'/'||AID||'/'||OppAID"_s, 51), u"101/9101/9201|201/9201/9101");

    seed("vouchers_61_62.sql");
    exec({u"delete from accledgermaster where aid=7101"_s,
          u"create trigger held before update on AccOffLineVoucher when old.VoucherNo=61 and old.CrDr='C' begin "
          "select raise(ignore); end"_s});
    tracedStatements();
    ASSERT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Completed);
    const QStringList sent = tracedStatements().filter(u"insert into accvoucher2026 "_s);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_TRUE(sent.at(0).contains(u" left join accledgermaster "_s));
    EXPECT_FALSE(sent.at(1).contains(u" left join accledgermaster "_s));
    EXPECT_EQ(posted(u"LedgerCode||'/'||AID||'/'||OppAID"_s, 61), u"101/9101/9201|201/9201/9101");
}

// Off-line numbers are the company's own: another company's voucher of the same number is not
// shown in the detail (the golden postings pin that it is neither posted nor flagged).
TEST_F(PostingRun, OnlyTheSessionCompanysUnmovedLinesAreShown)
{
    seed("voucher_21_of_two_companies.sql");
    // A line without an off-line number of its own does not hold the voucher back.
    exec({u"update AccOffLineVoucher set OldVoucherNo=null where CompanyCode=1 and CrDr='C'"_s});
    const auto detail = [this] {
        QStringList amounts;
        const auto lines = loadVoucherDetail(*session, 21);
        EXPECT_TRUE(bool(lines));
        for (const DetailLine &line : *lines)
            amounts << line.debit + u'/' + line.credit;
        return amounts;
    };
    EXPECT_EQ(detail(), QStringList({u"100.00/00.0"_s, u"00.0/-100.00"_s}));

    EXPECT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Completed);

    EXPECT_TRUE(detail().isEmpty());
}

// A posted voucher's bill-wise entry belongs to the posted voucher, so that a transfer of the
// period then carries it into the shadow company with the voucher.
TEST_F(PostingRun, ThePendingEntryFollowsThePostedVoucherIntoTheShadowCompany)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions");
    seed("voucher_51.sql");
    ASSERT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Completed);
    EXPECT_EQ(scalar(u"select VoucherNo||'/'||VoucherSlno from AccPending"_s),
              scalar(u"select VoucherNo||'/'||VoucherSlno from accvoucher2026 where OldVoucherNo=51 limit 1"_s));

    const auto end = TransferJob(*session, {u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)}).run({});
    ASSERT_TRUE(end && *end == TransferEnd::Completed);
    EXPECT_EQ(scalar(u"select group_concat(p.Remarks||'/'||(p.VoucherNo=v.VoucherNo)) from AccPending p join "
                     "accvoucher2026 v on v.CompanyCode=p.CompanyCode and v.CrDr='D' where p.CompanyCode=2"_s),
              u"purchase/1"_s);
}

// A marked voucher that the run does not post is named with the reason, also when the run itself
// went through: the run then ends incomplete.
TEST_F(PostingRun, ARunNamesEveryMarkedVoucherItDidNotPost)
{
    seed("vouchers_101_to_103.sql");
    const VoucherGrid grid = listed({1, 2, 3});
    // Posted by another job after the list was made.
    exec({u"update AccOffLineVoucher set Moved='Y' where VoucherNo=103"_s});
    PostingJob job(*session, 0);

    const PostingSummary summary = job.run(grid.markedVouchers(), {});

    EXPECT_EQ(summary.marked, 3);
    EXPECT_EQ(summary.posted, 1);
    EXPECT_EQ(summary.failed(), 2);
    EXPECT_EQ(job.record().result, u"incomplete");
    EXPECT_EQ(job.record().message, u"Not posted: 2 of 3 marked vouchers");
    QStringList failed;
    for (const FailedVoucher &voucher : job.record().failed)
        failed << voucher.voucherNo + u": "_s + voucher.reason;
    EXPECT_EQ(failed,
              QStringList({u"103: no line of the company left to post"_s, u"102: its amount 0.00 is not above 0"_s}));
}

// The posting commits a batch at a time: a run that is killed after a batch leaves a journal
// that holds it, who posted it and how many vouchers it posted.
TEST_F(PostingRun, EachCommittedBatchIsInTheJournalBeforeTheRunGoesOn)
{
    VANT_SQLITE_ONLY("makes its rows with SQLite's recursive query");
    QFile::remove(RunJournal::defaultPath());
    // Three batches; a ledger unknown in the second stops the run there.
    constexpr int kVouchers = 2 * PostingBatch::kMaxVouchers + 100;
    constexpr int kUnknownLedger = PostingBatch::kMaxVouchers + 100;
    exec({u"with recursive n(i) as (select 1 union all select i+1 from n where i<%1) "
          "insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
          "OppLedgerCode,CrDr,Amount,VoucherCode,TransType,OldVoucherNo) select 1,1,1,1000+i,'2026-04-10',101,201,"
          "'D',10,5,'CA',1000+i from n"_s.arg(kVouchers),
          u"update AccOffLineVoucher set LedgerCode=999 where VoucherNo=%1"_s.arg(1000 + kUnknownLedger)});
    MarkedVouchers marked;
    for (int voucher = 1; voucher <= kVouchers; ++voucher)
        marked.vouchers.append({1000 + voucher, 5, 1, 10.0});
    marked.rows = kVouchers;
    QJsonObject journalAtFirstVoucher;
    PostingFeedback feedback;
    feedback.posted = [&](const MarkedVoucher &, int voucherNo) {
        if (voucherNo == 1)
            journalAtFirstVoucher = RunJournal(RunJournal::defaultPath(), session->errorLog).read({})->value(0);
    };

    PostingJob(*session, 0).run(marked, feedback);

    EXPECT_EQ(journalAtFirstVoucher.value(u"result"_s).toString(), u"running"_s);
    EXPECT_EQ(journalAtFirstVoucher.value(u"posted"_s).toInt(), PostingBatch::kMaxVouchers);
    EXPECT_EQ(journalAtFirstVoucher.value(u"user"_s).toString(), session->userName);
    EXPECT_EQ(journalAtFirstVoucher.value(u"numbers"_s).toObject().value(u"vouchers"_s).toObject(),
              QJsonObject({{u"first"_s, 1}, {u"last"_s, PostingBatch::kMaxVouchers}}));
    // The work tables go all the same.
    EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved='Y'"_s), kUnknownLedger - 1);
    EXPECT_EQ(count(u"select count(*) from sqlite_temp_master where type='table'"_s), 0);
}

// More vouchers than one batch takes: numbers run on across batches, a number marked twice is
// posted once, and each thousand vouchers cost a few dozen statements, not fifteen each.
TEST_F(PostingRun, ManyVouchersPostInBatchesOfFewStatements)
{
    VANT_SQLITE_ONLY("makes its rows with SQLite's recursive query");
    // Two batches, the second of 200.
    constexpr int kVouchers = PostingBatch::kMaxVouchers + 200;
    exec({u"with recursive n(i) as (select 2 union all select i+1 from n where i<%1) "
          "insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
          "OppLedgerCode,CrDr,Amount,VoucherCode,TransType,OldVoucherNo) select 1,1,1,1000+i/2,'2026-04-10',"
          "case i%2 when 0 then 101 else 201 end,case i%2 when 0 then 201 else 101 end,case i%2 when 0 then 'D' "
          "else 'C' end,case i%2 when 0 then 10 else -10 end,5+(i/2)%3,'CA',1000+i/2 from n"_s.arg(2 * kVouchers + 1),
          u"insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,"
          "ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,Status,BankName,ChequePrinted) select 1,1,1,5,VoucherNo,102,"
          "401,'C'||VoucherNo,10,'2026-04-10','2026-04-10','R','B','N' from AccOffLineVoucher where CrDr='D' and "
          "VoucherNo%7=0"_s});
    MarkedVouchers rows;
    for (int voucher = 1; voucher <= kVouchers; ++voucher)
        rows.vouchers.append({1000 + voucher, 5 + voucher % 3, 1, 10.0});
    // Marked again in the second batch: its lines are moved by then.
    rows.vouchers.insert(PostingBatch::kMaxVouchers + 100, rows.vouchers.at(3));
    QList<int> numbers;
    const int before = db().statementCount();

    EXPECT_EQ(saveTrans(rows, [&](const MarkedVoucher &, int voucherNo) { numbers << voucherNo; }),
              PostingEnd::Completed);

    const int statements = db().statementCount() - before;
    EXPECT_LE(statements * 1000, 50 * kVouchers) << statements;
    ASSERT_EQ(numbers.size(), kVouchers);
    EXPECT_EQ(numbers.first(), 1);
    EXPECT_EQ(numbers.last(), kVouchers);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 2 * kVouchers);
    EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved is null"_s), 0);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026 where VoucherNo<>OldVoucherNo-1000"_s), 0);
    EXPECT_EQ(count(u"select count(*) from AccChequeDetails c join accvoucher2026 v on v.VoucherNo=c.VoucherNo and "
                    "v.CrDr='D' where c.ChequeNo<>'C'||v.OldVoucherNo"_s),
              0);
    EXPECT_EQ(scalar(u"select group_concat(VoucherCode||'/'||VoucherSlno) from (select * from AccCompanyVoucherNo "
                     "order by VoucherCode)"_s),
              u"5/%1,6/%1,7/%1"_s.arg(kVouchers / 3));
    EXPECT_EQ(scalar(u"select max(VoucherSlno) from accvoucher2026 where VoucherCode=6"_s),
              QString::number(kVouchers / 3));
    EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s), QString::number(kVouchers));
}

} // namespace
} // namespace vant::test
