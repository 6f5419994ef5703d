#include "session/database.h"

#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::TestDatabase;

ConnectionSettings embedded(const QString &folder, const QString &file)
{
    return ConnectionSettings{QStringLiteral("SQLite"), folder, file, QStringLiteral("sa"), QString()};
}

TEST(DatabaseOpen, MissingEmbeddedFileIsAnErrorAndNoFileIsCreated)
{
    QTemporaryDir folder;
    auto db = Database::open(embedded(folder.path(), QStringLiteral("absent.db")));
    ASSERT_FALSE(db);
    EXPECT_NE(db.error().number, 0);
    EXPECT_TRUE(db.error().description.contains(QStringLiteral("absent.db")));
    EXPECT_FALSE(QFileInfo::exists(QDir(folder.path()).filePath(QStringLiteral("absent.db"))));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(DatabaseOpen, FileThatIsNoDatabaseIsAnError)
{
    QTemporaryDir folder;
    QFile junk(QDir(folder.path()).filePath(QStringLiteral("junk.db")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    auto db = Database::open(embedded(folder.path(), QStringLiteral("junk.db")));
    ASSERT_FALSE(db);
    EXPECT_FALSE(db.error().description.isEmpty());
    ASSERT_TRUE(junk.open(QIODevice::ReadOnly));
    EXPECT_EQ(junk.readAll(), QByteArray(4096, 'x'));
}

TEST(DatabaseOpen, DriverNameOfTheEmbeddedBackendIgnoresCase)
{
    TestDatabase file;
    ConnectionSettings settings = embedded(file.folder(), TestDatabase::kFileName);
    settings.driver = QStringLiteral("sqlite");
    auto db = Database::open(settings);
    ASSERT_TRUE(db) << db.error().description.toStdString();
    EXPECT_EQ((*db)->dialect(), Database::Dialect::Sqlite);
    EXPECT_TRUE((*db)->isOpen());
}

TEST(DatabaseOpen, ClosedConnectionRefusesStatements)
{
    TestDatabase file;
    auto db = file.connect();
    db->close();
    EXPECT_FALSE(db->isOpen());
    const Status executed = db->execute(QStringLiteral("delete from acccompanymaster"));
    ASSERT_FALSE(executed);
    EXPECT_EQ(executed.error().number, 3704);
    EXPECT_FALSE(db->openRecordset(QStringLiteral("select 1")));
}

class DatabaseTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_db = m_file.connect();
        ASSERT_TRUE(m_db);
        TestDatabase::seedCompanies(*m_db);
    }

    QString count(const QString &table)
    {
        return TestDatabase::scalar(*m_db, QStringLiteral("select count(*) from ") + table);
    }

    TestDatabase m_file;
    std::unique_ptr<Database> m_db;
};

TEST_F(DatabaseTest, FailedStatementsAreErrorValues)
{
    const Status executed = m_db->execute(QStringLiteral("insert into NoSuchTable values (1)"));
    ASSERT_FALSE(executed);
    EXPECT_TRUE(executed.error().description.contains(QStringLiteral("NoSuchTable"))) <<
        executed.error().description.toStdString();

    auto rs = m_db->openRecordset(QStringLiteral("select NoSuchColumn from acccompanymaster"));
    ASSERT_FALSE(rs);
    EXPECT_TRUE(rs.error().description.contains(QStringLiteral("NoSuchColumn")));

    EXPECT_FALSE(m_db->openRecordset(QStringLiteral("selec 1")));
    // The connection stays usable after a failure.
    EXPECT_EQ(count(QStringLiteral("acccompanymaster")), u"3");
}

TEST_F(DatabaseTest, FieldsCarryNameAndType)
{
    TestDatabase::exec(*m_db, {QStringLiteral(
        "insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,CrDr,Amount) values (1,7,'2026-04-05','D',12.5)")});
    auto rs = m_db->openRecordset(QStringLiteral("select CrDr,VoucherNo,Amount,VoucherDt from accvoucher2026"));
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->fieldCount(), 4);
    EXPECT_EQ(rs->field(0).name, u"CrDr");
    EXPECT_EQ(rs->field(0).type, FieldType::Text);
    EXPECT_TRUE(rs->field(0).isCharacter());
    EXPECT_EQ(rs->field(1).type, FieldType::Integer);
    EXPECT_EQ(rs->field(2).type, FieldType::Double);
    EXPECT_TRUE(rs->field(2).isDoubleOrCurrency());
    EXPECT_EQ(rs->field(3).type, FieldType::Date);
    EXPECT_FALSE(rs->field(3).isCharacter());

    EXPECT_EQ(rs->text(1), u"7");
    EXPECT_EQ(rs->value(1).toInt(), 7);
    EXPECT_EQ(rs->text(2), u"12.5");
    EXPECT_EQ(dateOf(rs->value(3)), QDate(2026, 4, 5));
}

