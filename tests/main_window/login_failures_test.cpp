#include "login_fixture.h"

#include "support/test_environment.h"

#include "session/login_window.h"
#include "session/settings_store.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace vant::test {

namespace {

using Box = ScriptedPrompts::Box;
using Kind = ScriptedPrompts::Kind;

void expectOneBox(const ScriptedPrompts &prompts, const QString &text, const QString &title, PromptIcon icon)
{
    ASSERT_EQ(prompts.boxes().size(), 1) << prompts.texts().join(QStringLiteral(" | ")).toStdString();
    const Box &box = prompts.boxes().constFirst();
    EXPECT_EQ(box.kind, Kind::Message);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.icon, icon);
}

TEST_F(LoginTest, NoProductConfiguredStopsAtSelectProduct)
{
    clearSettings();
    start();
    ASSERT_EQ(productName()->count(), 0);

    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    expectOneBox(m_prompts, QStringLiteral("Select Product"), QStringLiteral("VantProcess"), PromptIcon::None);
    EXPECT_EQ(focused(), productName());
    EXPECT_EQ(m_session.db(), nullptr);
    EXPECT_FALSE(programEnded());
}

TEST_F(LoginTest, BlankUserNameStopsTheLogin)
{
    start();
    login(QStringLiteral("   "), QStringLiteral("secret1"));

    expectOneBox(m_prompts, QStringLiteral("Enter User name "), QStringLiteral("VantProcess"), PromptIcon::None);
    EXPECT_EQ(focused(), userName());
    EXPECT_EQ(m_session.db(), nullptr);
}

TEST_F(LoginTest, BlankPasswordStopsTheLogin)
{
    start();
    typeInto(password(), QStringLiteral("  "));
    window()->DoLogin();

    expectOneBox(m_prompts, QStringLiteral("Enter Password "), QStringLiteral("VantProcess"), PromptIcon::None);
    EXPECT_EQ(focused(), password());
    EXPECT_EQ(m_session.db(), nullptr);
}

TEST_F(LoginTest, MissingLoginValueRefusesTheConnection)
{
    writeSetting(QStringLiteral("Login"), QString());
    start();
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    expectOneBox(m_prompts, QStringLiteral("Database Connectin failed..."), QStringLiteral("VantProcess"),
                 PromptIcon::Critical);
    EXPECT_EQ(focused(), password());
    EXPECT_EQ(m_program.loginWindow(), window());
    EXPECT_FALSE(programEnded());
}

TEST_F(LoginTest, UnreachableDatabaseShowsTheErrorThenTheFailure)
{
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("missing.db"));
    start();
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    ASSERT_EQ(m_prompts.boxes().size(), 2);
    EXPECT_TRUE(m_prompts.boxes().at(0).text.startsWith(QStringLiteral("4060\n")));
    EXPECT_EQ(m_prompts.boxes().at(1).text, QStringLiteral("Database Connectin failed..."));
    EXPECT_EQ(m_prompts.boxes().at(1).icon, PromptIcon::Critical);
    EXPECT_FALSE(programEnded());
}

TEST_F(LoginTest, WrongPasswordKeepsItsTextAndTheFocus)
{
    start();
    login(QStringLiteral("Admin"), QStringLiteral("wrong"));

    expectOneBox(m_prompts, QStringLiteral("Invalid Username or Password"), QStringLiteral("VANT Login"),
                 PromptIcon::Critical);
    EXPECT_EQ(focused(), password());
    EXPECT_EQ(password()->text(), QStringLiteral("wrong"));
    EXPECT_EQ(m_program.mainWindow(), nullptr);
}

TEST_F(LoginTest, EveryAttemptMayTryAgain)
{
    start();
    login(QStringLiteral("Admin"), QStringLiteral("wrong"));
    login(QStringLiteral("Nobody"), QStringLiteral("secret1"));
    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    EXPECT_EQ(m_prompts.texts(), QStringList(2, QStringLiteral("Invalid Username or Password")));
    EXPECT_NE(m_program.mainWindow(), nullptr);
}

TEST_F(LoginTest, BlankDatabaseNameEndsTheProgram)
{
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("   "));
    start();
    ASSERT_EQ(productName()->currentText(), QStringLiteral("Kormo Vant"));

    login(QStringLiteral("Admin"), QStringLiteral("secret1"));

    expectOneBox(m_prompts, QStringLiteral("DB Creator is not Executed yet. Please execute it."),
                 QStringLiteral("VantProcess"), PromptIcon::None);
    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_EQ(m_program.mainWindow(), nullptr);
}

} // namespace

} // namespace vant::test
