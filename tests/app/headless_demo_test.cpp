// The README's run on a machine without a display: scripts/demo-headless.sh drives the
// built vantctl on a fresh demo database.
#include "vantctl_fixture.h"

#include "session/settings_store.h"
#include "support/test_environment.h"

#include <QDate>
#include <QDir>
#include <QFile>

namespace vant::test {
namespace {

TEST(HeadlessDemoTest, TransfersTheMonthAndPostsTodaysSales)
{
    clearSettings();
    QTemporaryDir folder;
    const QString binDir = QDir(folder.path()).filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(binDir));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTCTL_PROGRAM), QDir(binDir).filePath(QStringLiteral("vantctl"))));

    const CtlRun created =
        runProgram(QStringLiteral(VANT_DBCREATOR_PROGRAM),
                   {QStringLiteral("--demo"), QStringLiteral("--force"), QStringLiteral("--server"),
                    QDir(folder.path()).filePath(QStringLiteral("db"))});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();

    const CtlRun demo = runProgram(QStringLiteral("bash"),
                                   {QStringLiteral(VANT_SOURCE_DIR "/scripts/demo-headless.sh"), binDir});
    EXPECT_EQ(demo.exitCode, 0) << demo.err.toStdString();
    EXPECT_TRUE(demo.out.contains(QStringLiteral("Company        : 1 Kormo Traders\n")));
    EXPECT_TRUE(demo.out.contains(QStringLiteral("Posted off-line voucher ")));
    EXPECT_FALSE(QFile::exists(QDir(binDir).filePath(QStringLiteral("vantlog.txt"))));

    ConnectionSettings settings{readSetting(QStringLiteral("Driver")), readSetting(QStringLiteral("Server")),
                                readSetting(QStringLiteral("VantDB")), QStringLiteral("sa"), QString()};
    auto db = Database::open(settings);
    ASSERT_TRUE(bool(db)) << db.error().description.toStdString();
    const QString voucherTable = QStringLiteral("accvoucher")
                                 + TestDatabase::scalar(**db, QStringLiteral("select defaultyear from acccompanymaster "
                                                                             "where DefaultCompany='Y'"));
    const QDate today = QDate::currentDate();
    const QString monthRows = QStringLiteral("select count(*) from ") + voucherTable
                              + QStringLiteral(" where VoucherDt between '%1' and '%2' and CompanyCode=")
                                    .arg(QDate(today.year(), today.month(), 1).toString(Qt::ISODate),
                                         today.toString(Qt::ISODate));
    // The rows of the month that the company had before the posting added today's.
    const QString sourceRows = TestDatabase::scalar(**db, monthRows + QStringLiteral("1 and OldVoucherNo is null"));
    EXPECT_EQ(TestDatabase::scalar(**db, monthRows + QStringLiteral("2 and OldVoucherNo is not null")), sourceRows);
    // Early in a month the demo may hold no voucher of it yet; the transfer then says so and the demo goes on.
    if (sourceRows != u"0") {
        EXPECT_TRUE(demo.out.contains(QStringLiteral("Transfer    [ Completed ]\n")));
        EXPECT_FALSE(demo.out.contains(QStringLiteral("refused")));
        EXPECT_EQ(demo.err, QString());
    }
    EXPECT_EQ(TestDatabase::scalar(**db, QStringLiteral("select count(*) from AccOffLineVoucher where CompanyCode=1 "
                                                        "and VoucherCode in (5,14) and DivisionCode in (1,2) and "
                                                        "Moved is null and VoucherDt='%1'")
                                             .arg(today.toString(Qt::ISODate))),
              QStringLiteral("0"));
    EXPECT_NE(TestDatabase::scalar(**db, QStringLiteral("select count(*) from AccOffLineVoucher where Moved='Y'")),
              QStringLiteral("0"));
}

} // namespace
} // namespace vant::test
