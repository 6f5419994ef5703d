// The README's run on a machine without a display: scripts/demo.sh creates the demo
// database with settings of its own and scripts/demo-headless.sh drives vantctl on it.
#include "vantctl_fixture.h"

#include "session/settings_store.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HeadlessDemoTest, TransfersTheMonthAndPostsTodaysSalesLeavingTheUsersSettingsAlone)
{
    // The user's own settings lead to the office's server.
    clearSettings();
    writeSetting(u"Server"_s, u"office-sql"_s);
    writeSetting(u"VantDB"_s, u"KORMO"_s);
    const QString userSettings = settingsLocation();
    const QByteArray before = fileBytes(userSettings);
    ASSERT_FALSE(before.isEmpty());

    // A build folder of copies of the two programs, so that nothing is written beside the real ones.
    QTemporaryDir folder;
    const QString build = folder.filePath(u"build"_s);
    EXPECT_TRUE(QDir().mkpath(build + u"/src/app"_s));
    EXPECT_TRUE(QDir().mkpath(build + u"/tools/dbcreator"_s));
    EXPECT_TRUE(QFile::copy(QStringLiteral(VANTCTL_PROGRAM), build + u"/src/app/vantctl"_s));
    EXPECT_TRUE(QFile::copy(QStringLiteral(VANT_DBCREATOR_PROGRAM), build + u"/tools/dbcreator/vant-dbcreator"_s));
    QProcessEnvironment environment = environmentWithoutDisplay();
    environment.remove(u"VANT_SETTINGS"_s);
    const CtlRun demo = runProgram(u"bash"_s, {QStringLiteral(VANT_SOURCE_DIR "/scripts/demo.sh"), build}, environment);
    const QString &out = demo.out;
    const QString &err = demo.err;

    EXPECT_EQ(demo.exitCode, 0) << err.toStdString();
    EXPECT_TRUE(out.contains(u"Company        : 1 Kormo Traders\n"_s));
    EXPECT_TRUE(out.contains(u"Posted off-line voucher "_s));
    EXPECT_FALSE(QFile::exists(build + u"/src/app/vantlog.txt"_s));
    // Early in a month there may be nothing to transfer yet; that refusal is the only one allowed.
    EXPECT_TRUE(out.contains(u"Transfer    [ Completed ]\n"_s)
                || err == u"No Transaction to Transfer for this period\n"_s)
        << err.toStdString();
    EXPECT_EQ(out.count(u"refused"_s), err.isEmpty() ? 0 : 1);

    EXPECT_EQ(fileBytes(userSettings), before);
    EXPECT_TRUE(QDir(QFileInfo(userSettings).path()).entryList({u"KormoLedger.conf.*"_s}).isEmpty());
    EXPECT_TRUE(out.contains(u"Settings written to "_s + settingsFolder() + u"/vant/demo.conf: "_s))
        << out.toStdString();
    clearSettings();
}

} // namespace
} // namespace vant::test
