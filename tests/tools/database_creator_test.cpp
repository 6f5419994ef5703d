#include "creator_run.h"
#include "financial_year.h"
#include "db/accounts_schema.h"
#include "db/database.h"
#include "session/password_cipher.h"
#include "session/settings_store.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vant {
namespace {

const QDate kToday(2026, 12, 6);

class DatabaseCreatorTest : public ::testing::Test
{
protected:
    void SetUp() override { test::clearSettings(); }

    QString path() const { return QDir(m_folder.path()).filePath(u"vantdemo.db"_s); }
    test::CreatorRun create(QStringList options = {}) const
    {
        return test::runCreator(options << u"--server"_s << m_folder.path(), kToday);
    }
    QString ledgers() const
    {
        auto db = Database::open({u"SQLite"_s, m_folder.path(), u"vantdemo.db"_s, u"sa"_s, QString(), QString()});
        EXPECT_TRUE(bool(db));
        return db ? test::TestDatabase::scalar(**db, u"select count(*) from accledgermaster"_s) : QString();
    }

    QTemporaryDir m_folder;
};

TEST(FinancialYearOf, BeginsOnTheFirstOfApril)
{
    const std::tuple<QDate, QString, QDate> table[] = {
        {QDate(2026, 12, 6), u"2026"_s, QDate(2026, 4, 1)},
        {QDate(2026, 4, 1), u"2026"_s, QDate(2026, 4, 1)},
        {QDate(2026, 3, 31), u"2025"_s, QDate(2025, 4, 1)},
    };
    for (const auto &[day, key, begin] : table) {
        const FinancialYear year = financialYearOf(day);
        EXPECT_EQ(year.key, key) << day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(year.begin, begin);
        EXPECT_EQ(year.end, begin.addYears(1).addDays(-1));
    }
}

TEST_F(DatabaseCreatorTest, CreatesEveryTableAndWritesTheSettings)
{
    const test::CreatorRun run =
        create({u"--product"_s, u"Kormo Mart"_s, u"--login"_s, u"shop"_s, u"--password"_s, u"Kormo#2026"_s});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.startsWith(u"Created the Kormo Mart accounts database: "_s + QDir::toNativeSeparators(path())
                                   + QLatin1Char('\n')));
    EXPECT_TRUE(run.out.contains(u"voucher table accvoucher2026."));
    EXPECT_FALSE(QFile::exists(path() + u".new"_s));

    auto db = Database::open({u"SQLite"_s, m_folder.path(), u"vantdemo.db"_s, u"sa"_s, QString(), QString()});
    ASSERT_TRUE(bool(db));
    for (const Table &table : accountsTables({u"2026"_s})) {
        auto rs = (*db)->openRecordset(u"select count(*) from "_s + table.name);
        ASSERT_TRUE(bool(rs)) << table.name.toStdString() << ": " << rs.error().description.toStdString();
        EXPECT_EQ(rs->text(0), u"0") << table.name.toStdString();
    }

    EXPECT_EQ(QStringList({readSetting(u"Server"_s), readSetting(u"Login"_s), readSetting(u"Driver"_s),
                           readSetting(u"MARTVANTDB"_s), readSetting(u"VantDB"_s)}),
              QStringList({m_folder.path(), u"shop"_s, u"SQLite"_s, u"vantdemo.db"_s, QString()}));
    const QString stored = readSetting(u"Password"_s);
    EXPECT_NE(stored, u"Kormo#2026");
    EXPECT_EQ(DecipherPassword(stored, kPasswordKey), u"Kormo#2026");
}

TEST_F(DatabaseCreatorTest, AnExistingFileIsKeptWithoutForce)
{
    ASSERT_EQ(create({u"--demo"_s}).status, 0);
    test::clearSettings();
    const QString demoLedgers = ledgers();
    ASSERT_NE(demoLedgers, u"0");

    const test::CreatorRun refused = create();
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, u"vant-dbcreator: "_s + QDir::toNativeSeparators(path())
                               + u" already exists; give --force to replace it.\n"_s);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(readSetting(u"VantDB"_s), QString()) << "a refused run writes no settings";
    EXPECT_EQ(ledgers(), demoLedgers);

    // The new database is built beside the old one; while its place is taken, the old one stays.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(u"vantdemo.db.new"_s));
    const test::CreatorRun blocked = create({u"--force"_s});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_TRUE(
        blocked.err.startsWith(u"vant-dbcreator: Cannot create "_s + QDir::toNativeSeparators(path() + u".new"_s)))
        << blocked.err.toStdString();
    EXPECT_EQ(ledgers(), demoLedgers);
    EXPECT_EQ(readSetting(u"VantDB"_s), QString());

    ASSERT_TRUE(QDir(m_folder.path()).rmdir(u"vantdemo.db.new"_s));
    const test::CreatorRun forced = create({u"--force"_s});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_EQ(ledgers(), u"0");
    EXPECT_EQ(readSetting(u"VantDB"_s), u"vantdemo.db");
}

TEST_F(DatabaseCreatorTest, AnUnreachableServerFailsAndWritesNoSettings)
{
    const test::CreatorRun run =
        test::runCreator({u"--driver"_s, u"No Such Driver"_s, u"--server"_s, u"nowhere"_s}, kToday);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(u"vant-dbcreator: Cannot connect to database VANTDEMO on nowhere "
                                   u"(ODBC driver No Such Driver): "))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(u". The database must exist.\n"));
    EXPECT_EQ(readSetting(u"Server"_s), QString());
}

} // namespace
} // namespace vant
