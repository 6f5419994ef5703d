// The README's run on a machine without a display: scripts/demo-headless.sh drives the
// built vantctl on a fresh demo database.
#include "vantctl_fixture.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

TEST(HeadlessDemoTest, TransfersTheMonthAndPostsTodaysSales)
{
    clearSettings();
    QTemporaryDir folder;
    const QString bin = folder.filePath(u"bin"_s);
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTCTL_PROGRAM), bin + u"/vantctl"_s));
    const CtlRun created = runProgram(QStringLiteral(VANT_DBCREATOR_PROGRAM),
                                      {u"--demo"_s, u"--force"_s, u"--server"_s, folder.filePath(u"db"_s)});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    const CtlRun demo = runProgram(u"bash"_s, {QStringLiteral(VANT_SOURCE_DIR "/scripts/demo-headless.sh"), bin});
    EXPECT_EQ(demo.exitCode, 0) << demo.err.toStdString();
    EXPECT_TRUE(demo.out.contains(u"Company        : 1 Kormo Traders\n"_s));
    EXPECT_TRUE(demo.out.contains(u"Posted off-line voucher "_s));
    EXPECT_FALSE(QFile::exists(bin + u"/vantlog.txt"_s));
    // Early in a month there may be nothing to transfer yet; that refusal is the only one allowed.
    EXPECT_TRUE(demo.out.contains(u"Transfer    [ Completed ]\n"_s)
                || demo.err == u"No Transaction to Transfer for this period\n"_s)
        << demo.err.toStdString();
    EXPECT_EQ(demo.out.count(u"refused"_s), demo.err.isEmpty() ? 0 : 1);
}

} // namespace
} // namespace vant::test
