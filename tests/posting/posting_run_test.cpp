#include "posting_fixture.h"
#include "recording_accounts.h"

#include "posting/posting_filters.h"
#include "posting/posting_run.h"
#include "posting/voucher_grid.h"

using namespace Qt::StringLiterals;

namespace vant::test {
namespace {

class PostingRun : public PostingFixture
{
protected:
    void SetUp() override
    {
        PostingFixture::SetUp();
        session->accountsFactory = RecordingAccounts::factory(script);
    }

    // The sales/cash vouchers of 10 April as Go lists them.
    VoucherGrid listed()
    {
        VoucherGrid grid;
        EXPECT_TRUE(LoadOffLineVouchers(*session, {1, QDate(2026, 4, 10), u"SA"_s, u"CA"_s}, grid));
        return grid;
    }
    void addVoucher(int voucherNo, double amount)
    {
        addLine({.voucherNo = voucherNo, .amount = amount});
        addLine({.voucherNo = voucherNo, .crDr = u"C"_s, .amount = -amount, .ledgerCode = 201, .oppLedgerCode = 101});
    }
    QString posted(const QString &columns, int offLineVoucherNo)
    {
        return scalar(u"select group_concat(x, '|') from (select %1 as x from accvoucher2026 where OldVoucherNo=%2 "
                      "order by tsid)"_s.arg(columns).arg(offLineVoucherNo));
    }
    int unmoved(int offLineVoucherNo)
    {
        return count(u"select count(*) from AccOffLineVoucher where Moved is null and VoucherNo=%1"_s.arg(
            offLineVoucherNo));
    }

    AccountsScript script;
};

TEST_F(PostingRun, AThreeLineVoucherIsPostedUnderOneNumber)
{
    addLine({.voucherNo = 21, .amount = 100, .billRefNo = u"B-21"_s});
    addLine({.voucherNo = 21, .amount = 50, .ledgerCode = 102, .billRefNo = u"B-21"_s});
    addLine({.voucherNo = 21, .crDr = u"C"_s, .amount = -150, .ledgerCode = 201, .oppLedgerCode = 101,
             .billRefNo = u"B-21"_s});
    VoucherGrid grid = listed();
    grid.toggleMark(1);
    tracedStatements();

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);

    EXPECT_EQ(posted(u"VoucherNo"_s, 21), u"1|1|1");
    EXPECT_EQ(posted(u"VoucherSlno"_s, 21), u"1|1|1");
    EXPECT_EQ(posted(u"CrDr||Amount||':'||AID||':'||OppAID"_s, 21), u"D100.0:9101:9201|D50.0:9102:9201|C-150.0:9201:9101");
    EXPECT_EQ(posted(u"IsVoucherScr||AcType||VoucherCode||DivisionCode"_s, 21), u"N151|N151|N151");
    EXPECT_EQ(unmoved(21), 0);
    EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved='Y'"_s), 3);
    EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s), u"1");
    EXPECT_EQ(scalar(u"select VoucherSlno from AccCompanyVoucherNo where CompanyCode=1 and VoucherCode=5 and "
                     "TranYear='2026'"_s),
              u"1");

    const QStringList sent = tracedStatements();
    EXPECT_TRUE(sent.contains(
        u"select * from AccOffLineVoucher where isnull(Moved,'N')='N' and  VoucherNo=21 and CompanyCode='1'"_s));
    EXPECT_TRUE(sent.contains(
        u"insert into accvoucher2026 (CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,"
        "VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,AID,OppAID) values "
        "('1','1',1,1,'2026-04-10',101,'D',100,5,'Counter sale','N',1,201,'B-21',21,getdate(),'9101','9201')"_s));
    EXPECT_TRUE(sent.contains(u"select isnull(aid,'') from accledgermaster where ledgercode = '102'"_s));
    EXPECT_EQ(sent.count(u"update AccOffLineVoucher set Moved='Y' where OldVoucherNo=21"_s), 3);
    EXPECT_TRUE(sent.contains(u"update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=1 where Vouchercode = 5 "
                              "and CompanyCode='1' and TranYear='2026'"_s));
    EXPECT_EQ(script.createdProgIds, QStringList{u"KormoLedger.clsQRXAccounts"_s});
    EXPECT_EQ(script.voucherNoCalls, 1);
    EXPECT_EQ(script.subVoucherNoCalls, 1);
    EXPECT_EQ(script.updateCalls, 1);
    EXPECT_EQ(session->AccountsObject, nullptr);
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_TRUE(listed().text(1, VoucherGrid::Vno).isEmpty());
}

