#include "session/recordset_criteria.h"

#include "support/test_database.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::TestDatabase;

class RecordsetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_db = m_file.connect();
        ASSERT_TRUE(m_db);
        TestDatabase::seedCompanies(*m_db);
        TestDatabase::exec(*m_db, {
            QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (501,'O''Neil Traders',9501)"),
            QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (502,'50% Off Store',9502)"),
            QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (503,'Star*Mart',9503)"),
            QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (504,'[Bracket] Co',null)"),
            QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (505,'Sales Return',9505)"),
        });
    }

    Recordset ledgers(const QString &where = QString())
    {
        auto rs = m_db->openRecordset(QStringLiteral("select ledgercode,LedgerName,aid from accledgermaster") + where
                                      + QStringLiteral(" order by ledgercode"));
        EXPECT_TRUE(bool(rs)) << rs.error().description.toStdString();
        return rs ? std::move(*rs) : Recordset();
    }

    static QStringList names(Recordset &rs)
    {
        QStringList list;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            list << rs.text(QStringLiteral("LedgerName"));
        return list;
    }

    TestDatabase m_file;
    std::unique_ptr<Database> m_db;
};

TEST_F(RecordsetTest, EmptyResultIsAtBothEnds)
{
    Recordset rs = ledgers(QStringLiteral(" where ledgercode=0"));
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(rs.bof());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), 0);
    rs.moveNext();
    rs.movePrevious();
    rs.moveLast();
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_FALSE(rs.value(0).isValid());
    EXPECT_TRUE(rs.text(0).isEmpty());
    EXPECT_EQ(rs.fieldCount(), 3);
}

TEST_F(RecordsetTest, CountAndPositionsOverTheRows)
{
    Recordset rs = ledgers();
    EXPECT_EQ(rs.recordCount(), 10);
    EXPECT_FALSE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(rs.text(QStringLiteral("LEDGERNAME")), u"Cash");

    rs.setAbsolutePosition(4);
    EXPECT_EQ(rs.absolutePosition(), 4);
    EXPECT_EQ(rs.text(1), u"Purchases");
    rs.move(2);
    EXPECT_EQ(rs.text(0), u"501");
    rs.moveLast();
    EXPECT_EQ(rs.absolutePosition(), 10);
    EXPECT_EQ(rs.text(1), u"Sales Return");
}

TEST_F(RecordsetTest, MovesPastTheEndsStopAtBofAndEof)
{
    Recordset rs = ledgers();
    rs.moveLast();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.absolutePosition(), 0);
    rs.moveNext();
    rs.movePrevious();
    EXPECT_EQ(rs.text(1), u"Sales Return");

    rs.moveFirst();
    rs.move(-3);
    EXPECT_TRUE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_FALSE(rs.value(0).isValid());
    rs.moveNext();
    EXPECT_EQ(rs.text(1), u"Cash");

    rs.move(100);
    EXPECT_TRUE(rs.eof());
    rs.move(-100);
    EXPECT_TRUE(rs.bof());
}

TEST_F(RecordsetTest, UnknownFieldReadsAsNothing)
{
    Recordset rs = ledgers();
    EXPECT_EQ(rs.fieldIndex(QStringLiteral("NoSuchField")), -1);
    EXPECT_FALSE(rs.value(QStringLiteral("NoSuchField")).isValid());
    EXPECT_TRUE(rs.text(QStringLiteral("NoSuchField")).isEmpty());
    EXPECT_FALSE(rs.value(7).isValid());
    EXPECT_FALSE(rs.value(-1).isValid());
}

TEST_F(RecordsetTest, NullValuesReadAsNullAndEmptyText)
{
    Recordset rs = ledgers(QStringLiteral(" where ledgercode=504"));
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_TRUE(rs.isNull(2));
    EXPECT_TRUE(rs.text(QStringLiteral("aid")).isEmpty());
    EXPECT_FALSE(rs.isNull(1));
}

TEST_F(RecordsetTest, LikeFilterIgnoresLetterCase)
{
    Recordset rs = ledgers();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("LedgerName LIKE '*SALES*'")));
    EXPECT_TRUE(rs.isFiltered());
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(names(rs), (QStringList{QStringLiteral("Sales"), QStringLiteral("Sales Return")}));

    ASSERT_TRUE(rs.setFilter(QStringLiteral("[LedgerName] like 'b*'")));
    EXPECT_EQ(names(rs), QStringList{QStringLiteral("Bank")});

    rs.clearFilter();
    EXPECT_FALSE(rs.isFiltered());
    EXPECT_EQ(rs.recordCount(), 10);
}

TEST_F(RecordsetTest, FilterMatchesAcrossLineBreaks)
{
    TestDatabase::exec(*m_db, {QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values "
                                              "(506,'First line' || char(10) || 'cash second',1)")});
    Recordset rs = ledgers();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("LedgerName LIKE '*CASH*'")));
    EXPECT_EQ(rs.recordCount(), 2);
}

TEST_F(RecordsetTest, FilterCombinesComparisons)
{
    Recordset rs = ledgers();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("(ledgercode >= 200 and ledgercode < 400) or LedgerName = 'cash'")));
    EXPECT_EQ(names(rs), (QStringList{QStringLiteral("Cash"), QStringLiteral("Sales"), QStringLiteral("Purchases")}));
    ASSERT_TRUE(rs.setFilter(QStringLiteral("aid <> 9101 and ledgercode < 200")));
    EXPECT_EQ(names(rs), QStringList{QStringLiteral("Bank")});
}

