#include "session/ledger_accounts.h"
#include "session/products.h"
#include "session/session.h"

#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::ScriptedPrompts;
using test::TestDatabase;

class LedgerAccountsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_session.DBConnection = m_file.connect();
        ASSERT_TRUE(m_session.db());
        TestDatabase::seedCompanies(*m_session.db());
        ASSERT_TRUE(AccountsObjectCreation(m_session));
        ASSERT_TRUE(m_session.AccountsObject);
    }

    AccountsComponent &accounts() { return *m_session.AccountsObject; }
    void exec(const QString &statement) { TestDatabase::exec(*m_session.db(), {statement}); }
    QString scalar(const QString &statement) { return TestDatabase::scalar(*m_session.db(), statement); }

    QString log() const
    {
        QFile file(m_logPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    TestDatabase m_file;
    QTemporaryDir m_logFolder;
    QString m_logPath = QDir(m_logFolder.path()).filePath(QStringLiteral("vantlog.txt"));
    ScriptedPrompts m_prompts;
    Session m_session{m_prompts, m_logPath};
};

TEST_F(LedgerAccountsTest, MaxVoucherNoIsTheNextNumber)
{
    auto next = accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 2);
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, 1);

    exec(QStringLiteral("update acccompanymaster set Voucherno=41 where CompanyCode=2"));
    EXPECT_EQ(*accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 2), 42);

    exec(QStringLiteral("update acccompanymaster set Voucherno=null where CompanyCode=3"));
    EXPECT_EQ(*accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 3), 1);
}

TEST_F(LedgerAccountsTest, MaxVoucherNoIsMinusOneWhenTheNumberIsTaken)
{
    exec(QStringLiteral("update acccompanymaster set Voucherno=41 where CompanyCode=2"));
    exec(QStringLiteral("insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt) values (3,42,'2026-04-02')"));
    EXPECT_EQ(*accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 2), 42);
    exec(QStringLiteral("insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt) values (2,42,'2026-04-02')"));
    EXPECT_EQ(*accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 2), -1);
}

TEST_F(LedgerAccountsTest, MaxVoucherNoOfAMissingCompanyIsZero)
{
    EXPECT_EQ(*accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 99), 0);
}

TEST_F(LedgerAccountsTest, MaxVoucherNoOnAMissingVoucherTableFails)
{
    EXPECT_FALSE(accounts().GetMaxVoucherNo(QStringLiteral("accvoucher1999"), 2));
}

TEST_F(LedgerAccountsTest, MaxSubVNoCreatesTheSerialRowForTheUpdate)
{
    auto serial = accounts().GetMaxSubVNo(5, 2, 1, QStringLiteral("2026"));
    ASSERT_TRUE(serial) << serial.error().description.toStdString();
    EXPECT_EQ(*serial, 1);
    EXPECT_EQ(scalar(QStringLiteral("select VoucherSlno from AccCompanyVoucherNo where CompanyCode=2 and "
                                    "VoucherCode=5 and TranYear='2026'")),
              u"0");

    // The caller records the serial with an update, which must find the row.
    exec(QStringLiteral("update AccCompanyVoucherNo set VoucherSlno=1 where CompanyCode='2' and VoucherCode=5 and "
                        "TranYear='2026'"));
    EXPECT_EQ(*accounts().GetMaxSubVNo(5, 2, 1, QStringLiteral("2026")), 2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from AccCompanyVoucherNo")), u"1");

    // Other codes, companies and years count on their own.
    EXPECT_EQ(*accounts().GetMaxSubVNo(6, 2, 1, QStringLiteral("2026")), 1);
    EXPECT_EQ(*accounts().GetMaxSubVNo(5, 3, 1, QStringLiteral("2026")), 1);
    EXPECT_EQ(*accounts().GetMaxSubVNo(5, 2, 1, QStringLiteral("2027")), 1);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from AccCompanyVoucherNo")), u"4");
}

TEST_F(LedgerAccountsTest, UpdateVoucherNoOnlyRaisesTheNumber)
{
    ASSERT_TRUE(accounts().UpdateVoucherNo(10, QStringLiteral("2")));
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=2")), u"10");
    ASSERT_TRUE(accounts().UpdateVoucherNo(4, QStringLiteral("2")));
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=2")), u"10");
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=3")), u"0");

    exec(QStringLiteral("update acccompanymaster set Voucherno=null where CompanyCode=3"));
    ASSERT_TRUE(accounts().UpdateVoucherNo(3, QStringLiteral("3")));
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=3")), u"3");
    EXPECT_EQ(*accounts().GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 3), 4);
}