TEST_F(PostingRun, OnlyMarkedRowsArePostedEachWithItsOwnNumber)
{
    addVoucher(31, 10);
    addVoucher(32, 20);
    addVoucher(33, 30);
    session->ProductCode = u"Lite"_s;
    VoucherGrid grid = listed();
    grid.toggleMark(1);
    grid.toggleMark(3);

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);

    EXPECT_EQ(posted(u"VoucherNo"_s, 31), u"1|1");
    EXPECT_EQ(posted(u"VoucherNo"_s, 32), u"");
    EXPECT_EQ(posted(u"VoucherNo||'/'||VoucherSlno"_s, 33), u"2/2|2/2");
    EXPECT_EQ(unmoved(32), 2);
    EXPECT_EQ(script.createdProgIds, QStringList{u"KormoLedgerLite6.clsQRXAccounts"_s});
    // Once when the component is created, then once per voucher.
    EXPECT_EQ(script.connections, 3);
    EXPECT_EQ(script.voucherNoCalls, 2);
    EXPECT_EQ(script.subVoucherNoCalls, 2);
}

TEST_F(PostingRun, NothingMarkedWritesNothing)
{
    addVoucher(31, 10);
    tracedStatements();
    EXPECT_EQ(SaveTrans(*session, listed().postingRows()), PostingEnd::Completed);
    EXPECT_EQ(script.createdProgIds.size(), 1);
    EXPECT_EQ(script.voucherNoCalls, 0);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    EXPECT_EQ(session->AccountsObject, nullptr);
}

TEST_F(PostingRun, TheRowsAccountTypeIsPostedOnEveryLine)
{
    addLine({.voucherNo = 41, .amount = 60});
    addLine({.voucherNo = 41, .amount = 40, .ledgerCode = 102});
    addLine({.voucherNo = 41, .crDr = u"C"_s, .amount = -100, .ledgerCode = 201});
    session->PostingAcType = 2;
    VoucherGrid grid = listed();
    grid.toggleMark(1);
    grid.RowColor(2, 1);

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);

    EXPECT_EQ(posted(u"AcType"_s, 41), u"2|2|2");
    EXPECT_EQ(script.subVoucherAcTypes, QList<int>{2});
}

