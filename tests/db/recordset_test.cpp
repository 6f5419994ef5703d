#include "db/recordset_criteria.h"

#include "session/session_fixture.h"

namespace vant {
namespace {

using test::TestDatabase;

class RecordsetTest : public test::SeededDatabaseTest
{
protected:
    void SetUp() override
    {
        SeededDatabaseTest::SetUp();
        TestDatabase::exec(*m_db, {QStringLiteral(
            "insert into accledgermaster(ledgercode,LedgerName,aid) values (501,'O''Neil Traders',9501),"
            "(502,'50% Off Store',9502),(503,'Star*Mart',9503),(504,'[Bracket] Co',null),"
            "(505,'Sales'||char(10)||'Return',9505)")}); // wildcards must match across the line break
        auto rs = m_db->openRecordset(QStringLiteral("select ledgercode,LedgerName,aid from accledgermaster "
                                                     "order by ledgercode"));
        ASSERT_TRUE(rs) << rs.error().description.toStdString();
        m_rs = std::move(*rs);
    }

    QStringList names()
    {
        QStringList list;
        for (m_rs.moveFirst(); !m_rs.eof(); m_rs.moveNext())
            list << m_rs.text(QStringLiteral("LedgerName"));
        return list;
    }
    QStringList filtered(const QString &criteria)
    {
        const Status set = m_rs.setFilter(criteria);
        EXPECT_TRUE(set) << criteria.toStdString() << ": " << set.error().description.toStdString();
        return names();
    }

