#include "posting_run_fixture.h"

#include "support/test_server.h"

namespace vant::test {
namespace {

TEST_F(PostingRun, ADuplicateNumberStopsBeforeTheVoucher)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions");
    addVoucher(71, 10);
    addVoucher(72, 20);
    addVoucher(73, 30);
    // Number 2 is taken already, so the second voucher is given -1.
    exec({u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode) values "
          "(1,2,'2026-04-01',101,'D',1,5)"_s});

    watchTransactionAtBoxes();
    EXPECT_EQ(saveTrans(listed({1, 2, 3}).markedVouchers()), PostingEnd::Duplicate);

    EXPECT_EQ(transactionOpenAtBox, QList<bool>{false});
    EXPECT_EQ(posted(u"VoucherNo"_s, 71), u"1|1");
    EXPECT_EQ(count(u"select count(*) from accvoucher2026 where OldVoucherNo<>71"_s), 0);
    EXPECT_EQ(unmoved(72) + unmoved(73), 4);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).text,
              u"VoucherNO is duplicated. Contact Software Vendor...\r\n"
              "The posting stopped at off-line voucher 72. Vouchers posted: 1.\r\n"
              "Off-line voucher 72 and the 1 marked voucher after it were not posted and are still listed.");
    EXPECT_EQ(prompts.boxes().at(0).title, u"VantProcess");
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Information);
}

// Lines under voucher number 0 or below would block every later transfer of the period.
TEST_F(PostingRun, AVoucherNumberBelowOneIsWarnedRolledBackAndStops)
{
    addVoucher(81, 10);
    addVoucher(82, 20);
    watchTransactionAtBoxes();
    const struct
    {
        QString setup, undo;
    } cases[] = {
        // The component gives 0 for a company it does not know.
        {u"update acccompanymaster set CompanyCode=11 where CompanyCode=1"_s,
         u"update acccompanymaster set CompanyCode=1 where CompanyCode=11"_s},
        // A counter below 0 would hand out 0 and the numbers below it.
        {u"update acccompanymaster set Voucherno=-1 where CompanyCode=1"_s,
         u"update acccompanymaster set Voucherno=0 where CompanyCode=1"_s},
        {u"update acccompanymaster set Voucherno=-5 where CompanyCode=1"_s,
         u"update acccompanymaster set Voucherno=0 where CompanyCode=1"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setup.toStdString());
        exec({c.setup});
        prompts.clear();

        EXPECT_EQ(saveTrans(listed({1, 2}).markedVouchers()), PostingEnd::NoNumber);

        EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
        EXPECT_EQ(count(u"select count(*) from AccCompanyVoucherNo"_s), 0);
        EXPECT_EQ(unmoved(81) + unmoved(82), 4);
        EXPECT_EQ(prompts.texts(),
                  QStringList{u"Voucher No is 0\r\nThe posting stopped at off-line voucher 81. Vouchers posted: 0.\r\n"
                              "Off-line voucher 81 and the 1 marked voucher after it were not posted and are still "
                              "listed."_s});
        EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::None);
        EXPECT_EQ(transactionOpenAtBox.takeLast(), false);
        EXPECT_EQ(accounts->live(), nullptr);
        exec({c.undo});
    }
}

// A listed number is read whole, as the statements read it: the row of "70015 x" is no voucher
// 70015, which nobody marked.
TEST_F(PostingRun, AListedNumberThatIsNoNumberPostsNoOtherVoucher)
{
    addVoucher(70015, 10);
    addVoucher(70016, 20);
    exec({u"update AccOffLineVoucher set VoucherNo='70015 x' where VoucherNo=70016"_s});
    const VoucherGrid grid = listed({2});
    ASSERT_EQ(grid.text(2, VoucherGrid::Vno), u"70015 x");

    EXPECT_EQ(saveTrans(grid.markedVouchers()), PostingEnd::Failed);

    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    EXPECT_EQ(unmoved(70015), 2);
    const QStringList log = logLines();
    EXPECT_EQ(log.mid(log.size() - 2),
              QStringList({u"ErrMessage : The off-line voucher number (VoucherNo) is not a number: \"70015 x\"."_s,
                           u"ErrForm : frmAccountPost    ErrEvent : SaveTrans"_s}));
}