TEST_F(PostingRun, CopiesTheFirstPendingAndChequeRows)
{
    addVoucher(51, 500);
    exec({u"insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,"
          "billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks) values "
          "(1,1,1,401,51,'B-51','2026-04-10',500,'INV''7',520,20,'D','CA','12A',5,500,201,'first')"_s,
          u"insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,billdate,"
          "billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,VoucherCode,Payable,OppLedgerCode,Remarks) values "
          "(1,1,1,401,51,'B-51b','2026-04-10',1,'INV-8',1,0,'D','CA',null,5,1,201,'second')"_s,
          u"insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,"
          "ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,Status,BankName,ChequePrinted) values "
          "(1,1,1,5,51,102,401,'000123',500,'2026-04-10','2026-04-15',null,'R','State Bank','N')"_s});
    exec({u"update acccompanymaster set Voucherno=40 where CompanyCode=1"_s});
    VoucherGrid grid = listed();
    grid.toggleMark(1);
    tracedStatements();

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);

    EXPECT_EQ(count(u"select count(*) from AccPending"_s), 1);
    EXPECT_EQ(scalar(u"select VoucherNo||'/'||VoucherSlno||'/'||BillRefNo||'/'||InvoiceNo||'/'||OnAcNo||'/'||"
                     "AID||'/'||OppAID||'/'||Remarks||'/'||TransDate from AccPending"_s),
              u"51/51/B-51/INV'7/12/9401/9201/first/2026-04-10");
    EXPECT_EQ(count(u"select count(*) from AccChequeDetails"_s), 1);
    EXPECT_EQ(scalar(u"select VoucherNo||'/'||ChequeNo||'/'||AID||'/'||AID1||'/'||Branch||'/'||ChequeDate from "
                     "AccChequeDetails"_s),
              u"41/000123/9102/9401//2026-04-15");
    EXPECT_EQ(count(u"select count(*) from AccChequeDetails where DepositDate is null"_s), 1);
    EXPECT_TRUE(tracedStatements().contains(
        u"INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,"
        "Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,Narration,ChequePrinted,DepositDate,AID,"
        "AID1) VALUES ('1',102,41,'000123',500,'2026-04-10','2026-04-15','R','State Bank','',1,1,5,401,'','N',NULL,"
        "'9102','9401')"_s));
}

TEST_F(PostingRun, QuotesInTextAreDoubled)
{
    addLine({.voucherNo = 61, .amount = 70, .billRefNo = u"O'Neil;1"_s, .narration = u"Anand's sale"_s});
    VoucherGrid grid = listed();
    grid.toggleMark(1);
    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);
    EXPECT_EQ(posted(u"Narration||'/'||BillRefNo"_s, 61), u"Anand's sale/O'Neil;1");
}

TEST_F(PostingRun, ADuplicateNumberStopsBeforeTheVoucher)
{
    addVoucher(71, 10);
    addVoucher(72, 20);
    addVoucher(73, 30);
    script.forcedNumberCall = 2;
    script.forcedNumber = -1;
    VoucherGrid grid = listed();
    grid.selectAll();

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Duplicate);

    EXPECT_EQ(posted(u"VoucherNo"_s, 71), u"1|1");
    EXPECT_EQ(count(u"select count(*) from accvoucher2026 where OldVoucherNo<>71"_s), 0);
    EXPECT_EQ(unmoved(72), 2);
    EXPECT_EQ(unmoved(73), 2);
    EXPECT_EQ(script.voucherNoCalls, 2);
    EXPECT_EQ(script.subVoucherNoCalls, 1);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).text, u"VoucherNO is duplicated. Contact Software Vendor...");
    EXPECT_EQ(prompts.boxes().at(0).title, u"VantProcess");
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Information);
}

TEST_F(PostingRun, AVoucherNumberBelowOneIsWarnedAfterTheLines)
{
    addVoucher(81, 10);
    script.forcedNumberCall = 1;
    script.forcedNumber = 0;
    VoucherGrid grid = listed();
    grid.toggleMark(1);

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);

    EXPECT_EQ(posted(u"VoucherNo"_s, 81), u"0|0");
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).text, u"Voucher No is 0");
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::None);
    EXPECT_EQ(script.updateCalls, 1);
}

