// The login of vantctl: the login window's settings, checks, messages and log entries,
// then the company context that check prints.
#include "vantctl_fixture.h"

#include "session/settings_store.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>

namespace vant::test {
namespace {

using VantctlLoginTest = VantctlTest;

TEST_F(VantctlLoginTest, CheckPrintsTheDefaultCompanyAndItsYear)
{
    const CtlRun run = runAsAdmin({QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, QStringLiteral("Product        : Kormo Vant\n"
                                      "Company        : 1 Kormo Traders\n"
                                      "Financial year : 2026 (01-04-2026 to 31-03-2027)\n"
                                      "Voucher table  : accvoucher2026\n"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlLoginTest, RefusedLoginsGiveTheWindowsMessagesAndStatusOne)
{
    struct Case
    {
        QStringList arguments;
        QString message;
    };
    const QList<Case> cases = {
        {{QStringLiteral("--user"), QStringLiteral("Admin"), QStringLiteral("--password"), QStringLiteral("wrong")},
         QStringLiteral("Invalid Username or Password\n")},
        {{QStringLiteral("--user"), QStringLiteral("  "), QStringLiteral("--password"), QStringLiteral("vant")},
         QStringLiteral("Enter User name \n")},
        {{QStringLiteral("--user"), QStringLiteral("Admin"), QStringLiteral("--password"), QStringLiteral(" ")},
         QStringLiteral("Enter Password \n")},
        // Compared untrimmed, as the window compares what was typed.
        {{QStringLiteral("--user"), QStringLiteral(" Admin"), QStringLiteral("--password"), QStringLiteral("vant")},
         QStringLiteral("Invalid Username or Password\n")},
        // A product whose database is not configured here is not in the login's list.
        {{QStringLiteral("--product"), QStringLiteral("Kormo Lite"), QStringLiteral("--user"), QStringLiteral("Admin"),
          QStringLiteral("--password"), QStringLiteral("vant")},
         QStringLiteral("Select Product\n")},
    };
    for (const Case &c : cases) {
        const CtlRun run = this->run(c.arguments + QStringList{QStringLiteral("check")});
        EXPECT_EQ(run.exitCode, 1) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err, c.message) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run.out, QString());
    }
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlLoginTest, TheProductIsNamedWithoutRegardToCase)
{
    const CtlRun result = run({QStringLiteral("--product"), QStringLiteral("kormo vant"), QStringLiteral("--user"),
                            QStringLiteral("Admin"), QStringLiteral("--password"), QStringLiteral("vant"),
                            QStringLiteral("check")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
}

TEST_F(VantctlLoginTest, NoDatabaseConfiguredEndsAtTheFirstCheck)
{
    clearSettings();
    const CtlRun run = runAsAdmin({QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Select Product\n"));
}

TEST_F(VantctlLoginTest, AConnectionThatCannotBeOpenedIsRefused)
{
    writeSetting(QStringLiteral("Server"), QDir(m_programDir.path()).filePath(QStringLiteral("missing")));
    const CtlRun run = runAsAdmin({QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("\nDatabase Connectin failed...\n"))) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
}

TEST_F(VantctlLoginTest, AVersionMismatchIsRefused)
{
    execute({QStringLiteral("update QRX_PRODUCT_CONFIG set QPC_CRNT_VERID='4900'")});
    const CtlRun run = runAsAdmin({QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              QStringLiteral("Exe Version: 5000  and DB Version: 4900 mismatch. Please apply the latest patch\n"));
    EXPECT_EQ(run.out, QString());
}

TEST_F(VantctlLoginTest, FailedLoginQueriesAreLoggedAsTheLoginWindowLogsThem)
{
    struct Case
    {
        QString statement;
        QStringList events;
    };
    const QList<Case> cases = {
        // The version is checked after the user, so the version table goes first.
        {QStringLiteral("drop table QRX_PRODUCT_CONFIG"), {QStringLiteral("ErrForm : frmDB    ErrEvent : CheckDBVersion")}},
        {QStringLiteral("drop table psm_employee_master"),
         {QStringLiteral("ErrEvent : GetValueFromTbl"), QStringLiteral("ErrForm : frmDB    ErrEvent : ValidateUser")}},
    };
    for (const Case &c : cases) {
        execute({c.statement});
        const CtlRun run = runAsAdmin({QStringLiteral("check")});
        EXPECT_EQ(run.exitCode, 1) << c.statement.toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Error Number : "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("(Kindly note the Error number & Message. Inform the vendor)\nMessage : ")));
        EXPECT_EQ(run.out, QString());

        const QStringList log = logLines();
        EXPECT_EQ(log.size(), 5 * c.events.size());
        QStringList events;
        for (const QString &line : log) {
            if (line.startsWith(QStringLiteral("ErrEvent")) || line.startsWith(QStringLiteral("ErrForm")))
                events << line;
        }
        EXPECT_EQ(events, c.events);
        QFile::remove(QDir(m_programDir.path()).filePath(QStringLiteral("vantlog.txt")));
    }
}

TEST_F(VantctlLoginTest, CheckRefusesADatabaseWithoutDefaultCompany)
{
    execute({QStringLiteral("update acccompanymaster set DefaultCompany='N'")});
    const CtlRun run = runAsAdmin({QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("No default company in the company master\n"));
}

} // namespace
} // namespace vant::test