// A counter that is no whole number cannot number a voucher: the run stops, saying which.
TEST_F(PostingRun, ACounterThatIsNoWholeNumberStopsThePosting)
{
    addVoucher(81, 10);
    exec({u"insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno) values "
          "(1,5,'2026','151 x')"_s});

    EXPECT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Failed);

    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    EXPECT_EQ(unmoved(81), 2);
    EXPECT_EQ(scalar(u"select VoucherSlno from AccCompanyVoucherNo"_s), u"151 x");
    const QStringList log = logLines();
    EXPECT_EQ(log.mid(log.size() - 2),
              QStringList({u"ErrMessage : The last sub-number (VoucherSlno) of voucher code 5 of company 1 in 2026 "
                           "is not a number: \"151 x\"."_s,
                           u"ErrForm : frmAccountPost    ErrEvent : SaveTrans"_s}));
}

// A voucher that cannot be posted whole is not posted at all: the run stops there and says why.
TEST_F(PostingRun, AVoucherWithAnIncompleteOrUnreadableValueFailsWhole)
{
    addVoucher(61, 100);
    addVoucher(62, 50);
    addPending(61, u"B-61"_s, u"bill"_s);
    const QString of61 = u"of off-line voucher 61"_s;
    const QString debit61 = u" where VoucherNo=61 and CrDr='D'"_s, credit61 = u" where VoucherNo=61 and CrDr='C'"_s;
    const QString update = u"update AccOffLineVoucher set "_s;
    const struct
    {
        QString setup, undo, reported;
    } cases[] = {
        {update + u"LedgerCode=999"_s + credit61, update + u"LedgerCode=201"_s + credit61,
         u"Ledger 999 (LedgerCode %1) is not in the ledger master."_s.arg(of61)},
        {update + u"LedgerCode=null"_s + credit61, update + u"LedgerCode=201"_s + credit61,
         u"LedgerCode %1 is missing (NULL)."_s.arg(of61)},
        // The list sums the debit lines: a credit line's amount is seen first by the posting.
        {update + u"Amount=null"_s + credit61, update + u"Amount=-100"_s + credit61,
         u"Amount %1 is missing (NULL)."_s.arg(of61)},
        {update + u"Amount='1E999'"_s + credit61, update + u"Amount=-100"_s + credit61,
         u"Amount %1 is not a number: \"inf\"."_s.arg(of61)},
        // Pasted into the flagging statement, this once flagged every off-line voucher as posted.
        {update + u"OldVoucherNo='61 or 1=1' where VoucherNo=61"_s, update + u"OldVoucherNo=61 where VoucherNo=61"_s,
         u"OldVoucherNo %1 is not a number: \"61 or 1=1\"."_s.arg(of61)},
        {update + u"OppLedgerCode='201'''"_s + debit61, update + u"OppLedgerCode=201"_s + debit61,
         u"OppLedgerCode %1 is not a number: \"201'\"."_s.arg(of61)},
        {u"update AccOffLinePending set LedgerCode=998"_s, u"update AccOffLinePending set LedgerCode=401"_s,
         u"Ledger 998 (LedgerCode of the bill-wise entry %1) is not in the ledger master."_s.arg(of61)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setup.toStdString());
        exec({c.setup});
        prompts.clear();

        EXPECT_EQ(saveTrans(listed({1, 2}).markedVouchers()), PostingEnd::Failed);

        EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s) + count(u"select count(*) from AccPending"_s), 0);
        EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved is not null"_s), 0);
        EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s), u"0");
        ASSERT_EQ(prompts.boxes().size(), 1);
        EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Critical);
        const QStringList log = logLines();
        EXPECT_EQ(log.mid(log.size() - 2), QStringList({u"ErrMessage : "_s + c.reported,
                                                        u"ErrForm : frmAccountPost    ErrEvent : SaveTrans"_s}));
        exec({c.undo});
    }
    EXPECT_EQ(saveTrans(listed({1, 2}).markedVouchers()), PostingEnd::Completed);
    EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved='Y'"_s), 4);
}

