#include "db/accounts_schema.h"
#include "db/change_tally.h"
#include "db/database.h"

#include "session/session_fixture.h"
#include "support/copy_form_pairs.h"
#include "support/test_server.h"

namespace vant {
namespace {

using test::TestDatabase;
using namespace Qt::StringLiterals;

TEST(DatabaseOpen, MissingOrForeignFileIsAnErrorAndLeftAlone)
{
    QTemporaryDir folder;
    ConnectionSettings settings{u"sqlite"_s, folder.path(), u"absent.db"_s, u"sa"_s, QString(), QString()};
    auto db = Database::open(settings);
    ASSERT_FALSE(db);
    EXPECT_TRUE(db.error().description.contains(u"absent.db"_s));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    QFile junk(QDir(folder.path()).filePath(u"junk.db"_s));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    settings.database = u"junk.db"_s;
    EXPECT_FALSE(Database::open(settings));
    ASSERT_TRUE(junk.open(QIODevice::ReadOnly));
    EXPECT_EQ(junk.readAll(), QByteArray(4096, 'x'));
}

class DatabaseTest : public test::SeededDatabaseTest
{
protected:
    static QString ledgers(Database &db) { return TestDatabase::scalar(db, u"select count(*) from accledgermaster"_s); }
};

TEST_F(DatabaseTest, BatchesHandOverEveryRowOnceAndFailuresAreErrorValues)
{
    const QString statement = u"select LedgerName from accledgermaster order by ledgercode"_s;
    QList<qsizetype> sizes;
    QStringList names;
    const Status read = m_db->readBatches(statement, 2, [&](Recordset &rows) {
        sizes << rows.recordCount();
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            names << rows.text(0);
    });
    EXPECT_TRUE(read);
    EXPECT_EQ(sizes, (QList<qsizetype>{2, 2, 1}));
    auto whole = m_db->openRecordset(statement);
    QStringList wholeNames;
    for (; !whole->eof(); whole->moveNext())
        wholeNames << whole->text(0);
    EXPECT_EQ(names, wholeNames);

    int batches = 0;
    const Status failed =
        m_db->readBatches(u"select NoSuchColumn from accledgermaster"_s, 2, [&](Recordset &) { ++batches; });
    EXPECT_TRUE(!failed && failed.error().description.contains(u"NoSuchColumn"_s));
    EXPECT_EQ(batches, 0);

    const Status executed = m_db->execute(u"insert into NoSuchTable values (1)"_s);
    EXPECT_TRUE(!executed && executed.error().description.contains(u"NoSuchTable"_s));
    auto rs = m_db->openRecordset(u"select NoSuchColumn from acccompanymaster"_s);
    EXPECT_TRUE(!rs && rs.error().description.contains(u"NoSuchColumn"_s));
    EXPECT_FALSE(m_db->commitTransaction());
    EXPECT_EQ(ledgers(*m_db), u"5");

    // A recordset outlives its connection; the closed connection refuses statements.
    auto open = m_db->openRecordset(u"select LedgerName from accledgermaster order by ledgercode"_s);
    m_db->close();
    EXPECT_EQ(open->recordCount(), 5);
    EXPECT_EQ(m_db->execute(u"delete from accledgermaster"_s).error().number, 3704);
    EXPECT_FALSE(m_db->openRecordset(u"select 1"_s));
}

// A long statement, compiled once and kept, takes its work tables as they are when it is sent
// again, also after they were made anew with other columns.
TEST_F(DatabaseTest, LongStatementSentAgainTakesItsTablesAsTheyAreNow)
{
    const QString where = u" where 1=1"_s + u" and 1=1"_s.repeated(300);
    const QString copy = u"insert into #Work select * from #Source"_s + where;
    const QString read = u"select * from #Work"_s + where + u" order by 1"_s;
    for (const QString &columns : {u"a int"_s, u"b varchar(5), c int"_s}) {
        ASSERT_TRUE(m_db->execute(u"create table #Source (%1)"_s.arg(columns)));
        ASSERT_TRUE(m_db->execute(u"create table #Work (%1)"_s.arg(columns)));
        ASSERT_TRUE(m_db->execute(columns == u"a int" ? u"insert into #Source values (2),(1)"_s
                                                      : u"insert into #Source values ('x',7)"_s));
        ASSERT_TRUE(m_db->execute(copy));
        auto rows = m_db->openRecordset(read);
        ASSERT_TRUE(rows);
        EXPECT_EQ(rows->fieldCount(), columns == u"a int" ? 1 : 2);
        EXPECT_EQ(rows->text(0), columns == u"a int" ? u"1"_s : u"x"_s);
        ASSERT_TRUE(m_db->execute(u"drop table #Work"_s) && m_db->execute(u"drop table #Source"_s));
    }
    EXPECT_FALSE(m_db->execute(copy));
}

// Field types are known also on an empty result.
TEST_F(DatabaseTest, CatalogueDateColumnsAreDatesWhereverTheyAreRead)
{
    // Columns are typed by name, so a name must mean a date in every table that has it.
    const QList<Table> tables = accountsTables({u"2026"_s});
    for (const Table &table : tables) {
        for (const Column &column : table.columns)
            EXPECT_EQ(isDateColumn(column.name), column.type == ColumnType::Date) << column.name.toStdString();
    }

    // An empty table, a work table made by select-into, an expression named as its column, and
    // an empty result.
    const auto typesOf = [this](const QString &select) {
        auto rs = m_db->openRecordset(select);
        EXPECT_TRUE(rs) << rs.error().description.toStdString();
        QList<FieldType> types;
        for (int i = 0; rs && i < rs->fieldCount(); ++i)
            types << rs->field(i).type;
        return types;
    };
    const QString voucher = u"select CrDr,VoucherNo,Amount,VoucherDt from accvoucher2026"_s;
    ASSERT_EQ(scalar(u"select count(*) from accvoucher2026"_s), u"0");
    EXPECT_EQ(typesOf(voucher),
              (QList<FieldType>{FieldType::Text, FieldType::Integer, FieldType::Double, FieldType::Date}));
    exec(u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,CrDr,Amount) "
         "values (1,7,'2026-04-05','D',12.5)"_s);
    auto rs = m_db->openRecordset(voucher);
    EXPECT_EQ(rs->text(2), u"12.5");
    EXPECT_EQ(dateOf(rs->value(3)), QDate(2026, 4, 5));
    exec(u"select VoucherNo,voucherdt,CrDr into DatedCopy from accvoucher2026"_s);
    const struct
    {
        QString select;
        QList<FieldType> types;
    } cases[] = {
        {u"select * from DatedCopy"_s, {FieldType::Integer, FieldType::Date, FieldType::Text}},
        {u"select max(VoucherDt) as VoucherDt,max(CrDr) as CrDr from accvoucher2026"_s,
         {FieldType::Date, FieldType::Text}},
        {u"select * from (select VoucherDt,TS from accvoucher2026) q where 1=0"_s, {FieldType::Date, FieldType::Date}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(typesOf(c.select), c.types) << c.select.toStdString();
}

// A guard undoes its work unless committed; begun inside another transaction it keeps or
// undoes only its own part, and the outer transaction decides what stays.
// The tally keeps what the kept work changed in the books' tables; work tables stay out of it.
TEST_F(DatabaseTest, GuardsRollBackUnlessCommittedAndNestAsSavepoints)
{
    ChangeTally tally;
    m_db->setChangeTally(&tally);
    TransactionGuard outer(*m_db);
    ASSERT_TRUE(outer.begin());
    exec(u"delete from accledgermaster where ledgercode=101"_s);
    {
        TransactionGuard undone(*m_db);
        ASSERT_TRUE(undone.begin());
        exec(u"delete from accledgermaster where ledgercode=102"_s);
    }
    {
        TransactionGuard kept(*m_db);
        ASSERT_TRUE(kept.begin());
        exec(u"delete from accledgermaster where ledgercode=201"_s);
        exec(u"update AccLedgerMaster set aid=aid+1"_s);
        exec(u"select ledgercode into LedgerWork from accledgermaster"_s);
        exec(u"insert into LedgerWork(ledgercode) values (9)"_s);
        ASSERT_TRUE(kept.commit());
    }
    m_db->setChangeTally(nullptr);
    const QList<TableChanges> changes = tally.tables();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.first().table, u"accledgermaster");
    EXPECT_EQ(changes.first().deleted, 2);
    EXPECT_EQ(changes.first().updated, 3);
    EXPECT_EQ(changes.first().inserted, 0);
    EXPECT_TRUE(m_db->inTransaction());
    EXPECT_EQ(TestDatabase::joined(*m_db, u"select ledgercode from accledgermaster order by ledgercode"_s),
              u"102,301,401");
    outer.rollback();
    EXPECT_FALSE(m_db->inTransaction());
    EXPECT_EQ(ledgers(*m_db), u"5");

    {
        TransactionGuard guard(*m_db);
        ASSERT_TRUE(guard.begin());
        exec(u"delete from accledgermaster"_s);
    }
    EXPECT_FALSE(m_db->inTransaction());
    EXPECT_EQ(ledgers(*m_db), u"5");
    {
        TransactionGuard guard(*m_db);
        ASSERT_TRUE(guard.begin());
        TestDatabase::exec(*m_db, {u"delete from accledgermaster where ledgercode=401"_s});
        ASSERT_TRUE(guard.commit());
    }
    EXPECT_EQ(ledgers(*m_file.connect()), u"4");

    // Closing inside a transaction rolls it back.
    ASSERT_TRUE(m_db->beginTransaction());
    exec(u"delete from accledgermaster"_s);
    m_db.reset();
    EXPECT_EQ(ledgers(*m_file.connect()), u"4");
}

TEST_F(DatabaseTest, OdbcDriverGivesTheSameStatementsAndTypes)
{
    // The SQLite ODBC driver that unixODBC registers as "SQLite3" stands in for SQL Server through FreeTDS.
    ConnectionSettings settings{u"SQLite3"_s, u"localhost"_s, m_file.path(), u"sa"_s, u"p;w}d"_s, QString()};
    auto db = Database::open(settings);
    ASSERT_TRUE(db) << db.error().number << " " << db.error().description.toStdString();
    EXPECT_EQ((*db)->dialect(), Database::Dialect::Sqlite);
    const QString counted = u"select top 1 count(*) from dbo.acccompanymaster where len('a ')=1 and "
                            "(isnull(parentcompanycode,'0') <> 0 or CompanyName = N'KORMO TRADERS')"_s;
    EXPECT_EQ(TestDatabase::scalar(**db, counted), u"3");
    {
        TransactionGuard guard(**db);
        ASSERT_TRUE(guard.begin());
        TestDatabase::exec(**db, {u"delete from accledgermaster"_s});
    }
    EXPECT_EQ(ledgers(**db), u"5");

    auto rs = (*db)->openRecordset(u"select CompanyCode,CompanyName,FinYearBegin from acccompanymaster"_s);
    ASSERT_TRUE(rs) << rs.error().description.toStdString();
    EXPECT_EQ(rs->field(0).type, FieldType::Integer);
    EXPECT_EQ(rs->field(1).type, FieldType::Text);
    EXPECT_EQ(rs->field(2).type, FieldType::Date);
    EXPECT_EQ(dateOf(rs->value(2)), QDate(2026, 4, 1));
    // Date values filter by their text.
    rs->setFilter(
        [](const QList<QVariant> &row) { return valueText(row.at(2)).startsWith(u"2026"_s) && row.at(0).toInt() > 1; });
    EXPECT_EQ(rs->recordCount(), 2);

    settings.driver = u"No Such Driver"_s;
    EXPECT_FALSE(Database::open(settings));
}

// The set-based copies find the rows to refuse with a condition and explain them with the row
// check: both must take each stored value alike, and the copy must write what the check read.
TEST_F(DatabaseTest, CopyConditionsAndRowChecksTakeEveryValueAlike)
{
    test::CopyFormPairs pairs(*m_db);
    ASSERT_TRUE(pairs.createTable());
    const std::optional<QString> values[] = {
        std::nullopt,
        u""_s,
        u"12"_s,
        u" 12 "_s,
        u"-0"_s,
        u"12.5"_s,
        u"1e5"_s,
        u"1E999"_s,
        u"-1e999"_s,
        u"NaN"_s,
        u"inf"_s,
        u"0x10"_s,
        u"1 or 1=1"_s,
        u"1;drop table x"_s,
        u"12abc"_s,
        u"\u00a012"_s,
        u"-2147483648"_s,
        u"2147483648"_s,
        u"99999999999999999999"_s,
        u"2026-04-10"_s,
        u"2026-04-10 10:30:00"_s,
        u"2026/11/30"_s,
        u"2026-02-30"_s,
        u"0000-01-01"_s,
        u"\t"_s,
        u"\n"_s,
        u" \r\n "_s,
        u"\v"_s,
        u" 2026-04-10"_s,
        u"\t12"_s,
        u"12e5x"_s,
        u"1E999x"_s,
        u"1234567890123456789012345678901234567890123"_s,
        u"1e"_s,
        u"-"_s,
    };
    for (const auto &value : values)
        EXPECT_EQ(pairs.disagreement(value), std::nullopt) << (value ? value->toStdString() : "NULL");
}

// The embedded database compares texts as the server's case-insensitive collation does, for
// every letter: LIKE, and an order or comparison "collate database_default". SQLite's own
// NOCASE, which the text columns keep, still folds A to Z only.
TEST_F(DatabaseTest, TextsIgnoreCaseForEveryLetter)
{
    const auto holds = [this](const QString &condition) {
        return TestDatabase::scalar(*m_db, u"select case when %1 then 1 else 0 end"_s.arg(condition)) == u"1";
    };
    EXPECT_TRUE(holds(u"N'École' like N'éc%'"_s));
    EXPECT_TRUE(holds(u"N'İstanbul Ås' like N'%åS'"_s));
    EXPECT_TRUE(holds(u"N'a_b' like N'a!_b' escape '!'"_s));
    EXPECT_FALSE(holds(u"N'axb' like N'a!_b' escape '!'"_s));
    EXPECT_TRUE(holds(u"N'étude' collate database_default = N'ÉTUDE'"_s));
    EXPECT_TRUE(holds(u"N'école' collate database_default < N'Élan'"_s));
    // ASCII texts compare by their folded letters, shorter first on a tie, as QString does;
    // a character beyond ASCII may fold to an ASCII letter (the Kelvin sign to k).
    EXPECT_TRUE(holds(u"N'A' collate database_default > N'_'"_s));
    EXPECT_TRUE(holds(u"N'ab' collate database_default < N'AB_'"_s));
    EXPECT_TRUE(holds(u"N'Abc' collate database_default = N'aBC'"_s));
    EXPECT_TRUE(holds(u"N'OK\u212A' collate database_default = N'okk'"_s));
    EXPECT_TRUE(holds(u"N'\u212A1' like N'k%'"_s));
    EXPECT_TRUE(holds(u"N'Kaa Stores' like N'kA%'"_s));
    EXPECT_FALSE(holds(u"N'Kaa Stores' like N'kb%'"_s));
    VANT_SQLITE_ONLY("asks SQLite's own NOCASE");
    EXPECT_FALSE(holds(u"'é' = 'É' collate nocase"_s));
}

TEST(DatabaseTrace, AppendsEachStatementAsWrittenBeforeRewriting)
{
    TestDatabase file;
    QTemporaryDir folder;
    const QString tracePath = QDir(folder.path()).filePath(u"trace.sql"_s);
    {
        QFile existing(tracePath);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("earlier\n");
    }
    qputenv("VANT_SQL_TRACE", tracePath.toUtf8());
    {
        auto db = file.connect();
        ASSERT_TRUE(db);
        EXPECT_TRUE(db->execute(u"update acccompanymaster set ts=getdate()"_s));
        EXPECT_TRUE(db->openRecordset(u"select top 1 isnull(CompanyName,'') from dbo.acccompanymaster"_s));
        EXPECT_FALSE(db->execute(u"select * from NoSuchTable"_s));
    }
    // An unwritable trace leaves the statements alone.
    qputenv("VANT_SQL_TRACE", QDir(folder.path()).filePath(u"missing/trace.sql"_s).toUtf8());
    EXPECT_TRUE(file.connect()->execute(u"delete from accledgermaster"_s));
    qunsetenv("VANT_SQL_TRACE");

    QFile trace(tracePath);
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(trace.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              (QStringList{u"earlier"_s, u"SET DATEFORMAT mdy"_s, u"update acccompanymaster set ts=getdate()"_s,
                           u"select top 1 isnull(CompanyName,'') from dbo.acccompanymaster"_s,
                           u"select * from NoSuchTable"_s}));
}

TEST(ConnectionStrings, OleDbIsPlainAndOdbcBracesValuesThatNeedIt)
{
    const ConnectionSettings settings{u"FreeTDS"_s, u"LEDGER01\\SQL"_s, u"KormoVant"_s, u"sa"_s, u"p;w}d"_s, QString()};
    EXPECT_EQ(settings.oleDbConnectionString(),
              u"Provider=SQLOLEDB;Data Source=LEDGER01\\SQL;Initial Catalog=KormoVant;User Id=sa;Password=p;w}d;");
    const QString odbc = settings.odbcConnectionString();
    EXPECT_TRUE(odbc.contains(u";PWD={p;w}}d};"_s)) << odbc.toStdString();

    const ConnectionSettings opening{u"FreeTDS"_s, u"s"_s, u"d"_s, u"u"_s, u"{secret"_s, QString()};
    EXPECT_TRUE(opening.odbcConnectionString().contains(u";PWD={{secret};"_s))
        << opening.odbcConnectionString().toStdString();
}

} // namespace
} // namespace vant
