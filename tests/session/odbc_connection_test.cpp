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

class OdbcConnection : public testing::Test
{
protected:
    void SetUp() override { TestDatabase::seedCompanies(*m_file.connect()); }

    TestDatabase m_file;
    ConnectionSettings m_settings{kOdbcDriver, QStringLiteral("localhost"), m_file.path(), QStringLiteral("sa"),
                                  QStringLiteral("p;w}d")};
};

TEST_F(OdbcConnection, StatementsFieldsAndTransactionsThroughTheDriver)
{
    auto db = Database::open(m_settings);
    ASSERT_TRUE(db) << db.error().number << " " << db.error().description.toStdString();
    EXPECT_EQ((*db)->dialect(), Database::Dialect::Sqlite);
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select top 1 CompanyName from dbo.acccompanymaster "
                                                         "where CompanyName = N'KORMO TRADERS'")),
              u"Kormo Traders");
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select count(*) from acccompanymaster where "
                                                         "isnull(parentcompanycode,'0') <> 0 and len('ab  ') = 2")),
              u"2");
    EXPECT_TRUE((*db)->execute(QStringLiteral("update acccompanymaster set ts=getdate() where CompanyCode=1")));
    {
        TransactionGuard guard(**db);
        ASSERT_TRUE(guard.begin());
        TestDatabase::exec(**db, {QStringLiteral("delete from accledgermaster")});
    }
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select count(*) from accledgermaster")), u"5");

    auto rs = (*db)->openRecordset(QStringLiteral("select CompanyCode,CompanyName,FinYearBegin from acccompanymaster "
                                                  "order by CompanyCode"));
    ASSERT_TRUE(rs) << rs.error().description.toStdString();
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(rs->field(0).type, FieldType::Integer);
    EXPECT_EQ(rs->field(1).type, FieldType::Text);
    EXPECT_EQ(rs->field(2).type, FieldType::Date);
    EXPECT_EQ(dateOf(rs->value(2)), QDate(2026, 4, 1));
    // Date values filter by their text.
    ASSERT_TRUE(rs->setFilter(QStringLiteral("FinYearBegin LIKE '2026*' and CompanyCode > 1")));
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(rs->text(2), u"2026-04-01");

    m_settings.driver = QStringLiteral("No Such Driver");
    EXPECT_FALSE(Database::open(m_settings));
}

TEST_F(OdbcConnection, ConnectDatabaseFollowsTheOdbcSettings)
{
    test::clearSettings();
    writeSetting(QStringLiteral("Driver"), kOdbcDriver);
    writeSetting(QStringLiteral("Server"), QStringLiteral("localhost"));
    writeSetting(QStringLiteral("Login"), QStringLiteral("sa"));
    writeSetting(QStringLiteral("Password"), EncipherPassword(QStringLiteral("p;w}d"), kPasswordKey));
    writeSetting(QStringLiteral("VantDB"), QFileInfo(m_file.path()).absoluteFilePath());

    test::ScriptedPrompts prompts;
    QTemporaryDir logFolder;
    Session session(prompts, QDir(logFolder.path()).filePath(QStringLiteral("vantlog.txt")));
    EXPECT_EQ(ConnectDatabase(session, QStringLiteral("VANTDB")), ConnectResult::Open);
    EXPECT_EQ(prompts.texts(), QStringList());
    ASSERT_TRUE(session.db());
    EXPECT_EQ(session.db()->dialect(), Database::Dialect::Sqlite);
    auto version = CheckDBVersion(session);
    ASSERT_TRUE(version);
    EXPECT_TRUE(version->isEmpty());
    test::clearSettings();
}

} // namespace
} // namespace vant
