#include "creator_run.h"
#include "financial_year.h"
#include "session/accounts_schema.h"
#include "session/database.h"
#include "session/password_cipher.h"
#include "session/settings_store.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vant {
namespace {

const QDate kToday(2026, 12, 6);

class DatabaseCreatorTest : public ::testing::Test
{
protected:
    void SetUp() override { test::clearSettings(); }

    QString path() const { return QDir(m_folder.path()).filePath(QStringLiteral("vantdemo.db")); }
    QStringList embedded(QStringList options = {}) const
    {
        return options << QStringLiteral("--server") << m_folder.path();
    }
    std::unique_ptr<Database> connect() const
    {
        auto db = Database::open({QStringLiteral("SQLite"), m_folder.path(), QStringLiteral("vantdemo.db"),
                                  QStringLiteral("sa"), QString()});
        EXPECT_TRUE(bool(db));
        return db ? std::move(*db) : nullptr;
    }

    QTemporaryDir m_folder;
};

TEST(FinancialYearOf, BeginsOnTheFirstOfApril)
{
    const std::tuple<QDate, QString, QDate> table[] = {
        {QDate(2026, 12, 6), QStringLiteral("2026"), QDate(2026, 4, 1)},
        {QDate(2026, 4, 1), QStringLiteral("2026"), QDate(2026, 4, 1)},
        {QDate(2026, 3, 31), QStringLiteral("2025"), QDate(2025, 4, 1)},
        {QDate(2027, 1, 15), QStringLiteral("2026"), QDate(2026, 4, 1)},
    };
    for (const auto &[day, key, begin] : table) {
        const FinancialYear year = financialYearOf(day);
        EXPECT_EQ(year.key, key) << day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(year.begin, begin);
        EXPECT_EQ(year.end, begin.addYears(1).addDays(-1));
        EXPECT_EQ(year.voucherTable(), QStringLiteral("accvoucher") + key);
    }
}

TEST_F(DatabaseCreatorTest, CreatesEveryTableAndWritesTheSettings)
{
    const test::CreatorRun run = test::runCreator(
        embedded({QStringLiteral("--product"), QStringLiteral("Kormo Mart"), QStringLiteral("--login"),
                  QStringLiteral("shop"), QStringLiteral("--password"), QStringLiteral("Kormo#2026")}),
        kToday);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Created the Kormo Mart accounts database: ")
                                   + QDir::toNativeSeparators(path()) + QLatin1Char('\n')));
    EXPECT_TRUE(run.out.contains(u"voucher table accvoucher2026."));
    EXPECT_FALSE(QFile::exists(path() + QStringLiteral(".new")));

    auto db = connect();
    ASSERT_TRUE(db);
    for (const Table &table : accountsTables({QStringLiteral("2026")})) {
        auto rs = db->openRecordset(QStringLiteral("select count(*) from ") + table.name);
        ASSERT_TRUE(bool(rs)) << table.name.toStdString() << ": " << rs.error().description.toStdString();
        EXPECT_EQ(rs->text(0), u"0") << table.name.toStdString();
    }

    EXPECT_EQ(readSetting(QStringLiteral("Server")), m_folder.path());
    EXPECT_EQ(readSetting(QStringLiteral("Login")), u"shop");
    EXPECT_EQ(readSetting(QStringLiteral("Driver")), u"SQLite");
    EXPECT_EQ(readSetting(QStringLiteral("MartVantDB")), u"vantdemo.db");
    EXPECT_EQ(readSetting(QStringLiteral("MARTVANTDB")), u"vantdemo.db");
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), QString());
    const QString stored = readSetting(QStringLiteral("Password"));
    EXPECT_NE(stored, u"Kormo#2026");
    EXPECT_EQ(DecipherPassword(stored, kPasswordKey), u"Kormo#2026");
}

TEST_F(DatabaseCreatorTest, AnExistingFileIsKeptWithoutForce)
{
    ASSERT_EQ(test::runCreator(embedded(), kToday).status, 0);
    test::clearSettings();
    {
        auto db = connect();
        ASSERT_TRUE(db->execute(QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) "
                                               "values (101,'Cash',9101)")));
    }

    const test::CreatorRun refused = test::runCreator(embedded({QStringLiteral("--demo")}), kToday);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, QStringLiteral("vant-dbcreator: ") + QDir::toNativeSeparators(path())
                               + QStringLiteral(" already exists; give --force to replace it.\n"));
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), QString()) << "a refused run writes no settings";
    EXPECT_EQ(test::TestDatabase::scalar(*connect(), QStringLiteral("select count(*) from accledgermaster")), u"1");

    const test::CreatorRun forced = test::runCreator(embedded({QStringLiteral("--force")}), kToday);
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_EQ(test::TestDatabase::scalar(*connect(), QStringLiteral("select count(*) from accledgermaster")), u"0");
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), u"vantdemo.db");
}

TEST_F(DatabaseCreatorTest, AFailedReplacementKeepsTheExistingDatabase)
{
    ASSERT_EQ(test::runCreator(embedded({QStringLiteral("--demo")}), kToday).status, 0);
    test::clearSettings();
    // The new database is built beside the old one; here its place is taken.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("vantdemo.db.new")));

    const test::CreatorRun run = test::runCreator(embedded({QStringLiteral("--force")}), kToday);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("vant-dbcreator: Cannot create ")
                                   + QDir::toNativeSeparators(path() + QStringLiteral(".new"))))
        << run.err.toStdString();
    EXPECT_EQ(test::TestDatabase::scalar(*connect(), QStringLiteral("select count(*) from psm_employee_master")),
              u"2");
    EXPECT_EQ(readSetting(QStringLiteral("VantDB")), QString());
}

TEST_F(DatabaseCreatorTest, AnUnreachableServerFailsAndWritesNoSettings)
{
    const test::CreatorRun run = test::runCreator({QStringLiteral("--driver"), QStringLiteral("No Such Driver"),
                                                   QStringLiteral("--server"), QStringLiteral("nowhere")},
                                                  kToday);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(u"vant-dbcreator: Cannot connect to database VANTDEMO on nowhere "
                                   u"(ODBC driver No Such Driver): "))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(u". The database must exist.\n"));
    EXPECT_EQ(readSetting(QStringLiteral("Server")), QString());
}

} // namespace
} // namespace vant
