#include "posting_run_fixture.h"

#include "support/test_server.h"

namespace vant::test {
namespace {

// Lines under voucher number 0 or below would block every later transfer of the period.
TEST_F(PostingRun, AVoucherNumberBelowOneIsWarnedRolledBackAndStops)
{
    seed("vouchers_81_82.sql");
    watchTransactionAtBoxes();
    const struct
    {
        QString setup, undo;
    } cases[] = {
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
TEST_F(PostingRun, AListedNumberThatIsNoNumberOrAMissingComponentPostsNothing)
{
    seed("voucher_70015_x.sql");
    const VoucherGrid grid = listed({2});
    ASSERT_EQ(grid.text(2, VoucherGrid::Vno), u"70015 x");

    EXPECT_EQ(saveTrans(grid.markedVouchers()), PostingEnd::Failed);

    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    EXPECT_EQ(unmoved(70015), 2);
    const QStringList log = logLines();
    EXPECT_EQ(log.mid(log.size() - 2),
              QStringList({u"ErrMessage : The off-line voucher number (VoucherNo) is not a number: \"70015 x\"."_s,
                           u"ErrForm : frmAccountPost    ErrEvent : SaveTrans"_s}));

    // An accounts component that cannot be created is reported.
    session->accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return Error{429, u"ActiveX component can't create object"_s};
    };
    EXPECT_EQ(saveTrans(listed({1}).markedVouchers()), PostingEnd::Failed);
    EXPECT_EQ(unmoved(70015), 2);
    ASSERT_EQ(logLines().size(), 10);
    EXPECT_EQ(logLines().at(8), u"ErrMessage : ActiveX component can't create object");
}

// A voucher that cannot be posted whole is not posted at all: the run stops there and says why.
TEST_F(PostingRun, AVoucherWithAnIncompleteOrUnreadableValueFailsWhole)
{
    seed("vouchers_61_62.sql");
    const QString of61 = u"of off-line voucher 61"_s;
    const QString debit61 = u" where VoucherNo=61 and CrDr='D'"_s, credit61 = u" where VoucherNo=61 and CrDr='C'"_s;
    const QString update = u"update AccOffLineVoucher set "_s;
    const struct
    {
        QString setup, undo, reported;
    } cases[] = {
        {update + u"LedgerCode=null"_s + credit61, update + u"LedgerCode=201"_s + credit61,
         u"LedgerCode %1 is missing (NULL)."_s.arg(of61)},
        // The list sums the debit lines: a credit line's amount is seen first by the posting.
        {update + u"Amount=null"_s + credit61, update + u"Amount=-100"_s + credit61,
         u"Amount %1 is missing (NULL)."_s.arg(of61)},
        {update + u"Amount='1E999'"_s + credit61, update + u"Amount=-100"_s + credit61,
         u"Amount %1 is not a number: \"inf\"."_s.arg(of61)},
        {update + u"OppLedgerCode='201'''"_s + debit61, update + u"OppLedgerCode=201"_s + debit61,
         u"OppLedgerCode %1 is not a number: \"201'\"."_s.arg(of61)},
        {u"update accledgermaster set aid=9101.5 where ledgercode=101"_s,
         u"update accledgermaster set aid=9101 where ledgercode=101"_s,
         u"The aid of ledger 101 (LedgerCode %1) is not a whole number: \"9101.5\"."_s.arg(of61)},
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

} // namespace
} // namespace vant::test
