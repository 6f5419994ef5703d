#include "session/settings_store.h"

#include "support/scripted_prompts.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "session_fixture.h"

using namespace Qt::StringLiterals;

namespace vant {
namespace {

class SettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override { test::clearSettings(); }
    void TearDown() override
    {
        QDir(storePath()).removeRecursively();
        test::clearSettings();
    }

    static QString storePath()
    {
        return QSettings(settingsFormat(), QSettings::UserScope, u"KormoLedger"_s).fileName();
    }
    // The store as the installer or a person would write it by hand.
    static void writeByHand(const QByteArray &text)
    {
        QFile file(storePath());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
};

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    writeSetting(u"VantDB"_s, u"KormoVant"_s);
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, kRegistryPath, u"vantdb"_s), u"KormoVant");
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, u"SOFTWARE\\kormoledger"_s, u"VANTDB"_s), u"KormoVant");
    EXPECT_TRUE(GetRegisterVal(kRegistryRoot, u"Software\\Elsewhere"_s, u"VantDB"_s).isEmpty());
    EXPECT_TRUE(GetRegisterVal(u"HKEY_LOCAL_MACHINE"_s, kRegistryPath, u"VantDB"_s).isEmpty());

    // Writing under the other spelling replaces the one value instead of adding a second.
    writeSetting(u"VANTDB"_s, u"Other"_s);
    EXPECT_EQ(readSetting(u"VantDB"_s), u"Other");
    EXPECT_EQ(QSettings(settingsFormat(), QSettings::UserScope, u"KormoLedger"_s).childKeys().size(), 1);
}

// A settings file named by the environment (the demo's own) takes the place of the user's:
// reads and writes go there, its folder is made, and the user's store stays as it was.
TEST_F(SettingsStoreTest, ANamedSettingsFileStandsInForTheUsersStore)
{
    writeByHand("VantDB=OFFICE\n");
    QTemporaryDir folder;
    const QString named = folder.filePath(u"demo/demo.conf"_s);
    qputenv(kSettingsFileVariable, named.toUtf8());
    EXPECT_EQ(settingsLocation(), named);
    EXPECT_TRUE(readSetting(u"VantDB"_s).isEmpty());
    writeSetting(u"VantDB"_s, u"vantdemo.db"_s);
    EXPECT_EQ(readSetting(u"VANTDB"_s), u"vantdemo.db");
    qunsetenv(kSettingsFileVariable);

    EXPECT_TRUE(QFileInfo(named).isFile());
    EXPECT_EQ(readSetting(u"VantDB"_s), u"OFFICE");
    EXPECT_EQ(settingsLocation(), storePath());
}

// A value is read as it stands in the file: no list at a comma, no comment at a semicolon,
// no escape at a backslash.
TEST_F(SettingsStoreTest, HandWrittenValuesAreReadAsWritten)
{
    writeByHand("; written by the installer\r\n"
                "[General]\r\n"
                "Server = db01\\SQLEXPRESS,1433\r\n"
                "Login=sa;x\n"
                "  LiteVantDB=a, b  \n"
                "VantDB=\n"
                "MartVantDB=4711\n"
                "# a comment\n"
                "[Other]\n"
                "Server=elsewhere\n");
    const std::pair<QString, QString> expected[] = {
        {u"Server"_s, u"db01\\SQLEXPRESS,1433"_s},
        {u"Login"_s, u"sa;x"_s},
        {u"LiteVantDB"_s, u"a, b"_s},
        {u"VantDB"_s, QString()},
        {u"MARTVANTDB"_s, u"4711"_s},
        {u"Password"_s, QString()},
    };
    for (const auto &[name, value] : expected)
        EXPECT_EQ(readSetting(name), value) << name.toStdString();
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeReadIsShownOnceAndReadsEmpty)
{
    writeByHand("Server=db01\nthis line has no value\n");
    test::ScriptedPrompts prompts;
    const SettingsKey key(&prompts);
    EXPECT_TRUE(key.value(u"Server"_s).isEmpty());
    EXPECT_EQ(
        prompts.texts(),
        QStringList(u"The settings store %1 is not made of \"Name=value\" lines.  GetRegisterVal"_s.arg(storePath())));
    EXPECT_EQ(prompts.boxes().value(0).title, u"VantProcess");

    // A folder where the file should be cannot be opened at all.
    QFile::remove(storePath());
    ASSERT_TRUE(QDir().mkpath(storePath()));
    prompts.clear();
    EXPECT_TRUE(readSetting(u"Server"_s, &prompts).isEmpty());
    EXPECT_EQ(prompts.texts(),
              QStringList(u"The settings store %1 cannot be read.  GetRegisterVal"_s.arg(storePath())));
}

} // namespace
} // namespace vant