TEST_F(PostingRun, AFailureLeavesItsVoucherWhollyUnposted)
{
    VANT_SQLITE_ONLY("a SQLite trigger injects the failure");
    addVoucher(91, 10);
    addVoucher(92, 20);
    addVoucher(93, 30);
    addPending(92, u"B-92"_s, u"pending"_s);
    exec({u"create trigger refuse before insert on AccPending begin select raise(ABORT, 'disk full'); end"_s});

    EXPECT_EQ(saveTrans(listed({1, 2, 3}).markedVouchers()), PostingEnd::Failed);

    EXPECT_EQ(posted(u"VoucherNo"_s, 91), u"1|1");
    EXPECT_EQ(count(u"select count(*) from accvoucher2026 where OldVoucherNo<>91"_s), 0);
    EXPECT_EQ(unmoved(92) + unmoved(93), 4);
    EXPECT_EQ(count(u"select count(*) from AccPending"_s), 0);
    EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s), u"1");
    EXPECT_EQ(scalar(u"select VoucherSlno from AccCompanyVoucherNo where CompanyCode=1 and VoucherCode=5"_s), u"1");
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(accounts->live(), nullptr);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Critical);
    const QStringList log = logLines();
    ASSERT_EQ(log.size(), 5);
    EXPECT_TRUE(log.at(3).startsWith(u"ErrMessage : ")) << log.at(3).toStdString();
    EXPECT_TRUE(log.at(3).contains(u"disk full")) << log.at(3).toStdString();
    EXPECT_EQ(log.at(4), u"ErrForm : frmAccountPost    ErrEvent : SaveTrans");

    // Posting again carries on with the next numbers.
    exec({u"drop trigger refuse"_s});
    EXPECT_EQ(saveTrans(listed({1, 2}).markedVouchers()), PostingEnd::Completed);
    EXPECT_EQ(posted(u"VoucherNo"_s, 92), u"2|2");
    EXPECT_EQ(posted(u"VoucherNo"_s, 93), u"3|3");
    EXPECT_EQ(count(u"select count(*) from AccPending"_s), 1);
}

// A statement that fails for one voucher in a batch: the vouchers before it are posted, it and
// the later ones are untouched, and the failure is reported.
TEST_F(PostingRun, AStatementFailingInsideABatchKeepsTheVouchersBeforeIt)
{
    VANT_SQLITE_ONLY("a SQLite trigger injects the failure");
    for (int voucher = 1; voucher <= 40; ++voucher)
        addVoucher(300 + voucher, voucher);
    exec({u"create trigger refuse before insert on accvoucher2026 when new.OldVoucherNo=323 begin "
          "select raise(ABORT, 'disk full'); end"_s});
    VoucherGrid grid = listed({});
    grid.selectAll();
    watchTransactionAtBoxes();
    QList<int> numbers;

    EXPECT_EQ(saveTrans(grid.markedVouchers(), [&](const MarkedVoucher &, int voucherNo) { numbers << voucherNo; }),
              PostingEnd::Failed);

    EXPECT_EQ(numbers.size(), 22);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 44);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026 where OldVoucherNo>=323"_s), 0);
    EXPECT_EQ(count(u"select count(*) from AccOffLineVoucher where Moved='Y'"_s), 44);
    EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s), u"22");
    EXPECT_EQ(transactionOpenAtBox, QList<bool>{false});
    const QStringList log = logLines();
    ASSERT_GE(log.size(), 2);
    EXPECT_TRUE(log.at(log.size() - 2).contains(u"disk full")) << log.at(log.size() - 2).toStdString();
    EXPECT_EQ(log.last(), u"ErrForm : frmAccountPost    ErrEvent : SaveTrans");
}

TEST_F(PostingRun, AComponentThatCannotBeCreatedIsReported)
{
    session->accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return Error{429, u"ActiveX component can't create object"_s};
    };
    addVoucher(121, 10);
    EXPECT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Failed);
    EXPECT_EQ(unmoved(121), 2);
    ASSERT_EQ(logLines().size(), 5);
    EXPECT_EQ(logLines().at(3), u"ErrMessage : ActiveX component can't create object");
}

} // namespace
} // namespace vant::test
