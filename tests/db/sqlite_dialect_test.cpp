#include "db/sqlite_dialect.h"

#include <QDate>

#include "session/session_fixture.h"
#include "support/statement_record.h"
#include "support/test_server.h"

namespace vant {
namespace {

using test::TestDatabase;
using namespace Qt::StringLiterals;

// Text-level cases; the rest of the rewriting is checked on rows below.
TEST(SqliteDialect, StatementRewrites)
{
    const struct Rewrite
    {
        const char *sqlServer;
        const char *sqlite;
    } rewrites[] = {
        {"select distinct TOP 3 a from t", "select distinct a from t LIMIT 3"},
        {"select a from t where b in (select top 1 b from u order by b desc)",
         "select a from t where b in (select b from u order by b desc LIMIT 1)"},
        {"select top 1 isnull(len(pem_emp_password),0) from psm_employee_master",
         "select ifnull(length(rtrim(pem_emp_password)),0) from psm_employee_master LIMIT 1"},
        {"select a from t where IsNull(OldVoucherNo,'0') <> 0", "select a from t where ifnull(OldVoucherNo,0) <> 0"},
        {"select isnull(Moved,'N') from t", "select ifnull(Moved,'N') from t"},
        {"select * from dbo.t join [dbo].u on 1=1", "select * from t join u on 1=1"},
        {"SET DATEFORMAT mdy", ""},
        {"select * from t order by [a] collate database_default desc,b",
         "select * from t order by [a] collate vant_nocase desc,b"},
        {"if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[X]') and "
         "OBJECTPROPERTY(id, N'IsUserTable') = 1) drop table [dbo].[X]",
         "DROP TABLE IF EXISTS [X]"},
        {"select 'top 5 isnull(a,''0'') len(b) getdate() dbo.t N''x''' from t",
         "select 'top 5 isnull(a,''0'') len(b) getdate() dbo.t N''x''' from t"},
        {"select [top 1], [isnull(x)], \"len(y)\" from t", "select [top 1], [isnull(x)], \"len(y)\" from t"},
        {"create table w (Field1 varchar(500),n int,c char)",
         "create table w (Field1 varchar(500) COLLATE NOCASE,n int,c char COLLATE NOCASE)"},
        {"create table text (text varchar(5), char char(2))",
         "create table text (text varchar(5) COLLATE NOCASE, char char(2) COLLATE NOCASE)"},
        {"select top 1 a from t;", "select a from t LIMIT 1;"},
        {"select a as [odd]]name], [x] from t", "select a as \"odd]name\", [x] from t"},
        {"CREATE TABLE t (slno int identity(1,1), Amount money, Name varchar(5), moneybox int)",
         "CREATE TABLE t (slno integer primary key autoincrement, Amount float, Name varchar(5) COLLATE NOCASE, "
         "moneybox int)"},
        {"create table #Work (Ord int identity(1,1) primary key, n int)",
         "create TEMP TABLE Work (Ord integer primary key, n int)"},
        {"create table #Work (Seq int identity(1,1), Name varchar(20))",
         "create TEMP TABLE Work (Seq integer primary key, Name varchar(20) COLLATE NOCASE)"},
        {"create table #Codes (Code varchar(20) collate Latin1_General_BIN2 primary key)",
         "create TEMP TABLE Codes (Code varchar(20) collate BINARY primary key)"},
        {"select a from t where a=b collate Latin1_General_BIN2", "select a from t where a=b collate BINARY"},
        {"insert into #Work(Seq) select r.Seq from #Work r join t on t.a=r.Seq",
         "insert into temp.Work(Seq) select r.Seq from temp.Work r join t on t.a=r.Seq"},
        {"if object_id('tempdb..#Work') is not null drop table #Work", "DROP TABLE IF EXISTS temp.Work"},
        {"drop table #Work", "drop table temp.Work"},
        {"truncate table #Work", "delete from temp.Work"},
        {"select isnull(convert(float, a),0), try_convert(float, b), convert(int,c), convert(varchar(10), d, 120)",
         "select ifnull(vant_number(a,'float',0),0), vant_number(b,'float',1), vant_number(c,'int',0), "
         "substr(d,1,10)"},
        {"select a from t where isnumeric(a)=0 and isdate(b)=0 and left(a,2)='1'",
         "select a from t where isnumeric(a)=0 and "
         "coalesce(date(substr(b,1,10),'+0 days')=substr(b,1,10),0)=0 and substr(a,1,2)='1'"},
        {"select * from (select a from t) q order by a offset 40 rows fetch next 20 rows only",
         "select * from (select a from t) q order by a LIMIT 20 OFFSET 40"},
        {"select offset from t", "select offset from t"}};
    for (const Rewrite &r : rewrites)
        EXPECT_EQ(*toSqliteDialect(QString::fromUtf8(r.sqlServer)), QString::fromUtf8(r.sqlite)) << r.sqlServer;

    // Nesting deeper than the rewriter takes is refused, not a stack overflow.
    const auto nested = [](int depth) {
        return toSqliteDialect(u"select "_s + QString(depth, u'(') + u"1"_s + QString(depth, u')'));
    };
    EXPECT_TRUE(bool(nested(256)));
    const auto refused = nested(100000);
    ASSERT_FALSE(bool(refused));
    EXPECT_EQ(refused.error().description, u"The statement nests parentheses deeper than 256 levels.");
    for (const char *unbalanced : {"select getdate( from t where x = 'y'", "select a) from t"}) {
        const auto rewritten = toSqliteDialect(QString::fromUtf8(unbalanced));
        ASSERT_FALSE(bool(rewritten)) << unbalanced;
        EXPECT_EQ(rewritten.error().description, u"The statement's parentheses do not match.");
    }
    // A name or text left open would otherwise swallow the rest of the statement, literals and
    // all, into one name that SQLite takes and the server refuses.
    for (const char *unclosed : {"select [a]] from t where x = N'y'", "select \"a from t", "select 'a'' from t''"}) {
        const auto rewritten = toSqliteDialect(QString::fromUtf8(unclosed));
        ASSERT_FALSE(bool(rewritten)) << unclosed;
        EXPECT_EQ(rewritten.error().description, u"The statement leaves a quote or a bracket open.");
    }
}

// The dialect applied to real rows.
class SqliteDialectOnRows : public test::SeededDatabaseTest
{
protected:
    void SetUp() override
    {
        VANT_SQLITE_ONLY("the rewriter's statements on SQLite itself");
        SeededDatabaseTest::SetUp();
        TestDatabase::exec(
            *m_db,
            {u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,Narration,OldVoucherNo) values "
             "(1,1,'2026-04-01','Opening  ',null),(1,2,'2026-04-05','Rent',0),(1,3,'2026-04-30','Transferred',5),"
             "(1,4,'2026-05-01','May',null)"_s});
    }