TEST_F(RecordsetTest, EscapedQuoteAndWildcardsMatchLiterally)
{
    Recordset rs = ledgers();
    const auto filterOn = [&rs](const QString &text) {
        const Status set = rs.setFilter(QStringLiteral("LedgerName LIKE '*") + escapeLikeText(text)
                                        + QStringLiteral("*'"));
        EXPECT_TRUE(set) << set.error().description.toStdString();
        return names(rs);
    };
    EXPECT_EQ(filterOn(QStringLiteral("o'neil")), QStringList{QStringLiteral("O'Neil Traders")});
    EXPECT_EQ(filterOn(QStringLiteral("50%")), QStringList{QStringLiteral("50% Off Store")});
    EXPECT_EQ(filterOn(QStringLiteral("r*m")), QStringList{QStringLiteral("Star*Mart")});
    EXPECT_EQ(filterOn(QStringLiteral("[bracket]")), QStringList{QStringLiteral("[Bracket] Co")});
    EXPECT_TRUE(filterOn(QStringLiteral("s_les")).isEmpty());
    EXPECT_TRUE(filterOn(QStringLiteral("c?sh")).isEmpty());

    ASSERT_TRUE(rs.setFilter(QStringLiteral("LedgerName = '") + escapeCriteriaText(QStringLiteral("O'Neil Traders"))
                             + QLatin1Char('\'')));
    EXPECT_EQ(rs.recordCount(), 1);
}

TEST_F(RecordsetTest, FindSearchesForwardFromTheCurrentRecord)
{
    Recordset rs = ledgers();
    auto found = rs.find(QStringLiteral("LedgerName LIKE 'sa*'"));
    ASSERT_TRUE(found);
    EXPECT_TRUE(*found);
    EXPECT_EQ(rs.text(1), u"Sales");

    // The current record is searched first: finding again stays on it.
    found = rs.find(QStringLiteral("LedgerName LIKE 'sa*'"));
    EXPECT_TRUE(*found);
    EXPECT_EQ(rs.text(1), u"Sales");

    rs.moveNext();
    found = rs.find(QStringLiteral("LedgerName LIKE 'sa*'"));
    EXPECT_TRUE(*found);
    EXPECT_EQ(rs.text(1), u"Sales Return");

    rs.moveNext();
    found = rs.find(QStringLiteral("LedgerName LIKE 'sa*'"));
    ASSERT_TRUE(found);
    EXPECT_FALSE(*found);
    EXPECT_TRUE(rs.eof());

    rs.moveFirst();
    found = rs.find(QStringLiteral("LedgerName LIKE 'cash*'"));
    EXPECT_TRUE(*found);
    EXPECT_EQ(rs.absolutePosition(), 1);
}

TEST_F(RecordsetTest, SortOrdersAndKeepsItsText)
{
    Recordset rs = ledgers();
    ASSERT_TRUE(rs.setSort(QStringLiteral("LedgerName")));
    EXPECT_EQ(rs.sort(), u"LedgerName");
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(names(rs).first(), u"50% Off Store");
    EXPECT_EQ(names(rs).last(), u"Star*Mart");

    ASSERT_TRUE(rs.setSort(QStringLiteral("aid desc")));
    EXPECT_EQ(rs.sort(), u"aid desc");
    EXPECT_EQ(names(rs).first(), u"Sales Return");
    EXPECT_EQ(names(rs).last(), u"[Bracket] Co");

    ASSERT_TRUE(rs.setSort(QStringLiteral("[aid] ASC")));
    EXPECT_EQ(names(rs).first(), u"[Bracket] Co");
    EXPECT_EQ(names(rs).at(1), u"Cash");

    ASSERT_TRUE(rs.setSort(QString()));
    EXPECT_EQ(names(rs).first(), u"Cash");
}

TEST_F(RecordsetTest, SortWorksOverAFilter)
{
    Recordset rs = ledgers();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("LedgerName like '*s*'")));
    ASSERT_TRUE(rs.setSort(QStringLiteral("ledgercode desc")));
    EXPECT_EQ(names(rs).first(), u"Sales Return");
    EXPECT_EQ(rs.recordCount(), names(rs).size());
    for (const QString &name : names(rs))
        EXPECT_TRUE(name.contains(QLatin1Char('s'), Qt::CaseInsensitive)) << name.toStdString();
}

TEST_F(RecordsetTest, BadCriteriaAreErrorsNotCrashes)
{
    Recordset rs = ledgers();
    for (const QString &bad : {QStringLiteral("NoSuchField = 1"), QStringLiteral("LedgerName LIKE 'abc"),
                               QStringLiteral("LedgerName ~ 'a'"), QStringLiteral("(ledgercode = 1"),
                               QStringLiteral("ledgercode = "), QStringLiteral("[LedgerName LIKE 'a'"),
                               QStringLiteral("ledgercode = 1 and"), QStringLiteral("ledgercode = abc")}) {
        const Status filtered = rs.setFilter(bad);
        EXPECT_FALSE(filtered) << bad.toStdString();
        EXPECT_FALSE(filtered.error().description.isEmpty());
        EXPECT_FALSE(rs.find(bad)) << bad.toStdString();
    }
    EXPECT_EQ(rs.recordCount(), 10);
    EXPECT_FALSE(rs.setSort(QStringLiteral("NoSuchField desc")));
    EXPECT_TRUE(rs.sort().isEmpty());
}

TEST_F(RecordsetTest, BlankFilterShowsEveryRecord)
{
    Recordset rs = ledgers();
    ASSERT_TRUE(rs.setFilter(QStringLiteral("LedgerName like 'bank'")));
    ASSERT_TRUE(rs.setFilter(QString()));
    EXPECT_FALSE(rs.isFiltered());
    EXPECT_EQ(rs.recordCount(), 10);
}

} // namespace
} // namespace vant