TEST_F(DatabaseTest, FieldTypesAreKnownOnAnEmptyResult)
{
    auto rs = m_db->openRecordset(QStringLiteral("select CrDr,VoucherNo,Amount,VoucherDt from accvoucher2026"));
    ASSERT_TRUE(rs);
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->field(0).type, FieldType::Text);
    EXPECT_EQ(rs->field(1).type, FieldType::Integer);
    EXPECT_EQ(rs->field(2).type, FieldType::Double);
    EXPECT_EQ(rs->field(3).type, FieldType::Date);
}

TEST_F(DatabaseTest, RollbackUndoesTheStatements)
{
    ASSERT_TRUE(m_db->beginTransaction());
    EXPECT_TRUE(m_db->inTransaction());
    TestDatabase::exec(*m_db, {QStringLiteral("delete from accledgermaster"),
                               QStringLiteral("update acccompanymaster set CompanyName='Changed'")});
    EXPECT_EQ(count(QStringLiteral("accledgermaster")), u"0");
    ASSERT_TRUE(m_db->rollbackTransaction());
    EXPECT_FALSE(m_db->inTransaction());
    EXPECT_EQ(count(QStringLiteral("accledgermaster")), u"5");
    EXPECT_EQ(TestDatabase::scalar(*m_db, QStringLiteral("select CompanyName from acccompanymaster where CompanyCode=1")),
              u"Kormo Traders");

    // Another connection sees only what was committed.
    ASSERT_TRUE(m_db->beginTransaction());
    TestDatabase::exec(*m_db, {QStringLiteral("delete from accledgermaster where ledgercode=101")});
    ASSERT_TRUE(m_db->commitTransaction());
    auto other = m_file.connect();
    EXPECT_EQ(TestDatabase::scalar(*other, QStringLiteral("select count(*) from accledgermaster")), u"4");
}

TEST_F(DatabaseTest, TransactionGuardRollsBackUnlessCommitted)
{
    {
        TransactionGuard guard(*m_db);
        ASSERT_TRUE(guard.begin());
        TestDatabase::exec(*m_db, {QStringLiteral("delete from accledgermaster")});
    }
    EXPECT_FALSE(m_db->inTransaction());
    EXPECT_EQ(count(QStringLiteral("accledgermaster")), u"5");

    {
        TransactionGuard guard(*m_db);
        ASSERT_TRUE(guard.begin());
        TestDatabase::exec(*m_db, {QStringLiteral("delete from accledgermaster where ledgercode=401")});
        ASSERT_TRUE(guard.commit());
    }
    EXPECT_EQ(count(QStringLiteral("accledgermaster")), u"4");
}

TEST_F(DatabaseTest, ClosingInsideATransactionRollsItBack)
{
    ASSERT_TRUE(m_db->beginTransaction());
    TestDatabase::exec(*m_db, {QStringLiteral("delete from accledgermaster")});
    m_db.reset();
    auto other = m_file.connect();
    EXPECT_EQ(TestDatabase::scalar(*other, QStringLiteral("select count(*) from accledgermaster")), u"5");
}

TEST_F(DatabaseTest, RecordsetOutlivesItsConnection)
{
    auto rs = m_db->openRecordset(QStringLiteral("select LedgerName from accledgermaster order by ledgercode"));
    ASSERT_TRUE(rs);
    m_db->close();
    EXPECT_EQ(rs->recordCount(), 5);
    rs->moveLast();
    EXPECT_EQ(rs->text(0), u"Anand Stores");
}

