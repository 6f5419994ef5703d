// vantctl's command line and its login: help, the usage errors that stop it before any
// login, then check with the login window's settings, checks, messages and log entries.
#include "vantctl_fixture.h"

#include "session/settings_store.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <functional>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// Help names every command and each command has its own; usage errors exit with 2 before any login.
TEST_F(VantctlTest, HelpAndUsageErrorsComeBeforeAnyLogin)
{
    const CtlRun general = run({u"--help"_s});
    EXPECT_EQ(general.exitCode, 0);
    EXPECT_EQ(general.err, QString());
    for (const QString &command : {u"check"_s, u"transfer"_s, u"post"_s, u"purge"_s}) {
        EXPECT_TRUE(general.out.contains(u"  %1 "_s.arg(command))) << command.toStdString();
        const CtlRun help = run({command, u"--help"_s});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(u"Usage: vantctl [--product NAME] --user U "_s + command));
    }

    const QString login = u"--user Admin --password vant "_s;
    const QString transfer = login + u"transfer --dest 2 --from 2026-04-01"_s;
    const QString post = login + u"post --date 2026-05-01 --division 1 --voucher-type SA --trans-type "_s;
    const QList<std::pair<QString, QString>> cases = {
        {QString(), u"no command given"_s},
        {u"status"_s, u"unknown command \"status\""_s},
        {u"check --force"_s, u"unknown option --force"_s},
        {u"check --user"_s, u"option --user needs a value"_s},
        {u"check --yes=1"_s, u"option --yes takes no value"_s},
        {login + u"check now"_s, u"unexpected argument \"now\""_s},
        {login + u"post --dest 2"_s, u"option --dest does not apply to post"_s},
        {u"--password vant check"_s, u"--user is required"_s},
        {u"--product Vant "_s + login + u"check"_s, u"unknown product \"Vant\""_s},
        {transfer, u"--to is required"_s},
        {transfer + u" --to 01-05-2026"_s, u"--to needs a date written YYYY-MM-DD, not \"01-05-2026\""_s},
        {QString(transfer).replace(u"04-01"_s, u"02-30"_s) + u" --to 2026-05-01"_s,
         u"--from needs a date written YYYY-MM-DD"_s},
        {post + u"CA"_s, u"post needs either --all or one or more --voucher N"_s},
        {post + u"CA --all --voucher 7"_s, u"post needs either --all or one or more --voucher N"_s},
        {post + u"CA --voucher x"_s, u"--voucher needs an off-line voucher number, not \"x\""_s},
        {post + u"CA --all --actype 3"_s, u"--actype is 1 or 2, not \"3\""_s},
        {post + u"XX --all"_s, u"--trans-type for SA is one of CA, CR, CH, CO, CC, SP, not \"XX\""_s},
        {QString(post).replace(u"SA"_s, u"JV"_s) + u"CA --all"_s,
         u"--voucher-type is one of SA, PU, SR, PR, not \"JV\""_s},
        {QString(post).replace(u" 1 "_s, u" one "_s) + u"CA --all"_s,
         u"--division needs a division code, not \"one\""_s},
    };
    for (const auto &[arguments, error] : cases) {
        SCOPED_TRACE(arguments.toStdString());
        const CtlRun run = this->run(arguments.split(u' ', Qt::SkipEmptyParts));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(u"vantctl: "_s + error)) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith(u"Try 'vantctl --help' for more information.\n"_s));
        EXPECT_EQ(run.out, QString());
    }
    EXPECT_TRUE(logLines().isEmpty());
}

// Check prints the default company of a product named in any case, and refuses as the login window
// does, logging what it logs.
TEST_F(VantctlTest, CheckPrintsTheDefaultCompanyOrRefusesAsTheLoginWindowDoes)
{
    const CtlRun run = runAsAdmin({u"--product"_s, u"kormo vant"_s, u"check"_s});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, u"Product        : Kormo Vant\nCompany        : 1 Kormo Traders\n"
                       u"Financial year : 2026 (01-04-2026 to 31-03-2027)\nVoucher table  : accvoucher2026\n"_s);
    EXPECT_TRUE(logLines().isEmpty());

    const CtlRun json = runAsAdmin({u"check"_s, u"--json"_s});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object(),
              QJsonObject({{u"product"_s, u"Kormo Vant"_s},
                           {u"company"_s, u"1"_s},
                           {u"companyName"_s, u"Kormo Traders"_s},
                           {u"financialYear"_s, u"2026"_s},
                           {u"from"_s, u"2026-04-01"_s},
                           {u"to"_s, u"2027-03-31"_s},
                           {u"voucherTable"_s, u"accvoucher2026"_s}}));

    struct Case
    {
        QStringList login;
        std::function<void()> arrange;
        QString err; // one '*' may stand for any text
        QStringList events = {};
    };
    const QStringList admin = u"--user Admin --password vant"_s.split(u' ');
    const QString invalid = u"Invalid Username or Password\n"_s, select = u"Select Product\n"_s;
    const QString trapped = u"Error Number : *"_s; // the error's box
    // The login's checks and texts are the login window's; here, how vantctl shows them, and the
    // refusals of its own. Each arrangement stays for the cases after it.
    const QList<Case> cases = {
        {{u"--user"_s, u"Admin"_s, u"--password"_s, u"wrong"_s}, {}, invalid},
        // A product whose database is not configured here is not in the login's list.
        {QStringList{u"--product"_s, u"Kormo Lite"_s} + admin, {}, select},
        // With no product configured at all, where the settings are looked for and how they are made.
        {admin, [] { clearSettings(); },
         select + u"No product's database is named in the settings, looked for in\n"_s + settingsFolder()
             + u"/KormoLedger.conf (or the file that VANT_SETTINGS names).\n"
               u"vant-dbcreator creates a database and writes the settings that lead to it;\n"
               u"vant-dbcreator --demo makes one with demonstration data to try.\n"_s},
        {admin,
         [this] {
             m_db.writeSettings();
             execute({u"update acccompanymaster set DefaultCompany='N'"_s});
         },
         u"No default company in the company master\n"_s},
        {admin,
         [this] { execute({u"drop table psm_employee_master"_s}); },
         trapped,
         {u"ErrEvent : GetValueFromTbl"_s, u"ErrForm : frmDB    ErrEvent : ValidateUser"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.err.toStdString());
        if (c.arrange)
            c.arrange();
        const CtlRun run = this->run(c.login + QStringList{u"check"_s});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, QString());
        const qsizetype star = c.err.indexOf(u'*');
        const bool matches =
            star < 0 ? run.err == c.err : run.err.startsWith(c.err.left(star)) && run.err.endsWith(c.err.mid(star + 1));
        EXPECT_TRUE(matches) << run.err.toStdString();
        // Each entry of the log is five lines; the event names where it was trapped.
        EXPECT_EQ(logLines().filter(QRegularExpression(u"^Err(Event|Form) "_s)), c.events);
        EXPECT_EQ(logLines().size(), 5 * c.events.size());
        QFile::remove(m_programDir.filePath(u"vantlog.txt"_s));
    }
}

} // namespace
} // namespace vant::test
