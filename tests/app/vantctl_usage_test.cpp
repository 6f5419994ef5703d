// The command line of vantctl: help, and the usage errors that stop it before any login.
#include "vantctl_fixture.h"

namespace vant::test {
namespace {

using VantctlUsageTest = VantctlTest;

TEST_F(VantctlUsageTest, HelpNamesEveryCommandAndEachCommandHasItsOwn)
{
    const CtlRun general = run({QStringLiteral("--help")});
    EXPECT_EQ(general.exitCode, 0);
    EXPECT_EQ(general.err, QString());
    for (const char *command : {"check", "transfer", "post", "purge"}) {
        EXPECT_TRUE(general.out.contains(QStringLiteral("  %1 ").arg(QLatin1String(command)))) << command;
        const CtlRun help = run({QLatin1String(command), QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: vantctl [--product NAME] --user U --password P %1")
                                            .arg(QLatin1String(command))))
            << help.out.toStdString();
    }
}

TEST_F(VantctlUsageTest, UsageErrorsExitWithTwoBeforeAnyLogin)
{
    struct Case
    {
        QStringList arguments;
        QString error;
    };
    const QString login = QStringLiteral("--user Admin --password vant ");
    const QList<Case> cases = {
        {{}, QStringLiteral("no command given")},
        {{QStringLiteral("status")}, QStringLiteral("unknown command \"status\"")},
        {{QStringLiteral("check"), QStringLiteral("--force")}, QStringLiteral("unknown option --force")},
        {{QStringLiteral("check"), QStringLiteral("--user")}, QStringLiteral("option --user needs a value")},
        {{QStringLiteral("check"), QStringLiteral("--yes=1")}, QStringLiteral("option --yes takes no value")},
        {(login + QStringLiteral("check now")).split(u' '), QStringLiteral("unexpected argument \"now\"")},
        {(login + QStringLiteral("check --yes")).split(u' '), QStringLiteral("option --yes does not apply to check")},
        {(login + QStringLiteral("post --dest 2")).split(u' '), QStringLiteral("option --dest does not apply to post")},
        {QStringLiteral("--password vant check").split(u' '), QStringLiteral("--user is required")},
        {(QStringLiteral("--product Vant ") + login + QStringLiteral("check")).split(u' '),
         QStringLiteral("unknown product \"Vant\"")},
        {(login + QStringLiteral("transfer --dest 2 --from 2026-04-01")).split(u' '),
         QStringLiteral("--to is required")},
        {(login + QStringLiteral("transfer --dest 2 --from 2026-04-01 --to 01-05-2026")).split(u' '),
         QStringLiteral("--to needs a date written YYYY-MM-DD, not \"01-05-2026\"")},
        {(login + QStringLiteral("transfer --dest 2 --from 2026-02-30 --to 2026-05-01")).split(u' '),
         QStringLiteral("--from needs a date written YYYY-MM-DD")},
        {(login + QStringLiteral("post --date 2026-05-01 --division 1 --voucher-type SA --trans-type CA")).split(u' '),
         QStringLiteral("post needs either --all or one or more --voucher N")},
        {(login + QStringLiteral("post --date 2026-05-01 --division 1 --voucher-type SA --trans-type CA --all "
                                 "--voucher 7"))
             .split(u' '),
         QStringLiteral("post needs either --all or one or more --voucher N")},
        {(login + QStringLiteral("post --date 2026-05-01 --division 1 --voucher-type JV --trans-type CA --all"))
             .split(u' '),
         QStringLiteral("--voucher-type is one of SA, PU, SR, PR, not \"JV\"")},
        {(login + QStringLiteral("post --date 2026-05-01 --division one --voucher-type SA --trans-type CA --all"))
             .split(u' '),
         QStringLiteral("--division needs a division code, not \"one\"")},
        {(login + QStringLiteral("post --date 2026-05-01 --division 1 --voucher-type SA --trans-type CA --voucher x"))
             .split(u' '),
         QStringLiteral("--voucher needs an off-line voucher number, not \"x\"")},
        {(login + QStringLiteral("post --date 2026-05-01 --division 1 --voucher-type SA --trans-type CA --all "
                                 "--actype 3"))
             .split(u' '),
         QStringLiteral("--actype is 1 or 2, not \"3\"")},
    };
    for (const Case &c : cases) {
        const CtlRun run = this->run(c.arguments);
        const std::string label = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << label;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("vantctl: ") + c.error)) << label << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith(QStringLiteral("Try 'vantctl --help' for more information.\n"))) << label;
        EXPECT_EQ(run.out, QString()) << label;
    }
    EXPECT_TRUE(logLines().isEmpty());
}

} // namespace
} // namespace vant::test
