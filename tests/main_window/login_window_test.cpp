#include "login_fixture.h"

#include "session/login_window.h"
#include "session/products.h"
#include "session/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

namespace vant::test {

namespace {

class LoginWindowTest : public LoginTest
{
protected:
    void SetUp() override { start(); }
};

TEST_F(LoginWindowTest, OpensWithAdminAndTheFocusInTheUserName)
{
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Login"));
    EXPECT_EQ(userName()->text(), QStringLiteral("Admin"));
    EXPECT_TRUE(password()->text().isEmpty());
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(password()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password()), '*');
    EXPECT_EQ(focused(), userName());
    EXPECT_EQ(productName()->currentText(), QStringLiteral("Kormo Vant"));
}

TEST_F(LoginWindowTest, LabelsStandBesideTheirFields)
{
    const QList<QLabel *> labels = window()->findChildren<QLabel *>();
    QMap<QString, QWidget *> buddies;
    for (QLabel *label : labels)
        buddies.insert(label->text(), label->buddy());
    EXPECT_EQ(buddies.value(QStringLiteral("Product Name")), productName());
    EXPECT_EQ(buddies.value(QStringLiteral("Login ID")), userName());
    EXPECT_EQ(buddies.value(QStringLiteral("Password")), password());
    EXPECT_LT(productName()->y(), userName()->y());
    EXPECT_LT(userName()->y(), password()->y());
}

TEST_F(LoginWindowTest, SizeFontAndColours)
{
    const qreal dpi = window()->logicalDpiX();
    EXPECT_EQ(window()->size(), QSize(twipsToPixels(5970, dpi), twipsToPixels(5580, dpi)));
    EXPECT_EQ(userName()->x(), twipsToPixels(3720, dpi));
    EXPECT_EQ(userName()->width(), twipsToPixels(1875, dpi));
    EXPECT_EQ(window()->font().family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(window()->font().bold());
    EXPECT_DOUBLE_EQ(window()->font().pointSizeF(), 8.25);
    EXPECT_EQ(window()->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

TEST(TwipsTest, FifteenTwipsPerPixelAtNinetySixDpi)
{
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(5970, 96), 398);
    EXPECT_EQ(twipsToPixels(1440, 192), 192);
}

TEST_F(LoginWindowTest, EnterInTheUserNameMovesOnOnlyWithAName)
{
    typeInto(userName(), QStringLiteral("   "));
    QTest::keyClick(userName(), Qt::Key_Return);
    EXPECT_EQ(focused(), userName());

    typeInto(userName(), QStringLiteral("Admin"));
    QTest::keyClick(userName(), Qt::Key_Return);
    EXPECT_EQ(focused(), password());
}

TEST_F(LoginWindowTest, EnterInAnEmptyPasswordDoesNotLogIn)
{
    typeInto(password(), QStringLiteral("  "));
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_EQ(m_session.db(), nullptr);
    EXPECT_EQ(window(), m_program.loginWindow());
}

TEST_F(LoginWindowTest, EnterInTheProductListWrapsToTheUserName)
{
    productName()->setFocus();
    QTest::keyClick(productName(), Qt::Key_Return);
    EXPECT_EQ(focused(), userName());
}

TEST_F(LoginWindowTest, UpArrowMovesBack)
{
    password()->setFocus();
    QTest::keyClick(password(), Qt::Key_Up);
    EXPECT_EQ(focused(), userName());
    QTest::keyClick(userName(), Qt::Key_Up);
    EXPECT_EQ(focused(), productName());
}

TEST_F(LoginWindowTest, EnterNeverReachesTheFields)
{
    QSignalSpy userEnter(userName(), &QLineEdit::returnPressed);
    QSignalSpy passwordEnter(password(), &QLineEdit::returnPressed);
    QTest::keyClick(userName(), Qt::Key_Return);
    QTest::keyClick(password(), Qt::Key_Enter);
    EXPECT_EQ(userEnter.count(), 0);
    EXPECT_EQ(passwordEnter.count(), 0);
    EXPECT_EQ(userName()->text(), QStringLiteral("Admin"));
}

class LoginEscapeTest : public LoginWindowTest, public testing::WithParamInterface<const char *>
{
};

TEST_P(LoginEscapeTest, RunsExitApplication)
{
    auto created = createAccountsComponent(kToolsProgId);
    ASSERT_TRUE(created);
    m_session.AccountsObject = std::move(*created);
    m_session.DBConnection = m_db.connect();
    FrmDB *login = window();

    QTest::keyClick(login->findChild<QWidget *>(QString::fromLatin1(GetParam())), Qt::Key_Escape);

    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_EQ(m_session.AccountsObject, nullptr);
    EXPECT_EQ(m_session.db(), nullptr);
    EXPECT_FALSE(login->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryField, LoginEscapeTest,
                         testing::Values("txtUserName", "txtPassword", "cboProductName"));

TEST_F(LoginWindowTest, ClosingTheWindowEndsTheProgram)
{
    window()->close();
    EXPECT_EQ(m_endCodes, QList<int>{0});
}

} // namespace

} // namespace vant::test