TEST_F(DatabaseTest, CommitWithoutTransactionFails)
{
    EXPECT_FALSE(m_db->commitTransaction());
    EXPECT_FALSE(m_db->inTransaction());
}

TEST(DatabaseTrace, AppendsEachStatementAsWrittenBeforeRewriting)
{
    TestDatabase file;
    QTemporaryDir folder;
    const QString tracePath = QDir(folder.path()).filePath(QStringLiteral("trace.sql"));
    {
        QFile existing(tracePath);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("earlier\n");
    }
    qputenv("VANT_SQL_TRACE", tracePath.toUtf8());
    {
        auto db = file.connect();
        ASSERT_TRUE(db);
        EXPECT_TRUE(db->execute(QStringLiteral("update acccompanymaster set ts=getdate()")));
        EXPECT_TRUE(db->openRecordset(QStringLiteral("select top 1 isnull(CompanyName,'') from dbo.acccompanymaster")));
        EXPECT_FALSE(db->execute(QStringLiteral("select * from NoSuchTable")));
    }
    qunsetenv("VANT_SQL_TRACE");

    QFile trace(tracePath);
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(trace.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("earlier"), QStringLiteral("SET DATEFORMAT mdy"),
                                  QStringLiteral("update acccompanymaster set ts=getdate()"),
                                  QStringLiteral("select top 1 isnull(CompanyName,'') from dbo.acccompanymaster"),
                                  QStringLiteral("select * from NoSuchTable")}));
}

TEST(DatabaseTrace, UnwritableTraceLeavesTheStatementsAlone)
{
    TestDatabase file;
    QTemporaryDir folder;
    qputenv("VANT_SQL_TRACE", QDir(folder.path()).filePath(QStringLiteral("missing/trace.sql")).toUtf8());
    auto db = file.connect();
    qunsetenv("VANT_SQL_TRACE");
    ASSERT_TRUE(db);
    EXPECT_TRUE(db->execute(QStringLiteral("delete from accledgermaster")));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(ConnectionStrings, OleDbStringIsPlainConcatenation)
{
    const ConnectionSettings settings{QStringLiteral("FreeTDS"), QStringLiteral("LEDGER01\\SQL"),
                                      QStringLiteral("KormoVant"), QStringLiteral("sa"), QStringLiteral("p;w}d")};
    EXPECT_EQ(settings.oleDbConnectionString(),
              u"Provider=SQLOLEDB;Data Source=LEDGER01\\SQL;Initial Catalog=KormoVant;User Id=sa;Password=p;w}d;");
    const ConnectionSettings empty{QStringLiteral("FreeTDS"), QStringLiteral("s"), QStringLiteral("d"),
                                   QStringLiteral("u"), QString()};
    EXPECT_EQ(empty.oleDbConnectionString(), u"Provider=SQLOLEDB;Data Source=s;Initial Catalog=d;User Id=u;Password=;");
}

TEST(ConnectionStrings, OdbcStringBracesValuesThatNeedIt)
{
    const ConnectionSettings settings{QStringLiteral("FreeTDS"), QStringLiteral("ledger01"),
                                      QStringLiteral("KormoVant"), QStringLiteral("sa"), QStringLiteral("p;w}d")};
    const QString odbc = settings.odbcConnectionString();
    EXPECT_TRUE(odbc.contains(QStringLiteral(";PWD={p;w}}d};"))) << odbc.toStdString();
    EXPECT_TRUE(odbc.startsWith(QStringLiteral("DRIVER="))) << odbc.toStdString();
    EXPECT_TRUE(odbc.contains(QStringLiteral("FreeTDS")));
    EXPECT_TRUE(odbc.contains(QStringLiteral("KormoVant")));

    const ConnectionSettings opening{QStringLiteral("FreeTDS"), QStringLiteral("s"), QStringLiteral("d"),
                                     QStringLiteral("u"), QStringLiteral("{secret")};
    EXPECT_TRUE(opening.odbcConnectionString().contains(QStringLiteral(";PWD={{secret};")))
        << opening.odbcConnectionString().toStdString();
}

} // namespace
} // namespace vant
