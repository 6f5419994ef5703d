#include "login_fixture.h"

#include "session/login_window.h"
#include "session/md5.h"
#include "session/settings_store.h"

#include "main_window/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace vant::test {

namespace {

class LoginValidationTest : public LoginTest
{
protected:
    bool loggedIn() const { return m_program.mainWindow() != nullptr; }
    bool refused() const
    {
        return !loggedIn() && m_prompts.texts() == QStringList{QStringLiteral("Invalid Username or Password")};
    }
};

TEST_F(LoginValidationTest, PlainPasswordOpensTheMainWindow)
{
    start();
    QPointer<FrmDB> login = window();
    this->login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    ASSERT_TRUE(loggedIn());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_TRUE(m_program.mainWindow()->isVisible());
    EXPECT_EQ(m_program.mainWindow()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(m_program.loginWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(login.isNull());
    EXPECT_EQ(m_session.ProductCode, QStringLiteral("Accounts"));
    EXPECT_EQ(m_session.ProductDBKey, QStringLiteral("VANTDB"));
    EXPECT_NE(m_session.db(), nullptr);
    EXPECT_FALSE(programEnded());
}

TEST_F(LoginValidationTest, ChosenProductSetsItsCodeAndDatabaseKey)
{
    writeSetting(QStringLiteral("MartVantDB"), TestDatabase::kFileName);
    start();
    productName()->setCurrentIndex(productName()->findText(QStringLiteral("Kormo Mart")));
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    ASSERT_TRUE(loggedIn());
    EXPECT_EQ(m_session.ProductCode, QStringLiteral("Mart"));
    EXPECT_EQ(m_session.ProductDBKey, QStringLiteral("MartVANTDB"));
}

TEST_F(LoginValidationTest, DigestPasswordsAreComparedByDigest)
{
    execute({QStringLiteral("delete from psm_employee_master")});
    addEmployee(QStringLiteral("Admin"), PasswordDigest(QStringLiteral("secret1")));
    start();

    login(QStringLiteral("Admin"), PasswordDigest(QStringLiteral("secret1")));
    EXPECT_TRUE(refused());

    m_prompts.clear();
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));
    EXPECT_TRUE(loggedIn());
}

TEST_F(LoginValidationTest, FirstStoredPasswordDecidesForEveryUser)
{
    execute({QStringLiteral("delete from psm_employee_master")});
    addEmployee(QStringLiteral("Admin"), PasswordDigest(QStringLiteral("secret1")));
    addEmployee(QStringLiteral("Clerk"), QStringLiteral("plain"));
    start();

    login(QStringLiteral("Clerk"), QStringLiteral("plain"));
    EXPECT_TRUE(refused());
}

TEST_F(LoginValidationTest, PasswordWithoutADigestMatchesNothing)
{
    execute({QStringLiteral("delete from psm_employee_master")});
    addEmployee(QStringLiteral("Admin"), PasswordDigest(QStringLiteral("secret1")));
    addEmployee(QStringLiteral("Clerk"), QStringLiteral("Error"));
    start();

    // A character outside the single-byte code page cannot be digested.
    typeInto(userName(), QStringLiteral("Clerk"));
    password()->setText(QString(QChar(0x4e2d)));
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_TRUE(refused());
}

TEST_F(LoginValidationTest, QuotesAreMatchedLiterally)
{
    addEmployee(QStringLiteral("O'Neil"), QStringLiteral("it's"));
    start();

    login(QStringLiteral("O'Neil"), QStringLiteral("it's"));
    EXPECT_TRUE(loggedIn());
}

TEST_F(LoginValidationTest, QuotesNeverBreakTheStatement)
{
    start();
    login(QStringLiteral("Admin"), QStringLiteral("x' or '1'='1"));

    EXPECT_TRUE(refused());
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(LoginValidationTest, SemicolonsAreComparedAsBlanks)
{
    addEmployee(QStringLiteral("Ram Kumar"), QStringLiteral("pass word"));
    start();

    login(QStringLiteral("Ram;Kumar"), QStringLiteral("pass;word"));
    EXPECT_TRUE(loggedIn());
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(LoginValidationTest, SemicolonStatementIsNeverRun)
{
    start();
    login(QStringLiteral("Admin"), QStringLiteral("x';delete from psm_employee_master;--"));

    EXPECT_TRUE(refused());
    auto db = m_db.connect();
    EXPECT_EQ(TestDatabase::scalar(*db, QStringLiteral("select count(*) from psm_employee_master")),
              QStringLiteral("1"));
}

TEST_F(LoginValidationTest, LeadingBlanksAreKeptInTheComparison)
{
    start();
    login(QStringLiteral(" Admin"), QStringLiteral("secret1"));
    EXPECT_TRUE(refused());

    m_prompts.clear();
    login(QStringLiteral("Admin"), QStringLiteral(" secret1"));
    EXPECT_TRUE(refused());
}

TEST_F(LoginValidationTest, MissingEmployeeTableIsReportedAndTheLoginStays)
{
    execute({QStringLiteral("drop table psm_employee_master")});
    start();
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    EXPECT_FALSE(loggedIn());
    EXPECT_FALSE(programEnded());
    EXPECT_EQ(m_program.loginWindow(), window());
    ASSERT_FALSE(m_prompts.boxes().isEmpty());
    EXPECT_TRUE(m_prompts.boxes().constLast().text.startsWith(QStringLiteral("Error Number : ")));
    EXPECT_EQ(m_prompts.boxes().constLast().icon, PromptIcon::Critical);
    EXPECT_TRUE(logLines().contains(QStringLiteral("ErrForm : frmDB    ErrEvent : ValidateUser")));
}

TEST_F(LoginValidationTest, MissingVersionTableIsReportedAndTheLoginStays)
{
    execute({QStringLiteral("drop table QRX_PRODUCT_CONFIG")});
    start();
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    EXPECT_FALSE(loggedIn());
    EXPECT_FALSE(programEnded());
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_TRUE(m_prompts.boxes().constFirst().text.startsWith(QStringLiteral("Error Number : ")));
    EXPECT_TRUE(logLines().contains(QStringLiteral("ErrForm : frmDB    ErrEvent : CheckDBVersion")));
}

struct VersionCase
{
    const char *stored; // nullptr: no version row
    const char *mismatch;
};

class LoginVersionTest : public LoginValidationTest, public testing::WithParamInterface<VersionCase>
{
};

TEST_P(LoginVersionTest, OnlyThisProgramsVersionLogsIn)
{
    execute({QStringLiteral("delete from QRX_PRODUCT_CONFIG")});
    if (GetParam().stored) {
        execute({QStringLiteral("insert into QRX_PRODUCT_CONFIG(QPC_CRNT_VERID) values ('%1')")
                     .arg(QString::fromLatin1(GetParam().stored))});
    }
    start();
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    if (!GetParam().mismatch) {
        EXPECT_TRUE(m_prompts.boxes().isEmpty());
        EXPECT_TRUE(loggedIn());
        return;
    }
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().constFirst().text, QString::fromLatin1(GetParam().mismatch));
    EXPECT_EQ(m_prompts.boxes().constFirst().title, QStringLiteral("VANT Login"));
    EXPECT_EQ(m_prompts.boxes().constFirst().icon, PromptIcon::Critical);
    EXPECT_FALSE(loggedIn());
    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_EQ(m_session.db(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, LoginVersionTest,
    testing::Values(
        VersionCase{"5000", nullptr}, VersionCase{"5000.2", nullptr}, VersionCase{"  5000  ", nullptr},
        VersionCase{nullptr, nullptr},
        VersionCase{"500", "Exe Version: 5000  and DB Version: 500 mismatch. Please apply the latest patch"},
        VersionCase{"5001", "Exe Version: 5000  and DB Version: 5001 mismatch. Please apply the latest patch"}));

} // namespace

} // namespace vant::test
