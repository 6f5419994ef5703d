#include "session/connection.h"
#include "session/password_cipher.h"
#include "session/session.h"
#include "session/settings_store.h"

#include "support/scripted_prompts.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::ScriptedPrompts;
using test::TestDatabase;

class ConnectionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        test::clearSettings();
        m_tracePath = QDir(m_logFolder.path()).filePath(QStringLiteral("trace.sql"));
        qputenv("VANT_SQL_TRACE", m_tracePath.toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("VANT_SQL_TRACE");
        test::clearSettings();
    }

    QStringList traced() const
    {
        QFile trace(m_tracePath);
        if (!trace.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(trace.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir m_logFolder;
    QString m_tracePath;
    ScriptedPrompts m_prompts;
    Session m_session{m_prompts, QDir(m_logFolder.path()).filePath(QStringLiteral("vantlog.txt"))};
};

TEST_F(ConnectionTest, BlankDatabaseNameEndsTheProgram)
{
    TestDatabase file;
    file.writeSettings();
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("   "));
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::ProgramEnds);
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).text, u"DB Creator is not Executed yet. Please execute it.");
    EXPECT_EQ(m_prompts.boxes().at(0).title, u"VantProcess");
    EXPECT_EQ(m_session.QuoteChar, u"'");
    EXPECT_FALSE(m_session.db());
}

TEST_F(ConnectionTest, MissingDatabaseValueEndsTheProgram)
{
    TestDatabase file;
    file.writeSettings(QStringLiteral("LiteVantDB"));
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("MartVANTDB")), ConnectResult::ProgramEnds);
    EXPECT_EQ(m_prompts.texts(), QStringList{QStringLiteral("DB Creator is not Executed yet. Please execute it.")});
}

TEST_F(ConnectionTest, EmptyServerOrLoginIsRefusedWithoutAMessage)
{
    TestDatabase file;
    file.writeSettings(QStringLiteral("VantDB"), QString());
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Refused);

    file.writeSettings();
    writeSetting(QStringLiteral("Server"), QString());
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Refused);

    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_FALSE(m_session.db());
}

TEST_F(ConnectionTest, UnopenableDatabaseShowsNumberAndDescription)
{
    TestDatabase file;
    file.writeSettings();
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("absent.db"));
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Refused);
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    const QString text = m_prompts.boxes().at(0).text;
    const QStringList lines = text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << text.toStdString();
    bool numeric = false;
    lines.at(0).toInt(&numeric);
    EXPECT_TRUE(numeric) << text.toStdString();
    EXPECT_TRUE(lines.at(1).contains(QStringLiteral("absent.db")));
    EXPECT_EQ(m_prompts.boxes().at(0).title, u"VantProcess");
    EXPECT_FALSE(m_session.db());
    EXPECT_FALSE(QFile::exists(QDir(file.folder()).filePath(QStringLiteral("absent.db"))));
}

TEST_F(ConnectionTest, FailedAttemptDropsTheEarlierConnection)
{
    TestDatabase file;
    file.writeSettings();
    ASSERT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Open);
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("absent.db"));
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Refused);
    EXPECT_FALSE(m_session.db());

    file.writeSettings();
    ASSERT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Open);
    writeSetting(QStringLiteral("Login"), QString());
    EXPECT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Refused);
    EXPECT_FALSE(m_session.db());
}

TEST_F(ConnectionTest, SuccessOpensAndSendsTheDateFormatEachTime)
{
    TestDatabase file;
    file.writeSettings(QStringLiteral("VantDB"), QStringLiteral("sa"), QString());
    QFile::remove(m_tracePath);
    ASSERT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Open)
        << m_prompts.texts().join(u'|').toStdString();
    ASSERT_TRUE(m_session.db());
    EXPECT_TRUE(m_session.db()->isOpen());
    EXPECT_EQ(m_session.QuoteChar, u"'");
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_EQ(traced(), QStringList{QStringLiteral("SET DATEFORMAT mdy")});

    ASSERT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Open);
    EXPECT_EQ(traced(), (QStringList{QStringLiteral("SET DATEFORMAT mdy"), QStringLiteral("SET DATEFORMAT mdy")}));

    CloseDBConnection(m_session);
    EXPECT_FALSE(m_session.db());
    CloseDBConnection(m_session);
}

class DbVersionTest : public ConnectionTest
{
protected:
    void SetUp() override
    {
        ConnectionTest::SetUp();
        m_file.writeSettings();
        ASSERT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Open);
    }

    Outcome<QString> versionOf(const QString &literal)
    {
        TestDatabase::exec(*m_session.db(), {QStringLiteral("delete from QRX_PRODUCT_CONFIG"),
                                             QStringLiteral("insert into QRX_PRODUCT_CONFIG values (") + literal
                                                 + QLatin1Char(')')});
        return CheckDBVersion(m_session);
    }

    TestDatabase m_file;
};

TEST_F(DbVersionTest, MatchingVersionsPass)
{
    EXPECT_EQ(*versionOf(QStringLiteral("'5000'")), QString());
    EXPECT_EQ(*versionOf(QStringLiteral("' 5000.2 '")), QString());
    EXPECT_EQ(*versionOf(QStringLiteral("'50001'")), QString());
}

TEST_F(DbVersionTest, OtherVersionsGiveTheMismatchMessage)
{
    EXPECT_EQ(*versionOf(QStringLiteral("'500'")),
              u"Exe Version: 5000  and DB Version: 500 mismatch. Please apply the latest patch");
    EXPECT_EQ(*versionOf(QStringLiteral("'5001'")),
              u"Exe Version: 5000  and DB Version: 5001 mismatch. Please apply the latest patch");
    EXPECT_EQ(*versionOf(QStringLiteral("'  4999 '")),
              u"Exe Version: 5000  and DB Version: 4999 mismatch. Please apply the latest patch");
}

TEST_F(DbVersionTest, NullVersionIsAMismatch)
{
    EXPECT_EQ(*versionOf(QStringLiteral("null")),
              u"Exe Version: 5000  and DB Version:  mismatch. Please apply the latest patch");
}

TEST_F(DbVersionTest, EmptyTableSkipsTheCheck)
{
    TestDatabase::exec(*m_session.db(), {QStringLiteral("delete from QRX_PRODUCT_CONFIG")});
    auto version = CheckDBVersion(m_session);
    ASSERT_TRUE(version);
    EXPECT_TRUE(version->isEmpty());
}

TEST_F(DbVersionTest, MissingTableIsAnError)
{
    TestDatabase::exec(*m_session.db(), {QStringLiteral("drop table QRX_PRODUCT_CONFIG")});
    auto version = CheckDBVersion(m_session);
    ASSERT_FALSE(version);
    EXPECT_TRUE(version.error().description.contains(QStringLiteral("QRX_PRODUCT_CONFIG")));
}

TEST_F(DbVersionTest, NoConnectionIsAnError)
{
    CloseDBConnection(m_session);
    EXPECT_FALSE(CheckDBVersion(m_session));
}

} // namespace
} // namespace vant
