#include "session/settings_store.h"

#include "support/test_environment.h"

#include <QSettings>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

class SettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override { test::clearSettings(); }
    void TearDown() override { test::clearSettings(); }

    static QSettings key() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KormoLedger")); }
};

TEST_F(SettingsStoreTest, LivesInTheIsolatedConfigFolder)
{
    writeSetting(QStringLiteral("Server"), QStringLiteral("ledger01"));
    EXPECT_TRUE(key().fileName().startsWith(test::settingsFolder())) << key().fileName().toStdString();
}

TEST_F(SettingsStoreTest, ValueNamesMatchWithoutRegardToCase)
{
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("KormoVant"));
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, kRegistryPath, QStringLiteral("VANTDB")), u"KormoVant");
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, kRegistryPath, QStringLiteral("vantdb")), u"KormoVant");
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), u"KormoVant");

    // Writing under the other spelling replaces the one value instead of adding a second.
    writeSetting(QStringLiteral("VANTDB"), QStringLiteral("Other"));
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), u"Other");
    EXPECT_EQ(key().childKeys().size(), 1);
}

TEST_F(SettingsStoreTest, MissingKeyOrValueReadsEmpty)
{
    writeSetting(QStringLiteral("Server"), QStringLiteral("ledger01"));
    EXPECT_TRUE(readSetting(QStringLiteral("Login")).isEmpty());
    EXPECT_TRUE(GetRegisterVal(kRegistryRoot, QStringLiteral("Software\\Elsewhere"), QStringLiteral("Server")).isEmpty());
    EXPECT_TRUE(GetRegisterVal(QStringLiteral("HKEY_LOCAL_MACHINE"), kRegistryPath, QStringLiteral("Server")).isEmpty());

    QString out = QStringLiteral("stale");
    const QSettings open = key();
    EXPECT_NE(QueryRegValue(open, QStringLiteral("Login"), out), 0);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(SettingsStoreTest, KeyPathMatchesWithoutRegardToCase)
{
    writeSetting(QStringLiteral("Server"), QStringLiteral("ledger01"));
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, QStringLiteral("SOFTWARE\\kormoledger"), QStringLiteral("Server")),
              u"ledger01");
}

TEST_F(SettingsStoreTest, NumberValueReadsAsDecimalText)
{
    {
        QSettings store = key();
        store.setValue(QStringLiteral("MartVantDB"), 4711);
        store.setValue(QStringLiteral("Mart7VantDB"), -12);
    }
    EXPECT_EQ(readSetting(QStringLiteral("MARTVANTDB")), u"4711");
    EXPECT_EQ(readSetting(QStringLiteral("Mart7VANTDB")), u"-12");

    QString out;
    const QSettings open = key();
    EXPECT_EQ(QueryRegValue(open, QStringLiteral("martvantdb"), out), 0);
    EXPECT_EQ(out, u"4711");
}

TEST_F(SettingsStoreTest, ListValueReadsEmptyWithStatusMinusOne)
{
    {
        QSettings store = key();
        store.setValue(QStringLiteral("LiteVantDB"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
    }
    QString out = QStringLiteral("stale");
    const QSettings open = key();
    EXPECT_EQ(QueryRegValue(open, QStringLiteral("LiteVANTDB"), out), -1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(readSetting(QStringLiteral("LiteVANTDB")).isEmpty());
}

TEST_F(SettingsStoreTest, EmptyStringValueIsReadAsEmptyWithStatusZero)
{
    writeSetting(QStringLiteral("Password"), QString());
    QString out = QStringLiteral("stale");
    const QSettings open = key();
    EXPECT_EQ(QueryRegValue(open, QStringLiteral("PASSWORD"), out), 0);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(SettingsStoreTest, TextWithSeparatorsSurvivesTheFile)
{
    const QString value = QStringLiteral("a, b;c=d\\e \"f\"");
    writeSetting(QStringLiteral("Login"), value);
    EXPECT_EQ(readSetting(QStringLiteral("login")), value);
}

} // namespace
} // namespace vant
