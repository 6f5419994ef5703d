#include "session/settings_store.h"

#include "support/test_environment.h"

#include <QSettings>

#include "session_fixture.h"

namespace vant {
namespace {

class SettingsStoreTest : public testing::Test
{
protected:
    void SetUp() override { test::clearSettings(); }
    void TearDown() override { test::clearSettings(); }

    static QSettings key() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KormoLedger")); }

    // QueryRegValue's status and text for one value name.
    static std::pair<int, QString> query(const QString &name)
    {
        QString out = QStringLiteral("stale");
        const QSettings open = key();
        const int status = QueryRegValue(open, name, out);
        return {status, out};
    }
};

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCase)
{
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("KormoVant"));
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, kRegistryPath, QStringLiteral("vantdb")), u"KormoVant");
    EXPECT_EQ(GetRegisterVal(kRegistryRoot, QStringLiteral("SOFTWARE\\kormoledger"), QStringLiteral("VANTDB")),
              u"KormoVant");

    // Writing under the other spelling replaces the one value instead of adding a second.
    writeSetting(QStringLiteral("VANTDB"), QStringLiteral("a, b;c=d\\e \"f\""));
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), u"a, b;c=d\\e \"f\"");
    EXPECT_EQ(key().childKeys().size(), 1);
}

TEST_F(SettingsStoreTest, MissingValueEmptyNumberAsTextOtherKindsMinusOne)
{
    writeSetting(QStringLiteral("Password"), QString());
    {
        QSettings store = key();
        store.setValue(QStringLiteral("MartVantDB"), 4711);
        store.setValue(QStringLiteral("Mart7VantDB"), -12);
        store.setValue(QStringLiteral("LiteVantDB"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
    }
    EXPECT_NE(query(QStringLiteral("Login")).first, 0);
    EXPECT_TRUE(query(QStringLiteral("Login")).second.isEmpty());
    EXPECT_TRUE(GetRegisterVal(kRegistryRoot, QStringLiteral("Software\\Elsewhere"), QStringLiteral("Password")).isEmpty());
    EXPECT_TRUE(GetRegisterVal(QStringLiteral("HKEY_LOCAL_MACHINE"), kRegistryPath, QStringLiteral("MartVantDB")).isEmpty());
    EXPECT_EQ(query(QStringLiteral("PASSWORD")), std::pair(0, QString()));
    EXPECT_EQ(query(QStringLiteral("martvantdb")), std::pair(0, QStringLiteral("4711")));
    EXPECT_EQ(readSetting(QStringLiteral("Mart7VANTDB")), u"-12");
    EXPECT_EQ(query(QStringLiteral("LiteVANTDB")), std::pair(-1, QString()));
}

} // namespace
} // namespace vant