TEST_F(PostingRun, AFailureLeavesItsVoucherWhollyUnposted)
{
    addVoucher(91, 10);
    addVoucher(92, 20);
    addVoucher(93, 30);
    exec({u"insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,billdate,billamount,"
          "CrDr,TransType,VoucherCode,Payable,OppLedgerCode) values (1,1,1,401,92,'2026-04-10',20,'D','CA',5,20,201)"_s});
    script.failingUpdateCall = 2;
    VoucherGrid grid = listed();
    grid.selectAll();

    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Failed);

    EXPECT_EQ(posted(u"VoucherNo"_s, 91), u"1|1");
    EXPECT_EQ(posted(u"VoucherNo"_s, 92), u"");
    EXPECT_EQ(posted(u"VoucherNo"_s, 93), u"");
    EXPECT_EQ(unmoved(92), 2);
    EXPECT_EQ(unmoved(93), 2);
    EXPECT_EQ(count(u"select count(*) from AccPending"_s), 0);
    EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s), u"1");
    EXPECT_EQ(scalar(u"select VoucherSlno from AccCompanyVoucherNo where CompanyCode=1 and VoucherCode=5"_s), u"1");
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(session->AccountsObject, nullptr);

    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Critical);
    EXPECT_TRUE(prompts.boxes().at(0).text.endsWith(u"Message : The component could not record the number."));
    const QStringList log = logLines();
    ASSERT_EQ(log.size(), 5);
    EXPECT_EQ(log.at(2), u"ErrNo : -2147217900");
    EXPECT_EQ(log.at(4), u"ErrForm : frmAccountPost    ErrEvent : SaveTrans");

    // Posting again picks up where the failed run stopped.
    script.failingUpdateCall = 0;
    EXPECT_EQ(SaveTrans(*session, listed().postingRows()), PostingEnd::Completed);
    grid = listed();
    grid.selectAll();
    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Completed);
    EXPECT_EQ(posted(u"VoucherNo"_s, 92), u"2|2");
    EXPECT_EQ(posted(u"VoucherNo"_s, 93), u"3|3");
    EXPECT_EQ(count(u"select count(*) from AccPending"_s), 1);
}

TEST_F(PostingRun, ARowWithoutUnmovedLinesCopiesNothing)
{
    addVoucher(101, 10);
    exec({u"insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,LedgerCode,LedgerCode1,"
          "ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,Status,BankName,ChequePrinted) values "
          "(1,1,1,5,102,102,401,'7',10,'2026-04-10','2026-04-10','2026-04-12','R','Bank','N')"_s,
          u"insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,billdate,billamount,"
          "CrDr,TransType,VoucherCode,Payable,OppLedgerCode) values (1,1,1,401,102,'2026-04-10',10,'D','CA',5,10,201)"_s});
    // 102 was posted meanwhile; its pending and cheque rows must not follow 101's number.
    const QList<PostingRow> rows = {{u"10.00"_s, u"101"_s, u"1"_s, u"5"_s}, {u"10.00"_s, u"102"_s, u"1"_s, u"5"_s}};

    EXPECT_EQ(SaveTrans(*session, rows), PostingEnd::Completed);

    EXPECT_EQ(posted(u"VoucherNo"_s, 101), u"1|1");
    EXPECT_EQ(count(u"select count(*) from AccChequeDetails"_s), 0);
    EXPECT_EQ(count(u"select count(*) from AccPending"_s), 0);
    EXPECT_EQ(script.voucherNoCalls, 1);
}

TEST_F(PostingRun, LinesOfAnotherCompanyAreNotPosted)
{
    addLine({.voucherNo = 111, .amount = 10, .companyCode = 2});
    const QList<PostingRow> rows = {{u"10.00"_s, u"111"_s, u"1"_s, u"5"_s}};
    EXPECT_EQ(SaveTrans(*session, rows), PostingEnd::Completed);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved is null"_s), 1);
}

TEST_F(PostingRun, AComponentThatCannotBeCreatedIsReported)
{
    session->accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return Error{429, u"ActiveX component can't create object"_s};
    };
    addVoucher(121, 10);
    VoucherGrid grid = listed();
    grid.toggleMark(1);
    EXPECT_EQ(SaveTrans(*session, grid.postingRows()), PostingEnd::Failed);
    EXPECT_EQ(unmoved(121), 2);
    ASSERT_EQ(logLines().size(), 5);
    EXPECT_EQ(logLines().at(3), u"ErrMessage : ActiveX component can't create object");
}

} // namespace
} // namespace vant::test
