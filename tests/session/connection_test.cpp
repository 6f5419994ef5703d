#include "session/connection.h"
#include "session/password_cipher.h"
#include "session/settings_store.h"

#include "support/test_environment.h"

#include <QFileInfo>

#include "session_fixture.h"

namespace vant {
namespace {

using namespace Qt::StringLiterals;

class ConnectionTest : public test::SessionTest
{
protected:
    void SetUp() override
    {
        test::clearSettings();
        m_file.writeSettings();
    }
    void TearDown() override { test::clearSettings(); }

    ConnectResult connect() { return ConnectDatabase(m_session, u"VANTDB"_s); }
};

TEST_F(ConnectionTest, BlankOrMissingDatabaseNameEndsTheProgram)
{
    writeSetting(u"VantDB"_s, u"   "_s);
    EXPECT_EQ(connect(), ConnectResult::ProgramEnds);
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).text, u"DB Creator is not Executed yet. Please execute it.");
    EXPECT_EQ(m_prompts.boxes().at(0).title, u"VantProcess");
    EXPECT_FALSE(m_session.db());
}

TEST_F(ConnectionTest, EmptyServerOrLoginIsRefusedSilentlyAndDropsTheEarlierConnection)
{
    for (const char *name : {"Server", "Login"}) {
        SCOPED_TRACE(name);
        m_file.writeSettings();
        ASSERT_EQ(connect(), ConnectResult::Open);
        writeSetting(QString::fromLatin1(name), QString());
        EXPECT_EQ(connect(), ConnectResult::Refused);
        EXPECT_FALSE(m_session.db());
    }
    EXPECT_EQ(m_prompts.texts(), QStringList());
}

TEST_F(ConnectionTest, UnopenableDatabaseShowsNumberAndDescription)
{
    ASSERT_EQ(connect(), ConnectResult::Open);
    writeSetting(u"VantDB"_s, u"absent.db"_s);
    EXPECT_EQ(connect(), ConnectResult::Refused);
    EXPECT_FALSE(m_session.db());
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    const QStringList lines = m_prompts.boxes().at(0).text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << m_prompts.boxes().at(0).text.toStdString();
    EXPECT_NE(lines.at(0).toInt(), 0);
    EXPECT_TRUE(lines.at(1).contains(u"absent.db"_s));
}

TEST_F(ConnectionTest, DbVersionComparesTheWholeNumberPart)
{
    ASSERT_EQ(connect(), ConnectResult::Open);
    // Stored value (none: empty table) and the version shown in the mismatch message (none: no message).
    const struct
    {
        const char *stored;
        const char *shown;
    } cases[] = {{"'5000'", nullptr}, {"' 5000.2 '", nullptr}, {"'500'", "500"}, {"null", ""}, {nullptr, nullptr}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "empty");
        exec(u"delete from QRX_PRODUCT_CONFIG"_s);
        if (c.stored)
            exec(u"insert into QRX_PRODUCT_CONFIG values (%1)"_s.arg(QString::fromLatin1(c.stored)));
        const auto version = CheckDBVersion(m_session);
        ASSERT_TRUE(version);
        EXPECT_EQ(*version, c.shown ? u"Exe Version: 5000  and DB Version: %1 mismatch. Please apply the "
                                      "latest patch"_s.arg(QString::fromLatin1(c.shown))
                                    : QString());
    }

    exec(u"drop table QRX_PRODUCT_CONFIG"_s);
    const auto version = CheckDBVersion(m_session);
    ASSERT_FALSE(version);
    EXPECT_TRUE(version.error().description.contains(u"QRX_PRODUCT_CONFIG"_s));
    CloseDBConnection(m_session);
    EXPECT_FALSE(CheckDBVersion(m_session));
}

TEST_F(ConnectionTest, OdbcSettingsReachTheDatabaseThroughTheDriver)
{
    // The SQLite ODBC driver stands in for SQL Server through FreeTDS.
    writeSetting(u"Driver"_s, u"SQLite3"_s);
    writeSetting(u"Server"_s, u"localhost"_s);
    writeSetting(u"Password"_s, EncipherPassword(u"p;w}d"_s, kPasswordKey));
    writeSetting(u"VantDB"_s, QFileInfo(m_file.path()).absoluteFilePath());
    ASSERT_EQ(connect(), ConnectResult::Open) << m_prompts.texts().join(u'|').toStdString();
    EXPECT_EQ(m_session.db()->dialect(), Database::Dialect::Sqlite);
    EXPECT_TRUE(CheckDBVersion(m_session));
}

// With SQLite's own ODBC driver, a database name that is not there would become a new empty
// file in the working folder; the login refuses instead and names the settings to check.
TEST_F(ConnectionTest, ALoginThroughSqlitesOdbcDriverNeverCreatesADatabase)
{
    QTemporaryDir workingFolder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workingFolder.path()));
    writeSetting(u"Driver"_s, u"SQLite3"_s);
    writeSetting(u"VantDB"_s, u"absent.db"_s);
    const ConnectResult result = connect();
    QDir::setCurrent(previous);

    EXPECT_EQ(result, ConnectResult::Refused);
    EXPECT_EQ(m_prompts.texts(),
              QStringList(u"4060\nCannot open database \"absent.db\" requested by the login: there is no "
                          "file %1. The login failed. Check the settings Server, VANTDB and Driver."_s.arg(
                              QDir(workingFolder.path()).filePath(u"absent.db"_s))));
    EXPECT_TRUE(QDir(workingFolder.path()).isEmpty());
}

} // namespace
} // namespace vant