class PurgeTest : public LedgerAccountsTest
{
protected:
    void SetUp() override
    {
        LedgerAccountsTest::SetUp();
        // Company 1 (default): voucher 100 posted, 101 waiting, 102 marked 'N'.
        // Company 2: voucher 100 posted too, but it is not the default company.
        const struct { int company; int voucher; const char *moved; } lines[] = {
            {1, 100, "'Y'"}, {1, 100, "'Y'"}, {1, 101, "null"}, {1, 102, "'N'"}, {2, 100, "'Y'"}};
        for (const auto &line : lines) {
            exec(QStringLiteral("insert into AccOffLineVoucher(CompanyCode,VoucherNo,VoucherDt,CrDr,Amount,Moved) "
                                "values (%1,%2,'2026-04-03','D',10,%3)")
                     .arg(line.company)
                     .arg(line.voucher)
                     .arg(QString::fromLatin1(line.moved)));
        }
        for (const auto &[company, voucher] : {std::pair{1, 100}, std::pair{1, 101}, std::pair{1, 102},
                                               std::pair{2, 100}}) {
            exec(QStringLiteral("insert into AccOffLinePending(CompanyCode,VoucherNo,billamount) values (%1,%2,10)")
                     .arg(company)
                     .arg(voucher));
            exec(QStringLiteral("insert into AccOffLineChequeDet(CompanyCode,VoucherNo,ChequeNo) values (%1,%2,'C%2')")
                     .arg(company)
                     .arg(voucher));
        }
    }

    QString left(const QString &table)
    {
        QStringList rows;
        auto rs = m_session.db()->openRecordset(QStringLiteral("select CompanyCode,VoucherNo from ") + table
                                                + QStringLiteral(" order by CompanyCode,VoucherNo"));
        EXPECT_TRUE(bool(rs));
        for (; rs && !rs->eof(); rs->moveNext())
            rows << rs->text(0) + QLatin1Char('/') + rs->text(1);
        return rows.join(QLatin1Char(' '));
    }
};

TEST_F(PurgeTest, RemovesOnlyTheDefaultCompanysPostedVouchers)
{
    ASSERT_TRUE(accounts().PURGEDATA(QStringLiteral("accvoucher2026")));
    EXPECT_EQ(left(QStringLiteral("AccOffLineVoucher")), u"1/101 1/102 2/100");
    EXPECT_EQ(left(QStringLiteral("AccOffLinePending")), u"1/101 1/102 2/100");
    EXPECT_EQ(left(QStringLiteral("AccOffLineChequeDet")), u"1/101 1/102 2/100");
    EXPECT_FALSE(m_session.db()->inTransaction());
}

TEST_F(PurgeTest, MissingVoucherTableFailsAndLeavesTheDataAlone)
{
    EXPECT_FALSE(accounts().PURGEDATA(QStringLiteral("accvoucher1999")));
    EXPECT_EQ(left(QStringLiteral("AccOffLineVoucher")), u"1/100 1/100 1/101 1/102 2/100");
    EXPECT_EQ(left(QStringLiteral("AccOffLinePending")), u"1/100 1/101 1/102 2/100");
    EXPECT_EQ(left(QStringLiteral("AccOffLineChequeDet")), u"1/100 1/101 1/102 2/100");
}

TEST_F(PurgeTest, FailureHalfwayUndoesTheEarlierDeletes)
{
    exec(QStringLiteral("drop table AccOffLineChequeDet"));
    EXPECT_FALSE(accounts().PURGEDATA(QStringLiteral("accvoucher2026")));
    EXPECT_FALSE(m_session.db()->inTransaction());
    EXPECT_EQ(left(QStringLiteral("AccOffLinePending")), u"1/100 1/101 1/102 2/100");
    EXPECT_EQ(left(QStringLiteral("AccOffLineVoucher")), u"1/100 1/100 1/101 1/102 2/100");
}

TEST_F(PurgeTest, InsideTheCallersTransactionItLeavesTheCommitToTheCaller)
{
    ASSERT_TRUE(m_session.db()->beginTransaction());
    ASSERT_TRUE(accounts().PURGEDATA(QStringLiteral("accvoucher2026")));
    EXPECT_TRUE(m_session.db()->inTransaction());
    ASSERT_TRUE(m_session.db()->rollbackTransaction());
    EXPECT_EQ(left(QStringLiteral("AccOffLineVoucher")), u"1/100 1/100 1/101 1/102 2/100");
}

