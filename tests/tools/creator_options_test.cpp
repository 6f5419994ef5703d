#include "creator_options.h"
#include "creator_run.h"

#include "program_identity.h"
#include "session/error_report.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vant {
namespace {

const QString kFolder = u"/srv/vant-data"_s;

ParsedCommandLine parse(const QStringList &options)
{
    return parseCreatorOptions(QStringList{u"vant-dbcreator"_s} + options, kFolder);
}

TEST(CreatorOptions, DefaultsAndFlagsForAnEmbeddedDatabase)
{
    ParsedCommandLine parsed = parse({});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create);
    EXPECT_EQ(parsed.options.product.loginDbValue, u"VantDB");
    const ConnectionSettings &connection = parsed.options.connection;
    EXPECT_EQ(QStringList({connection.driver, connection.server, connection.database, connection.login}),
              QStringList({u"SQLite"_s, kFolder, u"vantdemo.db"_s, u"sa"_s}));
    EXPECT_EQ(connection.password, QString());
    EXPECT_FALSE(parsed.options.demo || parsed.options.plainPasswords || parsed.options.force);

    parsed = parse({u"--demo"_s, u"--plain-passwords"_s, u"--force"_s, u"--driver"_s, u"sqlite"_s, u"--server"_s,
                    u"data/../db"_s, u"--database"_s, u"shop.db"_s});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create);
    EXPECT_TRUE(parsed.options.demo && parsed.options.plainPasswords && parsed.options.force);
    EXPECT_EQ(parsed.options.connection.driver, u"SQLite");
    // The settings must not depend on the folder the creator was started from.
    EXPECT_EQ(parsed.options.connection.server, QDir::current().filePath(u"db"_s));
    EXPECT_EQ(parsed.options.connection.database, u"shop.db");
}

TEST(CreatorOptions, AnOdbcDriverNamesASqlServerDatabase)
{
    const ParsedCommandLine parsed =
        parse({u"--driver"_s, u"FreeTDS"_s, u"--server=db01"_s, u"--login"_s, u"vantuser"_s, u"--password"_s,
               u"s3cret;x"_s, u"--product"_s, u"Kormo Lite"_s});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create);
    const ConnectionSettings &connection = parsed.options.connection;
    EXPECT_EQ(
        QStringList({connection.driver, connection.server, connection.database, connection.login, connection.password}),
        QStringList({u"FreeTDS"_s, u"db01"_s, u"VANTDEMO"_s, u"vantuser"_s, u"s3cret;x"_s}));
    EXPECT_EQ(parsed.options.product.loginDbValue, u"LiteVantDB");
    EXPECT_EQ(parse({u"--driver"_s, u"FreeTDS"_s}).options.connection.server, u"localhost");
}

TEST(CreatorOptions, UsageErrors)
{
    const std::pair<QStringList, QString> table[] = {
        {{u"--colour"_s}, u"Unknown option 'colour'."_s},
        {{u"--product"_s}, u"Missing value after '--product'."_s},
        {{u"--product"_s, u"Kormo Max"_s},
         u"Unknown product \"Kormo Max\"; choose one of \"Kormo Vant\", \"Kormo Lite\", \"Kormo Mart\", "
         "\"Kormo Mart7\"."_s},
        {{u"extra"_s}, u"Unexpected argument: extra"_s},
        {{u"--login="_s}, u"--login needs a name."_s},
        {{u"--database"_s, u"  "_s}, u"--database needs a name."_s},
        {{u"--database"_s, u"sub/vant.db"_s}, u"--database is the file name only; give its folder with --server."_s},
        {{u"--driver="_s}, u"--driver needs a name: SQLite, or the ODBC driver for SQL Server."_s},
    };
    for (const auto &[options, error] : table) {
        const ParsedCommandLine parsed = parse(options);
        EXPECT_EQ(parsed.action, ParsedCommandLine::Action::UsageError) << options.join(u' ').toStdString();
        EXPECT_EQ(parsed.error, error);
    }

    const test::CreatorRun run = test::runCreator({u"--product"_s, u"Kormo Max"_s});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(u"vant-dbcreator: Unknown product \"Kormo Max\""));
    EXPECT_TRUE(run.err.endsWith(u"Run vant-dbcreator --help for the options.\n"));
}

TEST(CreatorCommand, VersionIsTheProgramsOwn)
{
    const test::CreatorRun run = test::runCreator({u"--version"_s, u"--demo"_s});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, u"vant-dbcreator "_s + kVersion + u"\n"_s);
    EXPECT_TRUE(run.err.isEmpty());
}

// The demo databases and the log of a read-only installation live in one per-user folder name.
TEST(CreatorOptions, DefaultFolderIsNamedAsTheLogsStateFolder)
{
    const QFileInfo dataFolder(defaultDatabaseFolder());
    EXPECT_EQ(dataFolder.fileName(), QFileInfo(ErrorLog::userStateFolder()).fileName());
}

TEST(CreatorCommand, HelpNamesEveryOptionAndTheDemoLogin)
{
    const test::CreatorRun run = test::runCreator({u"--help"_s}, QDate::currentDate(), kFolder);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(test::runCreator({u"-h"_s}, QDate::currentDate(), kFolder).out, run.out);
    for (const char *option : {"--product", "--driver", "--server", "--database", "--login", "--password", "--demo",
                               "--plain-passwords", "--force", "--help", "--version"}) {
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    }
    EXPECT_TRUE(run.out.contains(kFolder));
    EXPECT_TRUE(run.out.contains(u"Demo login: user \"Admin\", password \"vant\""));
}

} // namespace
} // namespace vant
