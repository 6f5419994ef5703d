#include "creator_options.h"
#include "creator_run.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vant {
namespace {

const QString kFolder = QStringLiteral("/srv/vant-data");

ParsedCommandLine parse(const QStringList &options)
{
    return parseCreatorOptions(QStringList{QStringLiteral("vant-dbcreator")} + options, kFolder);
}

TEST(CreatorOptions, DefaultsMakeAnEmbeddedKormoVantDatabaseInTheDataFolder)
{
    const ParsedCommandLine parsed = parse({});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create);
    const CreatorOptions &options = parsed.options;
    EXPECT_EQ(options.product.name, u"Kormo Vant");
    EXPECT_EQ(options.product.loginDbValue, u"VantDB");
    EXPECT_EQ(options.connection.driver, u"SQLite");
    EXPECT_EQ(options.connection.server, kFolder);
    EXPECT_EQ(options.connection.database, u"vantdemo.db");
    EXPECT_EQ(options.connection.login, u"sa");
    EXPECT_EQ(options.connection.password, QString());
    EXPECT_FALSE(options.demo);
    EXPECT_FALSE(options.plainPasswords);
    EXPECT_FALSE(options.force);
}

TEST(CreatorOptions, EachProductWritesItsOwnDatabaseValue)
{
    const std::pair<QString, QString> table[] = {
        {QStringLiteral("Kormo Vant"), QStringLiteral("VantDB")},
        {QStringLiteral("Kormo Lite"), QStringLiteral("LiteVantDB")},
        {QStringLiteral("Kormo Mart"), QStringLiteral("MartVantDB")},
        {QStringLiteral("Kormo Mart7"), QStringLiteral("Mart7VantDB")},
    };
    for (const auto &[name, value] : table) {
        const ParsedCommandLine parsed = parse({QStringLiteral("--product"), name});
        ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create) << name.toStdString();
        EXPECT_EQ(parsed.options.product.loginDbValue, value);
    }
}

TEST(CreatorOptions, AnOdbcDriverNamesASqlServerDatabase)
{
    const ParsedCommandLine parsed = parse({QStringLiteral("--driver"), QStringLiteral("FreeTDS"),
                                            QStringLiteral("--server=db01"), QStringLiteral("--login"),
                                            QStringLiteral("vantuser"), QStringLiteral("--password"),
                                            QStringLiteral("s3cret;x")});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create);
    const ConnectionSettings &connection = parsed.options.connection;
    EXPECT_FALSE(connection.isEmbedded());
    EXPECT_EQ(connection.driver, u"FreeTDS");
    EXPECT_EQ(connection.server, u"db01");
    EXPECT_EQ(connection.database, u"VANTDEMO");
    EXPECT_EQ(connection.login, u"vantuser");
    EXPECT_EQ(connection.password, u"s3cret;x");

    EXPECT_EQ(parse({QStringLiteral("--driver"), QStringLiteral("FreeTDS")}).options.connection.server,
              u"localhost");
}

TEST(CreatorOptions, FlagsAndAnEmbeddedFolderGivenRelatively)
{
    const ParsedCommandLine parsed = parse({QStringLiteral("--demo"), QStringLiteral("--plain-passwords"),
                                            QStringLiteral("--force"), QStringLiteral("--driver"),
                                            QStringLiteral("sqlite"), QStringLiteral("--server"),
                                            QStringLiteral("data/../db"), QStringLiteral("--database"),
                                            QStringLiteral("shop.db")});
    ASSERT_EQ(parsed.action, ParsedCommandLine::Action::Create);
    EXPECT_TRUE(parsed.options.demo);
    EXPECT_TRUE(parsed.options.plainPasswords);
    EXPECT_TRUE(parsed.options.force);
    EXPECT_EQ(parsed.options.connection.driver, u"SQLite");
    // The settings must not depend on the folder the creator was started from.
    EXPECT_EQ(parsed.options.connection.server, QDir::current().filePath(QStringLiteral("db")));
    EXPECT_EQ(parsed.options.connection.database, u"shop.db");
}

TEST(CreatorOptions, UsageErrors)
{
    const std::pair<QStringList, QString> table[] = {
        {{QStringLiteral("--colour")}, QStringLiteral("Unknown option 'colour'.")},
        {{QStringLiteral("--product")}, QStringLiteral("Missing value after '--product'.")},
        {{QStringLiteral("--product"), QStringLiteral("Kormo Max")},
         QStringLiteral("Unknown product \"Kormo Max\"; choose one of \"Kormo Vant\", \"Kormo Lite\", "
                        "\"Kormo Mart\", \"Kormo Mart7\".")},
        {{QStringLiteral("extra")}, QStringLiteral("Unexpected argument: extra")},
        {{QStringLiteral("--login=")}, QStringLiteral("--login needs a name.")},
        {{QStringLiteral("--database"), QStringLiteral("  ")}, QStringLiteral("--database needs a name.")},
        {{QStringLiteral("--database"), QStringLiteral("sub/vant.db")},
         QStringLiteral("--database is the file name only; give its folder with --server.")},
        {{QStringLiteral("--driver=")},
         QStringLiteral("--driver needs a name: SQLite, or the ODBC driver for SQL Server.")},
    };
    for (const auto &[options, error] : table) {
        const ParsedCommandLine parsed = parse(options);
        EXPECT_EQ(parsed.action, ParsedCommandLine::Action::UsageError) << options.join(u' ').toStdString();
        EXPECT_EQ(parsed.error, error);
    }
}

TEST(CreatorCommand, AUsageErrorExitsWithTwoAndCreatesNothing)
{
    const test::CreatorRun run = test::runCreator({QStringLiteral("--product"), QStringLiteral("Kormo Max")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(u"vant-dbcreator: Unknown product \"Kormo Max\""));
    EXPECT_TRUE(run.err.endsWith(u"Run vant-dbcreator --help for the options.\n"));
}

TEST(CreatorCommand, HelpNamesEveryOptionAndTheDemoLogin)
{
    const test::CreatorRun shortHelp = test::runCreator({QStringLiteral("-h")}, QDate::currentDate(), kFolder);
    EXPECT_EQ(shortHelp.status, 0);
    const test::CreatorRun run = test::runCreator({QStringLiteral("--help")}, QDate::currentDate(), kFolder);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, shortHelp.out);
    EXPECT_TRUE(run.err.isEmpty());
    for (const char *option : {"--product", "--driver", "--server", "--database", "--login", "--password",
                               "--demo", "--plain-passwords", "--force", "--help"}) {
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    }
    EXPECT_TRUE(run.out.contains(kFolder));
    EXPECT_TRUE(run.out.contains(u"Demo login: user \"Admin\", password \"vant\""));
}

} // namespace
} // namespace vant