    Recordset m_rs;
};

TEST_F(RecordsetTest, CountPositionsAndMovesStopAtBofAndEof)
{
    EXPECT_EQ(m_rs.recordCount(), 10);
    EXPECT_EQ(m_rs.absolutePosition(), 1);
    EXPECT_EQ(m_rs.text(QStringLiteral("LEDGERNAME")), u"Cash");
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
    EXPECT_FALSE(m_rs.value(QStringLiteral("NoSuchField")).isValid());
    EXPECT_FALSE(m_rs.value(7).isValid());
    m_rs.setAbsolutePosition(9);
    EXPECT_TRUE(m_rs.isNull(2));
    EXPECT_TRUE(m_rs.text(QStringLiteral("aid")).isEmpty());

    ASSERT_TRUE(m_rs.setFilter(QStringLiteral("ledgercode = 0")));
    m_rs.moveLast();
    EXPECT_TRUE(m_rs.bof() && m_rs.eof());
    EXPECT_EQ(m_rs.recordCount(), 0);
    EXPECT_TRUE(m_rs.text(0).isEmpty());
}

TEST_F(RecordsetTest, FilterIgnoresCaseAndTakesWildcardsLiterallyWhenEscaped)
{
    EXPECT_EQ(filtered(QStringLiteral("LedgerName LIKE '*SALES*'")),
              (QStringList{QStringLiteral("Sales"), QStringLiteral("Sales\nReturn")}));
    EXPECT_EQ(filtered(QStringLiteral("(ledgercode >= 200 and ledgercode < 400) or LedgerName = 'cash'")),
              (QStringList{QStringLiteral("Cash"), QStringLiteral("Sales"), QStringLiteral("Purchases")}));
    EXPECT_EQ(filtered(QStringLiteral("aid <> 9101 and [ledgercode] < 200")), QStringList{QStringLiteral("Bank")});

    const auto containing = [this](const QString &text) {
        return filtered(QStringLiteral("LedgerName LIKE '*") + escapeLikeText(text) + QStringLiteral("*'"));
    };
    EXPECT_EQ(containing(QStringLiteral("o'neil")), QStringList{QStringLiteral("O'Neil Traders")});
    EXPECT_EQ(containing(QStringLiteral("50%")), QStringList{QStringLiteral("50% Off Store")});
    EXPECT_EQ(containing(QStringLiteral("r*m")), QStringList{QStringLiteral("Star*Mart")});
    EXPECT_EQ(containing(QStringLiteral("[bracket]")), QStringList{QStringLiteral("[Bracket] Co")});
    EXPECT_TRUE(containing(QStringLiteral("c?sh")).isEmpty());
    EXPECT_EQ(filtered(QStringLiteral("LedgerName = 'O''Neil Traders'")).size(), 1);

    ASSERT_TRUE(m_rs.setFilter(QString()));
    EXPECT_EQ(m_rs.recordCount(), 10);
}

TEST_F(RecordsetTest, FindSearchesForwardFromTheCurrentRecord)
{
    // 1 found, 0 not found, -1 failed.
    const auto find = [this] {
        const Outcome<bool> found = m_rs.find(QStringLiteral("LedgerName LIKE 'sa*'"));
        return found ? int(*found) : -1;
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
}

TEST_F(RecordsetTest, SortOrdersOverAFilterAndKeepsItsText)
{
    m_rs.moveLast();
    ASSERT_TRUE(m_rs.setSort(QStringLiteral("aid desc")));
    EXPECT_EQ(m_rs.sort(), u"aid desc");
    EXPECT_EQ(m_rs.absolutePosition(), 1);
    EXPECT_EQ(m_rs.text(1), u"Sales\nReturn");
    EXPECT_EQ(names().last(), u"[Bracket] Co");
    ASSERT_TRUE(m_rs.setSort(QStringLiteral("[LedgerName] ASC")));
    EXPECT_EQ(names().first(), u"50% Off Store");

    ASSERT_TRUE(m_rs.setFilter(QStringLiteral("LedgerName like '*s*'")));
    ASSERT_TRUE(m_rs.setSort(QStringLiteral("ledgercode desc")));
    EXPECT_EQ(m_rs.recordCount(), 8);
    EXPECT_EQ(names().first(), u"Sales\nReturn");
    EXPECT_EQ(names().last(), u"Cash");
    ASSERT_TRUE(m_rs.setSort(QString()));
    EXPECT_EQ(names().first(), u"Cash");
}

// Wildcards and literals work on characters: an emoji is one character, not two halves.
TEST(RecordsetCharactersTest, CharactersOutsideTheBasicPlaneMatchAsOne)
{
    Recordset rs({Field{QStringLiteral("name"), FieldType::Text}},
                 {{QStringLiteral("Cake \U0001F382 Shop")}, {QStringLiteral("Tea \u2615 Stall")},
                  {QStringLiteral("\u041F\u0435\u043A\u0430\u0440\u043D\u044F \U0001F950")}});
    const auto matches = [&rs](const QString &criteria) {
        EXPECT_TRUE(rs.setFilter(criteria)) << criteria.toStdString();
        QStringList names;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            names << rs.text(0);
        return names;
    };
    EXPECT_EQ(matches(QStringLiteral("name LIKE '*\U0001F382*'")), QStringList{QStringLiteral("Cake \U0001F382 Shop")});
    EXPECT_EQ(matches(QStringLiteral("name LIKE 'Cake ? Shop'")), QStringList{QStringLiteral("Cake \U0001F382 Shop")});
    EXPECT_EQ(matches(QStringLiteral("name LIKE '*\u044F \U0001F950'")).size(), 1);
    EXPECT_EQ(matches(QStringLiteral("name = 'tea \u2615 stall'")).size(), 1);
    rs.clearFilter();
    EXPECT_TRUE(*rs.find(QStringLiteral("name LIKE '\u041F\u0435*'")));
    EXPECT_EQ(rs.absolutePosition(), 3);
}

TEST_F(RecordsetTest, BadCriteriaAreErrorsNotCrashes)
{
    for (const QString &bad : {QStringLiteral("NoSuchField = 1"), QStringLiteral("LedgerName LIKE 'abc"),
                               QStringLiteral("LedgerName ~ 'a'"), QStringLiteral("(ledgercode = 1"),
                               QStringLiteral("ledgercode = "), QStringLiteral("[LedgerName LIKE 'a'"),
                               QStringLiteral("ledgercode = 1 and"), QStringLiteral("ledgercode = abc"),
                               // Nesting deeper than the parser takes is refused, not a stack overflow.
                               QString(100000, u'(') + QStringLiteral("ledgercode = 1") + QString(100000, u')')}) {
        const Status filtered = m_rs.setFilter(bad);
        EXPECT_FALSE(filtered) << bad.toStdString();
        EXPECT_FALSE(filtered.error().description.isEmpty());
        EXPECT_FALSE(m_rs.find(bad)) << bad.toStdString();
    }
    EXPECT_EQ(m_rs.recordCount(), 10);
    EXPECT_FALSE(m_rs.setSort(QStringLiteral("NoSuchField desc")));
    EXPECT_TRUE(m_rs.sort().isEmpty());
}

} // namespace
} // namespace vant
