#include "db/sql_literals.h"
#include "session/accounts_guard.h"
#include "session/ledger_accounts.h"
#include "session/products.h"
#include "support/golden_file.h"

#include "session_fixture.h"

namespace vant {
namespace {

using namespace Qt::StringLiterals;

class LedgerAccountsTest : public test::SessionTest
{
protected:
    void SetUp() override
    {
        connectSeeded();
        ASSERT_TRUE(m_guard.AccountsObjectCreation());
    }

    AccountsComponent &accounts() { return *m_guard.get(); }
    int maxVoucherNo(int company, const QString &table = u"accvoucher2026"_s)
    {
        const Outcome<int> next = accounts().GetMaxVoucherNo(table, company);
        return next ? *next : -99;
    }

    AccountsGuard m_guard{m_session};
};

// A block of numbers is what asking voucher by voucher gives, each number recorded and its
// voucher written before the next is asked, up to and including the first refusal.
TEST_F(LedgerAccountsTest, VoucherNoBlockMatchesAskingVoucherByVoucher)
{
    const QString table = u"accvoucher2026"_s;
    const auto oneByOne = [&](int company, int count) {
        QList<int> answers;
        EXPECT_TRUE(m_session.db()->beginTransaction());
        for (int i = 0; i < count; ++i) {
            answers << maxVoucherNo(company);
            if (answers.last() <= 0)
                break;
            exec(u"update acccompanymaster set Voucherno=%1 where CompanyCode='%2'"_s.arg(answers.last()).arg(company));
            exec(u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt) values (%1,%2,"
                 "'2026-04-02')"_s.arg(company)
                     .arg(answers.last()));
        }
        EXPECT_TRUE(m_session.db()->rollbackTransaction());
        return answers;
    };
    const auto inOneBlock = [&](int company, int count) {
        const int before = m_session.db()->statementCount();
        const Outcome<VoucherNoBlock> block = accounts().GetMaxVoucherNoBlock(table, company, count);
        EXPECT_TRUE(bool(block));
        // One read of the counter, one of the voucher table.
        EXPECT_LE(m_session.db()->statementCount() - before, 2);
        QList<int> answers;
        for (int i = 0; block && i < block->granted; ++i)
            answers << block->first + i;
        if (block && block->granted < count)
            answers << block->refusal;
        return answers;
    };
    const struct
    {
        const char *situation;
        QString setup;
        int company, count;
    } cases[] = {
        {"fresh company", {}, 2, 5},
        {"counter without value", u"update acccompanymaster set Voucherno=null where CompanyCode=3"_s, 3, 3},
        {"number taken within the block",
         u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt) "
         "values (2,4,'2026-04-02'),(2,9,'2026-04-02')"_s,
         2, 6},
        {"another company's number and a fraction within the block",
         u"insert into accvoucher2026(CompanyCode,VoucherNo,"
         "VoucherDt) values (3,5,'2026-04-02'),(3,2.5,'2026-04-02'),"
         "(2,3,'2026-04-02')"_s,
         3, 6},
        {"unknown company", {}, 99, 3},
        // A number below 1 is no voucher number: the block grants none and answers as the first call.
        {"counter at -1", u"update acccompanymaster set Voucherno=-1 where CompanyCode=2"_s, 2, 3},
        {"counter at the largest number", u"update acccompanymaster set Voucherno=2147483647 where CompanyCode=2"_s, 2,
         3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.situation);
        if (!c.setup.isEmpty())
            exec(c.setup);
        EXPECT_EQ(inOneBlock(c.company, c.count), oneByOne(c.company, c.count));
    }
    // Company 3 counts from nothing up to its own voucher 5.
    EXPECT_EQ(inOneBlock(3, 6), QList<int>({1, 2, 3, 4, -1}));
    exec(u"update acccompanymaster set Voucherno=3 where CompanyCode=2"_s);
    EXPECT_FALSE(accounts().GetMaxVoucherNoBlock(u"accvoucher1999"_s, 2, 3));
    EXPECT_FALSE(accounts().GetMaxVoucherNo(u"accvoucher1999"_s, 2));
}

// A counter is read whole: one that is no whole number cannot say which number comes next.
TEST_F(LedgerAccountsTest, ACounterThatIsNoWholeNumberIsRefused)
{
    const QString year = u"2026"_s;
    exec(u"insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno) values "
         "(2,5,'2026',150)"_s);
    const QString lastVoucherNo = u"The last voucher number (Voucherno) of company 2 is not a "_s;
    const QString lastSubNo = u"The last sub-number (VoucherSlno) of voucher code 5 of company 2 in 2026 is not a "_s;
    const struct
    {
        const char *stored;
        QString reading;
    } cases[] = {
        {"'151 x'", u"number: \"151 x\"."_s},
        {"'1E999'", u"number: \"inf\"."_s},
        {"151.5", u"whole number: \"151.5\"."_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        const QString stored = QString::fromLatin1(c.stored);
        exec(u"update acccompanymaster set Voucherno=%1 where CompanyCode=2"_s.arg(stored));
        exec(u"update AccCompanyVoucherNo set VoucherSlno=%1 where CompanyCode=2"_s.arg(stored));
        for (const Outcome<int> &next :
             {accounts().GetMaxVoucherNo(u"accvoucher2026"_s, 2), accounts().GetMaxSubVNo(5, 2, 1, year)}) {
            ASSERT_FALSE(next);
            EXPECT_EQ(next.error().number, kRefusedValue);
        }
        EXPECT_EQ(accounts().GetMaxVoucherNo(u"accvoucher2026"_s, 2).error().description, lastVoucherNo + c.reading);
        const auto block = accounts().GetMaxVoucherNoBlock(u"accvoucher2026"_s, 2, 3);
        ASSERT_FALSE(block);
        EXPECT_EQ(block.error().description, lastVoucherNo + c.reading);
        const auto subBlock = accounts().GetMaxSubVNoBlock(5, 2, 1, year, 3);
        ASSERT_FALSE(subBlock);
        EXPECT_EQ(subBlock.error().description, lastSubNo + c.reading);
    }
    // Blanks around a whole number are no part of it.
    exec(u"update acccompanymaster set Voucherno=' 12 ' where CompanyCode=2"_s);
    exec(u"update AccCompanyVoucherNo set VoucherSlno=' 150 ' where CompanyCode=2"_s);
    EXPECT_EQ(maxVoucherNo(2), 13);
    EXPECT_EQ(*accounts().GetMaxSubVNo(5, 2, 1, year), 151);
}

// The first call creates the serial row, which the caller's update must find; a block starts
// where the next single call would. Other codes, companies and years count on their own.
TEST_F(LedgerAccountsTest, SubVNoCreatesTheSerialRowAndABlockStartsWhereTheNextCallWould)
{
    const QString year = u"2026"_s;
    auto first = accounts().GetMaxSubVNoBlock(5, 2, 1, year, 3);
    ASSERT_TRUE(first) << first.error().description.toStdString();
    EXPECT_EQ(*first, 1);
    EXPECT_EQ(*accounts().GetMaxSubVNo(5, 2, 1, year), 1);
    exec(u"update AccCompanyVoucherNo set VoucherSlno=3 where CompanyCode='2' and VoucherCode=5 and "
         "TranYear='2026'"_s);
    EXPECT_EQ(*accounts().GetMaxSubVNoBlock(5, 2, 1, year, 1), 4);
    EXPECT_EQ(*accounts().GetMaxSubVNo(6, 2, 1, year), 1);
    EXPECT_EQ(*accounts().GetMaxSubVNo(5, 2, 1, u"2027"_s), 1);
    EXPECT_EQ(scalar(u"select count(*) from AccCompanyVoucherNo"_s), u"3");
}

TEST_F(LedgerAccountsTest, UpdateVoucherNoOnlyRaisesTheNumber)
{
    exec(u"update acccompanymaster set Voucherno=null where CompanyCode=3"_s);
    for (const int number : {10, 4})
        ASSERT_TRUE(accounts().UpdateVoucherNo(number, u"2"_s));
    ASSERT_TRUE(accounts().UpdateVoucherNo(3, u"3"_s));
    EXPECT_EQ(
        test::TestDatabase::joined(*m_session.db(), u"select Voucherno from acccompanymaster order by CompanyCode"_s),
        u"0,10,3");
}

class PurgeTest : public LedgerAccountsTest
{
protected:
    void SetUp() override
    {
        LedgerAccountsTest::SetUp();
        test::TestDatabase::execScript(*m_session.db(), test::testSourceFile(u"session/offline_vouchers.sql"_s));
    }

    QString left(const char *table)
    {
        return test::TestDatabase::joined(
            *m_session.db(),
            u"select CompanyCode,VoucherNo from %1 order by CompanyCode,VoucherNo"_s.arg(QString::fromLatin1(table)),
            u"/"_s, u" "_s);
    }
    void expectUntouched()
    {
        EXPECT_EQ(left("AccOffLineVoucher"), u"1/100 1/100 1/101 1/102 2/100");
        EXPECT_EQ(left("AccOffLinePending"), u"1/100 1/101 1/102 2/100");
    }
};

TEST_F(PurgeTest, RemovesOnlyTheDefaultCompanysPostedVouchers)
{
    // Inside the caller's transaction it leaves the commit to the caller.
    ASSERT_TRUE(m_session.db()->beginTransaction());
    ASSERT_TRUE(accounts().PURGEDATA(u"accvoucher2026"_s));
    EXPECT_TRUE(m_session.db()->inTransaction());
    ASSERT_TRUE(m_session.db()->rollbackTransaction());
    expectUntouched();

    ASSERT_TRUE(accounts().PURGEDATA(u"accvoucher2026"_s));
    for (const char *table : {"AccOffLineVoucher", "AccOffLinePending", "AccOffLineChequeDet"})
        EXPECT_EQ(left(table), u"1/101 1/102 2/100") << table;
    EXPECT_FALSE(m_session.db()->inTransaction());
}

TEST_F(PurgeTest, FailureLeavesTheDataAlone)
{
    EXPECT_FALSE(accounts().PURGEDATA(u"accvoucher1999"_s));
    expectUntouched();
    // A failure halfway undoes the earlier deletes.
    exec(u"drop table AccOffLineChequeDet"_s);
    EXPECT_FALSE(accounts().PURGEDATA(u"accvoucher2026"_s));
    EXPECT_FALSE(m_session.db()->inTransaction());
    expectUntouched();
}

TEST(AccountsComponent, CreatedByEveryProgramIdentifierOfTheFamily)
{
    for (const Product &product : products())
        EXPECT_TRUE(createAccountsComponent(postingProgId(product.code))) << product.code.toStdString();
    EXPECT_EQ(postingProgId(u"mart"_s), u"KormoLedger.clsQRXAccounts");
    auto created = createAccountsComponent(u"Other.clsQRXAccounts"_s);
    ASSERT_FALSE(created);
    EXPECT_EQ(created.error().number, 429);

    // Not yet connected, it refuses to work.
    EXPECT_FALSE((*createAccountsComponent(kToolsProgId))->PURGEDATA(u"accvoucher2026"_s));
}

using AccountsObjectCreationTest = test::SessionTest;

TEST_F(AccountsObjectCreationTest, FailureIsReportedAndShownAndLeavesNoComponent)
{
    // Without a connection the component cannot be set up.
    AccountsGuard accounts(m_session);
    EXPECT_FALSE(accounts.AccountsObjectCreation());
    EXPECT_FALSE(accounts.get());
    m_session.accountsFactory = [](const QString &progId) -> Outcome<std::unique_ptr<AccountsComponent>> {
        EXPECT_EQ(progId, kToolsProgId);
        return Error{429, u"ActiveX component can't create object"_s};
    };
    EXPECT_FALSE(accounts.AccountsObjectCreation());
    ASSERT_EQ(m_prompts.boxes().size(), 2);
    EXPECT_EQ(m_prompts.texts().at(1), u"Error Number : 429(Kindly note the Error number & Message. Inform the vendor)"
                                       u"\r\nMessage : ActiveX component can't create object");
    EXPECT_EQ(m_prompts.boxes().at(0).icon, PromptIcon::Critical);
    EXPECT_EQ(log().count(u"\r\nErrEvent : AccountsObjectCreation\r\n"_s), 2);
}

} // namespace
} // namespace vant
