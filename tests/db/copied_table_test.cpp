#include "db/copied_table.h"
#include "db/database.h"
#include "db/statement_text.h"

#include "session/session_fixture.h"
#include "support/test_server.h"

namespace vant {
namespace {

using test::TestDatabase;
using namespace Qt::StringLiterals;
using enum ReadAs;

// A copied table with a column of each form a copy checks.
constexpr CopiedColumn kColumns[] = {
    {"Code", Own, "{code}"},
    {"LedgerCode", Stored},
    {"Needed", Required},
    {"Amount", Number},
    {"Day", Date},
    {"Remark", Text},
    {"OppLedgerCode", OwnLedgerIfNone, nullptr, true},
};

class CopiedTableTest : public test::SeededDatabaseTest
{
protected:
    void SetUp() override
    {
        SeededDatabaseTest::SetUp();
        TestDatabase::exec(*m_db, {u"create table VantCopySource (slno int, LedgerCode float, Needed float, "
                                   u"Amount float, Day datetime, Remark varchar(20), OppLedgerCode float)"_s,
                                   u"create table VantCopyTarget (Code int, LedgerCode float, Needed float, "
                                   u"Amount float, Day datetime, Remark varchar(20), OppLedgerCode float)"_s});
    }

    // A clean source row, then the column set to the value (SQL).
    void storeRow(const QString &column = {}, const QString &value = {})
    {
        TestDatabase::exec(*m_db, {u"delete from VantCopySource"_s,
                                   u"insert into VantCopySource values (7, 5, 2, 3, '2026-04-01', 'x', 6)"_s});
        if (!column.isEmpty())
            exec(u"update VantCopySource set %1=%2"_s.arg(column, value));
    }

    bool conditionSelects()
    {
        return scalar(u"select count(*) from VantCopySource p where "_s + refusalCondition(kColumns, u"p"_s)) == u"1";
    }

    Status rowCheck()
    {
        auto rs = m_db->openRecordset(u"select * from VantCopySource"_s);
        EXPECT_TRUE(rs && !rs->eof());
        return rs ? firstRefusedValue(*rs, kColumns, u"the row"_s) : Status(rs.error());
    }
};

// The condition that finds the rows to refuse and the row check that says why come from the one
// table: an infinite number, which the embedded database keeps and the server never holds, is
// refused by both in every number column, whichever form reads it.
TEST_F(CopiedTableTest, ConditionAndRowCheckRefuseInfiniteNumbersAlike)
{
    VANT_SQLITE_ONLY("stores infinite numbers, which the server never holds");
    storeRow();
    EXPECT_FALSE(conditionSelects());
    EXPECT_TRUE(rowCheck());
    for (const QString &column : {u"LedgerCode"_s, u"Needed"_s, u"Amount"_s, u"OppLedgerCode"_s}) {
        for (const QString &value : {u"9e999"_s, u"-9e999"_s}) {
            SCOPED_TRACE((column + u" = "_s + value).toStdString());
            storeRow(column, value);
            const Status checked = rowCheck();
            ASSERT_FALSE(checked);
            EXPECT_TRUE(checked.error().description.startsWith(column + u" of the row"_s))
                << checked.error().description.toStdString();
            EXPECT_TRUE(conditionSelects());
        }
    }
}

// The row check reads the marked columns first; a row without an opposite ledger reads its own.
TEST_F(CopiedTableTest, RowCheckReadsMarkedColumnsFirstAndTheInsertWritesEachInItsForm)
{
    storeRow(u"Amount"_s, u"'1E999x'"_s);
    exec(u"update VantCopySource set OppLedgerCode='1E999x'"_s);
    EXPECT_TRUE(rowCheck().error().description.startsWith(u"OppLedgerCode of the row"_s));
    exec(u"update VantCopySource set OppLedgerCode=null, LedgerCode='x'"_s);
    EXPECT_TRUE(rowCheck().error().description.startsWith(u"LedgerCode of the row"_s));
    EXPECT_TRUE(conditionSelects());

    // The insert's column list and values line up, the copy's own values filling their places.
    storeRow(u"OppLedgerCode"_s, u"null"_s);
    exec(u"update VantCopySource set Amount=' 4.5 ', Remark=null"_s);
    exec(u"insert into VantCopyTarget(%1) select %2 from VantCopySource p"_s.arg(
        insertColumns(kColumns), insertValues(kColumns, u"p"_s, {{"code"_L1, u"9"_s}})));
    EXPECT_EQ(TestDatabase::joined(*m_db, u"select Code,LedgerCode,Needed,Amount,convert(varchar(10),Day,120),"
                                          u"Remark,OppLedgerCode from VantCopyTarget"_s),
              u"9/5/2/4.5/2026-04-01//5"_s);
}

TEST(StatementText, PlacesAreFilledAndLinesJoined)
{
    EXPECT_EQ(filled(uR"(
        select {columns}
        from {table}  where a='{x}')",
                     {{"columns"_L1, u"a,b"_s}, {"table"_L1, u"T"_s}, {"x"_L1, u"1"_s}}),
              u"select a,b from T  where a='1'"_s);
}

} // namespace
} // namespace vant
