#include "db/recordset.h"

#include "session/session_fixture.h"

namespace vant {
namespace {

using test::TestDatabase;
using namespace Qt::StringLiterals;

class RecordsetTest : public test::SeededDatabaseTest
{
protected:
    void SetUp() override
    {
        SeededDatabaseTest::SetUp();
        TestDatabase::exec(
            *m_db, {u"insert into accledgermaster(ledgercode,LedgerName,aid) values (501,'O''Neil Traders',9501),"
                    "(502,'50% Off Store',9502),(503,'Star*Mart',9503),(504,'[Bracket] Co',null),"
                    "(505,'Sales\nReturn',9505)"_s}); // a name on two lines
        auto rs = m_db->openRecordset(u"select ledgercode,LedgerName,aid from accledgermaster "
                                      "order by ledgercode"_s);
        ASSERT_TRUE(rs) << rs.error().description.toStdString();
        m_rs = std::move(*rs);
    }

    QStringList names()
    {
        QStringList list;
        for (m_rs.moveFirst(); !m_rs.eof(); m_rs.moveNext())
            list << m_rs.text(u"LedgerName"_s);
        return list;
    }
    Recordset m_rs;
};

TEST_F(RecordsetTest, CountPositionsAndMovesStopAtBofAndEof)
{
    EXPECT_EQ(m_rs.recordCount(), 10);
    EXPECT_EQ(m_rs.absolutePosition(), 1);
    EXPECT_EQ(m_rs.text(u"LEDGERNAME"_s), u"Cash");
    m_rs.setAbsolutePosition(4);
    m_rs.move(2);
    EXPECT_EQ(m_rs.text(0), u"501");
    m_rs.moveLast();
    m_rs.moveNext();
    EXPECT_TRUE(m_rs.eof() && !m_rs.bof());
    EXPECT_EQ(m_rs.absolutePosition(), 0);
    m_rs.moveNext();
    m_rs.movePrevious();
    EXPECT_EQ(m_rs.text(1), u"Sales\nReturn");
    m_rs.move(-100);
    EXPECT_TRUE(m_rs.bof() && !m_rs.eof());
    EXPECT_FALSE(m_rs.value(0).isValid());
    m_rs.moveNext();
    EXPECT_EQ(m_rs.text(1), u"Cash");
    EXPECT_FALSE(m_rs.value(u"NoSuchField"_s).isValid());
    EXPECT_FALSE(m_rs.value(7).isValid());
    m_rs.setAbsolutePosition(9);
    EXPECT_TRUE(m_rs.isNull(2));
    EXPECT_TRUE(m_rs.text(u"aid"_s).isEmpty());

    m_rs.setFilter([](const QList<QVariant> &row) { return row.at(0).toInt() == 0; });
    m_rs.moveLast();
    EXPECT_TRUE(m_rs.bof() && m_rs.eof());
    EXPECT_EQ(m_rs.recordCount(), 0);
    EXPECT_TRUE(m_rs.text(0).isEmpty());
}

TEST_F(RecordsetTest, FindSearchesForwardAndSortOrdersOverAFilter)
{
    // 1 found, 0 not found.
    const auto find = [this] {
        return int(m_rs.find(
            [](const QList<QVariant> &row) { return valueText(row.at(1)).startsWith(u"sa"_s, Qt::CaseInsensitive); }));
    };
    // The current record is searched first: finding again stays on it.
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ(find(), 1);
        EXPECT_EQ(m_rs.text(1), u"Sales");
    }
    m_rs.moveNext();
    EXPECT_EQ(find(), 1);
    EXPECT_EQ(m_rs.text(1), u"Sales\nReturn");
    m_rs.moveNext();
    EXPECT_EQ(find(), 0);
    EXPECT_TRUE(m_rs.eof());

    m_rs.moveLast();
    ASSERT_TRUE(m_rs.setSort(u"aid desc"_s));
    EXPECT_EQ(m_rs.sort(), u"aid desc");
    EXPECT_EQ(m_rs.absolutePosition(), 1);
    EXPECT_EQ(m_rs.text(1), u"Sales\nReturn");
    EXPECT_EQ(names().last(), u"[Bracket] Co");
    ASSERT_TRUE(m_rs.setSort(u"[LedgerName] ASC"_s));
    EXPECT_EQ(names().first(), u"50% Off Store");

    m_rs.setFilter(
        [](const QList<QVariant> &row) { return valueText(row.at(1)).contains(u"s"_s, Qt::CaseInsensitive); });
    ASSERT_TRUE(m_rs.setSort(u"ledgercode desc"_s));
    EXPECT_EQ(m_rs.recordCount(), 8);
    EXPECT_EQ(names().first(), u"Sales\nReturn");
    EXPECT_EQ(names().last(), u"Cash");
    ASSERT_TRUE(m_rs.setSort(QString()));
    EXPECT_EQ(names().first(), u"Cash");

    // An unknown sort field is an error.
    EXPECT_FALSE(m_rs.setSort(u"NoSuchField desc"_s));
    EXPECT_TRUE(m_rs.sort().isEmpty());
}

} // namespace
} // namespace vant