TEST(AccountsComponent, EveryProgramIdentifierOfTheFamilyCreatesIt)
{
    for (const QString &progId : {kToolsProgId, QStringLiteral("KormoLedger.clsQRXAccounts"),
                                  QStringLiteral("KormoLedgerLite6.clsQRXAccounts"),
                                  QStringLiteral("KormoLedgerMart6.clsQRXAccounts"),
                                  QStringLiteral("KormoLedgerMart7.clsQRXAccounts")}) {
        auto created = createAccountsComponent(progId);
        ASSERT_TRUE(created) << progId.toStdString();
        EXPECT_TRUE(*created);
    }
    for (const Product &product : products())
        EXPECT_TRUE(createAccountsComponent(postingProgId(product.code))) << product.code.toStdString();
}

TEST(AccountsComponent, PostingPicksTheComponentByProductCode)
{
    EXPECT_EQ(postingProgId(QStringLiteral("Lite")), u"KormoLedgerLite6.clsQRXAccounts");
    EXPECT_EQ(postingProgId(QStringLiteral("Mart")), u"KormoLedgerMart6.clsQRXAccounts");
    EXPECT_EQ(postingProgId(QStringLiteral("Mart7")), u"KormoLedgerMart7.clsQRXAccounts");
    EXPECT_EQ(postingProgId(QStringLiteral("Accounts")), u"KormoLedger.clsQRXAccounts");
    EXPECT_EQ(postingProgId(QString()), u"KormoLedger.clsQRXAccounts");
    EXPECT_EQ(postingProgId(QStringLiteral("mart")), u"KormoLedger.clsQRXAccounts");
}

TEST(AccountsComponent, UnknownProgramIdentifierFails)
{
    auto created = createAccountsComponent(QStringLiteral("Other.clsQRXAccounts"));
    ASSERT_FALSE(created);
    EXPECT_EQ(created.error().number, 429);
    EXPECT_FALSE(createAccountsComponent(QString()));
}

TEST(AccountsComponent, UnconnectedComponentRefusesEveryOperation)
{
    auto created = createAccountsComponent(kToolsProgId);
    ASSERT_TRUE(created);
    AccountsComponent &component = **created;
    EXPECT_FALSE(component.GetMaxVoucherNo(QStringLiteral("accvoucher2026"), 1));
    EXPECT_FALSE(component.GetMaxSubVNo(1, 1, 1, QStringLiteral("2026")));
    EXPECT_FALSE(component.UpdateVoucherNo(1, QStringLiteral("1")));
    EXPECT_FALSE(component.PURGEDATA(QStringLiteral("accvoucher2026")));
}

TEST(AccountsObjectCreation, FailureIsReportedAndShownAndLeavesNoComponent)
{
    QTemporaryDir folder;
    const QString logPath = QDir(folder.path()).filePath(QStringLiteral("vantlog.txt"));
    ScriptedPrompts prompts;
    Session session(prompts, logPath);
    session.AccountsObject = std::move(*createAccountsComponent(kToolsProgId));
    EXPECT_FALSE(AccountsObjectCreation(session));
    EXPECT_FALSE(session.AccountsObject);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Critical);
    EXPECT_TRUE(prompts.boxes().at(0).text.startsWith(QStringLiteral("Error Number : ")));

    session.accountsFactory = [](const QString &progId) -> Outcome<std::unique_ptr<AccountsComponent>> {
        EXPECT_EQ(progId, kToolsProgId);
        return Error{429, QStringLiteral("ActiveX component can't create object")};
    };
    EXPECT_FALSE(AccountsObjectCreation(session));
    EXPECT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(prompts.boxes().at(1).text,
              u"Error Number : 429(Kindly note the Error number & Message. Inform the vendor)\r\n"
              u"Message : ActiveX component can't create object");

    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(log.readAll()).count(QStringLiteral("\r\nErrEvent : AccountsObjectCreation\r\n")), 2);
}

TEST(AccountsObjectCreation, CloseReleasesTheComponent)
{
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    Session session(prompts, QDir(folder.path()).filePath(QStringLiteral("vantlog.txt")));
    session.AccountsObject = std::move(*createAccountsComponent(kToolsProgId));
    CloseAccountsObject(session);
    EXPECT_FALSE(session.AccountsObject);
    CloseAccountsObject(session);
}

} // namespace
} // namespace vant
