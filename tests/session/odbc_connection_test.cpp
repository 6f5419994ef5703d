#include "session/connection.h"
#include "session/password_cipher.h"
#include "session/session.h"
#include "session/settings_store.h"

#include "support/scripted_prompts.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::TestDatabase;

// The SQLite ODBC driver that unixODBC registers as "SQLite3" stands in for a server
// reached through ODBC: the same path as SQL Server through FreeTDS.
const QString kOdbcDriver = QStringLiteral("SQLite3");

ConnectionSettings odbc(const QString &path)
{
    return ConnectionSettings{kOdbcDriver, QStringLiteral("localhost"), path, QStringLiteral("sa"),
                              QStringLiteral("p;w}d")};
}

TEST(OdbcConnection, ReachesTheDatabaseThroughTheOdbcDriver)
{
    TestDatabase file;
    {
        auto seed = file.connect();
        TestDatabase::seedCompanies(*seed);
    }
    auto db = Database::open(odbc(file.path()));
    ASSERT_TRUE(db) << db.error().number << " " << db.error().description.toStdString();
    EXPECT_EQ((*db)->dialect(), Database::Dialect::Sqlite);
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select top 1 CompanyName from dbo.acccompanymaster "
                                                         "where CompanyName = N'KORMO TRADERS'")),
              u"Kormo Traders");
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select count(*) from acccompanymaster where "
                                                         "isnull(parentcompanycode,'0') <> 0")),
              u"2");
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select len('ab  ')")), u"2");
    EXPECT_TRUE((*db)->execute(QStringLiteral("update acccompanymaster set ts=getdate() where CompanyCode=1")));

    auto rs = (*db)->openRecordset(QStringLiteral("select CompanyCode,CompanyName,FinYearBegin from acccompanymaster "
                                                  "order by CompanyCode"));
    ASSERT_TRUE(rs) << rs.error().description.toStdString();
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(rs->field(0).type, FieldType::Integer);
    EXPECT_EQ(rs->field(1).type, FieldType::Text);
    EXPECT_EQ(rs->field(2).type, FieldType::Date);
    EXPECT_EQ(dateOf(rs->value(2)), QDate(2026, 4, 1));
    EXPECT_EQ(rs->text(2), u"2026-04-01");
}

TEST(OdbcConnection, DateValuesFilterByTheirText)
{
    TestDatabase file;
    {
        auto seed = file.connect();
        TestDatabase::seedCompanies(*seed);
        TestDatabase::exec(*seed, {QStringLiteral("update acccompanymaster set FinYearBegin='2025-04-01' "
                                                  "where CompanyCode=3")});
    }
    auto db = Database::open(odbc(file.path()));
    ASSERT_TRUE(db) << db.error().description.toStdString();
    auto rs = (*db)->openRecordset(QStringLiteral("select CompanyCode,FinYearBegin from acccompanymaster "
                                                  "order by CompanyCode"));
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->setFilter(QStringLiteral("FinYearBegin = '2026-04-01'")));
    EXPECT_EQ(rs->recordCount(), 2);
    ASSERT_TRUE(rs->setFilter(QStringLiteral("FinYearBegin LIKE '2025*'")));
    EXPECT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->text(0), u"3");
    rs->clearFilter();
    auto found = rs->find(QStringLiteral("FinYearBegin < '2026-01-01'"));
    ASSERT_TRUE(found);
    EXPECT_TRUE(*found);
    EXPECT_EQ(rs->text(0), u"3");
}

TEST(OdbcConnection, TransactionsRollBackThroughOdbc)
{
    TestDatabase file;
    {
        auto seed = file.connect();
        TestDatabase::seedCompanies(*seed);
    }
    auto db = Database::open(odbc(file.path()));
    ASSERT_TRUE(db) << db.error().description.toStdString();
    {
        TransactionGuard guard(**db);
        ASSERT_TRUE(guard.begin());
        TestDatabase::exec(**db, {QStringLiteral("delete from accledgermaster")});
    }
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select count(*) from accledgermaster")), u"5");
}

TEST(OdbcConnection, UnknownOdbcDriverIsAnError)
{
    TestDatabase file;
    ConnectionSettings settings = odbc(file.path());
    settings.driver = QStringLiteral("No Such Driver");
    auto db = Database::open(settings);
    ASSERT_FALSE(db);
    EXPECT_FALSE(db.error().description.isEmpty());
}

TEST(OdbcConnection, ConnectDatabaseFollowsTheOdbcSettings)
{
    test::clearSettings();
    TestDatabase file;
    {
        auto seed = file.connect();
        TestDatabase::seedCompanies(*seed);
    }
    writeSetting(QStringLiteral("Driver"), kOdbcDriver);
    writeSetting(QStringLiteral("Server"), QStringLiteral("localhost"));
    writeSetting(QStringLiteral("Login"), QStringLiteral("sa"));
    writeSetting(QStringLiteral("Password"), EncipherPassword(QStringLiteral("p;w}d"), kPasswordKey));
    writeSetting(QStringLiteral("VantDB"), QFileInfo(file.path()).absoluteFilePath());

    test::ScriptedPrompts prompts;
    QTemporaryDir logFolder;
    Session session(prompts, QDir(logFolder.path()).filePath(QStringLiteral("vantlog.txt")));
    ASSERT_EQ(ConnectDatabase(session, QStringLiteral("VANTDB")), ConnectResult::Open) << prompts.texts().join(u'|').toStdString();
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_EQ(session.db()->dialect(), Database::Dialect::Sqlite);
    auto version = CheckDBVersion(session);
    ASSERT_TRUE(version);
    EXPECT_TRUE(version->isEmpty());
    test::clearSettings();
}

} // namespace
} // namespace vant
