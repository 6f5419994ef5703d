#include "creator_run.h"
#include "financial_year.h"
#include "db/database.h"
#include "session/password_cipher.h"
#include "session/settings_store.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    test::CreatorRun create(QStringList options = {}, bool answer = false) const
    {
        return test::runCreator(options << u"--server"_s << m_folder.path(), kToday, u"/nonexistent/default"_s, answer);
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

TEST_F(DatabaseCreatorTest, CreatesTheTablesOfTheYearAndWritesTheSettings)
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
    EXPECT_EQ(test::TestDatabase::scalar(**db, u"select count(*) from accvoucher2026"_s), u"0");

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

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_F(DatabaseCreatorTest, SettingsLeadingElsewhereAreReplacedOnlyAfterAYesAndKept)
{
    writeSetting(u"Server"_s, u"office-sql"_s);
    writeSetting(u"Driver"_s, u"FreeTDS"_s);
    writeSetting(u"Login"_s, u"sa"_s);
    writeSetting(u"VantDB"_s, u"KORMO"_s);
    const QString store = settingsLocation();
    const QString office = fileText(store);

    const test::CreatorRun refused = create({u"--demo"_s});
    EXPECT_EQ(refused.status, 1);
    ASSERT_EQ(refused.questions.size(), 1);
    EXPECT_EQ(refused.questions.first(), u"The settings in "_s + store
                                             + u" lead to another database:\n"
                                               u"  Server  office-sql  (new: "_s
                                             + m_folder.path()
                                             + u")\n"
                                               u"  Driver  FreeTDS  (new: SQLite)\n"
                                               u"  VantDB  KORMO  (new: vantdemo.db)\n"
                                               u"Replace them? A copy of them is kept beside them. [y/N] "_s);
    EXPECT_EQ(refused.err, u"vant-dbcreator: Nothing created; the settings in "_s + store
                               + u" stay as they were. Give --force to replace them.\n"_s);
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(fileText(store), office);

    const test::CreatorRun confirmed = create({u"--demo"_s}, true);
    ASSERT_EQ(confirmed.status, 0) << confirmed.err.toStdString();
    EXPECT_EQ(readSetting(u"Server"_s), m_folder.path());
    const QStringList copies = QDir(QFileInfo(store).path()).entryList({u"KormoLedger.conf.replaced-*"_s});
    ASSERT_EQ(copies.size(), 1);
    const QString copy = QFileInfo(store).dir().filePath(copies.first());
    EXPECT_EQ(fileText(copy), office);
    EXPECT_TRUE(confirmed.out.startsWith(u"The earlier settings are kept in "_s + copy + u".\n"_s));

    // Settings that already lead to this database are simply written again; --force answers
    // yes without a question, and each replacement keeps its own copy.
    EXPECT_TRUE(create({u"--force"_s}).questions.isEmpty());
    writeSetting(u"Server"_s, u"office-sql"_s);
    const test::CreatorRun forced = create({u"--force"_s});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_TRUE(forced.questions.isEmpty());
    EXPECT_EQ(QDir(QFileInfo(store).path()).entryList({u"KormoLedger.conf.replaced-*"_s}).size(), 2);
    EXPECT_EQ(readSetting(u"Server"_s), m_folder.path());
}

} // namespace
} // namespace vant