    QStringList column(const QString &statement)
    {
        QStringList values;
        auto rs = m_db->openRecordset(statement);
        EXPECT_TRUE(bool(rs)) << rs.error().description.toStdString();
        for (; rs && !rs->eof(); rs->moveNext())
            values << rs->text(0);
        return values;
    }
};

TEST_F(SqliteDialectOnRows, FunctionsPrefixesDatesWorkTablesAndWindowsWorkOnRows)
{
    // A quoted zero compares as a number, so NULL and 0 both fail "<> 0".
    EXPECT_EQ(column(u"select VoucherNo from accvoucher2026 where IsNull(OldVoucherNo,'0') <> 0"_s),
              QStringList{u"3"_s});
    EXPECT_EQ(scalar(u"select isnull(max(VoucherNo),0) from accvoucher2026 where CompanyCode=9"_s), u"0");
    EXPECT_EQ(scalar(u"select len(Narration) from accvoucher2026 where VoucherNo=1"_s), u"7");
    EXPECT_EQ(scalar(u"select len('  ab  ')"_s), u"4");
    EXPECT_EQ(scalar(u"select CompanyCode from dbo.acccompanymaster where CompanyName = N'Kormo Traders'"_s), u"1");
    EXPECT_TRUE(m_db->execute(u"SET DATEFORMAT mdy"_s));

    const QString now = scalar(u"select getdate()"_s);
    EXPECT_EQ(now.size(), 19);
    EXPECT_LE(qAbs(QDate::fromString(now.left(10), Qt::ISODate).daysTo(QDate::currentDate())), 1) << now.toStdString();

    EXPECT_EQ(column(u"select VoucherNo from accvoucher2026 where VoucherDt between '2026-04-01' and "
                     "'2026-04-30' order by VoucherNo"_s),
              (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(column(u"select VoucherNo from accvoucher2026 where VoucherDt = '2026-04-05'"_s), QStringList{u"2"_s});

    // Select-into creates a table; the sysobjects test drops it.
    TestDatabase::exec(*m_db, {u"select CompanyCode, CompanyName into X from acccompanymaster "
                               "where parentcompanycode=1"_s});
    EXPECT_EQ(column(u"select CompanyName from X order by CompanyCode"_s),
              (QStringList{u"Kormo Shadow One"_s, u"Kormo Shadow Two"_s}));
    const QString drop = u"if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[X]') and "
                         "OBJECTPROPERTY(id, N'IsUserTable') = 1) drop table [dbo].[X]"_s;
    EXPECT_TRUE(m_db->execute(drop));
    EXPECT_FALSE(m_db->openRecordset(u"select * from X"_s));
    EXPECT_TRUE(m_db->execute(drop));
    EXPECT_EQ(scalar(u"select count(*) from acccompanymaster"_s), u"3");

    // What the set-based jobs need: work tables that live in the transaction, numbers and dates
    // read as the program reads them, and window functions.
    ASSERT_TRUE(m_db->beginTransaction());
    TestDatabase::exec(*m_db,
                       {u"if object_id('tempdb..#Work') is not null drop table #Work"_s,
                        u"create table #Work (Seq int primary key, VoucherNo int, Starts int, Running int)"_s,
                        u"insert into #Work(Seq,VoucherNo,Starts,Running) select row_number() over (order by "
                        "VoucherNo desc), VoucherNo, case when VoucherDt = lag(VoucherDt) over (order by VoucherNo "
                        "desc) then 0 else 1 end, sum(VoucherNo) over (order by VoucherNo desc rows unbounded "
                        "preceding) from accvoucher2026"_s});
    EXPECT_EQ(column(test::uncheckedStatement(u"select Seq||'/'||VoucherNo||'/'||Running from #Work order by Seq"_s)),
              (QStringList{u"1/4/4"_s, u"2/3/7"_s, u"3/2/9"_s, u"4/1/10"_s}));
    // A work table is gone with the transaction that made it, like SQL Server's.
    ASSERT_TRUE(m_db->rollbackTransaction());
    EXPECT_FALSE(m_db->openRecordset(u"select * from #Work"_s));

    TestDatabase::exec(*m_db, {u"create table N (a float, d datetime)"_s,
                               u"insert into N values ('12abc','2026-02-30'),(null,'2026-04-05 10:00:00'),"
                               "(7.5,'x'),('','2026-04-06')"_s});
    EXPECT_EQ(column(test::uncheckedStatement(
                  u"select isnull(try_convert(float,a),0)||'|'||isnumeric(a)||'|'||isdate(d)||'|'||"
                  "isnull(convert(varchar(10),d,120),'NULL') from N order by rowid"_s)),
              (QStringList{u"0|0|0|2026-02-30"_s, u"0|0|1|2026-04-05"_s, u"7.5|1|0|x"_s, u"0.0|0|1|2026-04-06"_s}));
}

} // namespace
} // namespace vant
