// A large lookup result stays in the server and is read a page at a time: every count, page,
// search, sort and filter must give what the whole result read into the program gives.
#include "lov_fixture.h"

#include "lookup/lov_rows.h"
#include "support/qt_printers.h"

namespace vant::test {
namespace {

class LovRowsTest : public LovFixture
{
protected:
    static constexpr int kRows = 2500;

    // Names in both cases, repeated and NULL; codes in the order the rows were written.
    void SetUp() override
    {
        TestDatabase::exec(db(), {u"create table biglist (Name varchar(50), Code int, Amount float)"_s});
        QStringList rows;
        for (int i = 1; i <= kRows; ++i) {
            const QString name = i % 97 == 0  ? u"null"_s
                                 : i % 2 == 0 ? u"'Item %1'"_s.arg(i % 500, 4, 10, QLatin1Char('0'))
                                              : u"'item %1 B'"_s.arg(i, 4, 10, QLatin1Char('0'));
            rows << u"(%1,%2,%3)"_s.arg(name).arg(i).arg((i * 37) % 1000 + 0.25);
            // SQL Server takes at most 1000 rows in one values list.
            if (rows.size() == 500 || i == kRows) {
                TestDatabase::exec(db(), {u"insert into biglist(Name,Code,Amount) values "_s + rows.join(u',')});
                rows.clear();
            }
        }
    }

    // Opens the same query paged in the server and read whole.
    void openBoth(const QString &query)
    {
        auto paged = PagedLovRows::open(db(), query);
        ASSERT_TRUE(paged && *paged);
        auto whole = db().openRecordset(query);
        ASSERT_TRUE(bool(whole));
        m_paged = std::move(*paged);
        m_whole = std::make_unique<LoadedLovRows>(std::move(*whole));
    }
    // What both give for the same look.
    void same(const QString &what, const std::function<QString(LovRows &)> &look)
    {
        EXPECT_EQ(look(*m_paged), look(*m_whole)) << what.toStdString();
    }
    void sortBoth(int field, bool descending)
    {
        ASSERT_TRUE(m_paged->sortBy(field, descending));
        ASSERT_TRUE(m_whole->sortBy(field, descending));
    }
    void filterBoth(int field, const QString &text)
    {
        ASSERT_TRUE(m_paged->filterContaining(field, text));
        ASSERT_TRUE(m_whole->filterContaining(field, text));
    }
    static QString countText(LovRows &rows) { return QString::number(*rows.count()); }

    static QString rowsText(LovRows &rows, int start, int count)
    {
        const auto values = rows.rows(start, count);
        if (!values)
            return u"error: "_s + values.error().description;
        QStringList lines;
        for (const QList<QVariant> &row : *values) {
            QStringList cells;
            for (const QVariant &value : row)
                cells << (value.isNull() ? u"NULL"_s : valueText(value));
            lines << cells.join(u'|');
        }
        return lines.join(u'\n');
    }
    static QString findText(LovRows &rows, int field, const QString &text, bool containing)
    {
        const Outcome<int> found = rows.find(field, text, containing, kRows);
        return found ? QString::number(*found) : u"error: "_s + found.error().description;
    }

    std::unique_ptr<LovRows> m_paged;
    std::unique_ptr<LovRows> m_whole;
};

TEST_F(LovRowsTest, PagesSearchesSortsFiltersAndFoundRowsAsTheWholeResult)
{
    ASSERT_NO_FATAL_FAILURE(openBoth(u"select Name,Code,Amount from biglist order by Name"_s));
    const int name = 0, code = 1, amount = 2;
    const auto pagesAndSearches = [&](const char *state) {
        SCOPED_TRACE(state);
        same(u"count"_s, countText);
        for (const int start : {1, 2, 21, 1231, 2481, 2495})
            same(u"page"_s, [start](LovRows &rows) { return rowsText(rows, start, 20); });
        same(u"past the end"_s, [](LovRows &rows) { return rowsText(rows, kRows + 1, 20); });
        for (const QString &text :
             {u"item 0"_s, u"ITEM 04"_s, u"item 1234"_s, u"item 0499"_s, u"zz"_s, u"It"_s, u"item 0001 b"_s})
            same(u"find"_s, [&](LovRows &rows) { return findText(rows, name, text, false); });
        same(u"find a number"_s, [&](LovRows &rows) { return findText(rows, code, u"123"_s, false); });
        same(u"find within"_s, [&](LovRows &rows) { return findText(rows, name, u"12 b"_s, true); });
    };

    pagesAndSearches("as the query orders them");
    for (const auto &[field, descending] :
         {std::pair{code, true}, std::pair{name, true}, std::pair{amount, false}, std::pair{name, false}}) {
        sortBoth(field, descending);
        EXPECT_EQ(m_paged->sortField(), m_whole->sortField());
        EXPECT_EQ(m_paged->sortDescending(), m_whole->sortDescending());
        pagesAndSearches(qPrintable(u"sorted by %1%2"_s.arg(field).arg(descending ? u" desc"_s : QString())));
    }
    filterBoth(name, u"9 b"_s);
    EXPECT_TRUE(m_paged->isFiltered());
    same(u"filtered count"_s, countText);
    same(u"filtered page"_s, [](LovRows &rows) { return rowsText(rows, 11, 20); });
    same(u"find under the filter"_s, [&](LovRows &rows) { return findText(rows, name, u"item 1"_s, false); });
    m_paged->clearFilter();
    m_whole->clearFilter();
    same(u"unfiltered count"_s, countText);

    // A row found past the page shown is shown at once under a stand-in position, its place counted
    // later: the rows read near it, and its place once counted, are those of the whole result.
    ASSERT_NO_FATAL_FAILURE(openBoth(u"select Name,Code,Amount from biglist order by Name"_s));
    LovRows &paged = *m_paged;
    LovRows &whole = *m_whole;
    const auto truePlace = [&](const QString &text) { return *whole.find(0, text, false, 0); };
    const auto shownFrom = [&](int standIn, const QString &text) {
        EXPECT_EQ(rowsText(paged, standIn, 3), rowsText(whole, truePlace(text), 3)) << qPrintable(text);
    };

    // Page 1 to 20 shown: the row is past it.
    EXPECT_EQ(*paged.find(0, u"ITEM 03"_s, false, 20), 21);
    EXPECT_TRUE(paged.isPositionPending());
    EXPECT_FALSE(paged.isCounted());
    shownFrom(21, u"item 03"_s);
    // The page 21 to 40 shows from it: a row on that page gets its place on it.
    const int onPage = truePlace(u"item 0301"_s) - truePlace(u"item 03"_s);
    ASSERT_LT(onPage, 20);
    EXPECT_EQ(*paged.find(0, u"item 0301"_s, false, 40), 21 + onPage);
    // Past that page, and before it: a new stand-in each, off the page.
    EXPECT_EQ(*paged.find(0, u"item 04"_s, false, 40), 41);
    shownFrom(41, u"item 04"_s);
    EXPECT_EQ(*paged.find(0, u"it"_s, false, 60), 1);
    shownFrom(1, u"it"_s);
    EXPECT_EQ(*paged.find(0, u"Item 02"_s, false, 20), 21);
    const Outcome<int> shift = paged.settlePosition();
    ASSERT_TRUE(bool(shift));
    EXPECT_EQ(21 + *shift, truePlace(u"item 02"_s));
    EXPECT_FALSE(paged.isPositionPending());
    // Within the page shown the place is counted at once.
    EXPECT_EQ(*paged.find(0, u"it"_s, false, 40), truePlace(u"it"_s));
    EXPECT_FALSE(paged.isPositionPending());
}

TEST_F(LovRowsTest, SmallResultsAndUnorderableQueriesAreReadWholeAndOrderedFieldsNamedOnce)
{
    auto small = PagedLovRows::open(db(), u"select Name,Code from biglist where Code<=1000 order by Name"_s);
    ASSERT_TRUE(bool(small));
    EXPECT_FALSE(*small);
    auto expression = PagedLovRows::open(db(), u"select Name,Code from biglist order by upper(Name)"_s);
    ASSERT_TRUE(bool(expression));
    EXPECT_FALSE(*expression);
    auto big = PagedLovRows::open(db(), u"select b.Name,b.Code from biglist b order by b.[Code] desc"_s);
    ASSERT_TRUE(big && *big);
    EXPECT_EQ(rowsText(**big, 1, 1), u"Item 0000|2500"_s);

    // Sorting by the field that the query is ordered by names it once: SQL Server refuses a
    // column twice in one ORDER BY.
    const QString tracePath = m_logDir.filePath(u"sorted.sql"_s);
    auto connection = m_database.connectTraced(tracePath);
    auto rows = PagedLovRows::open(*connection, u"select Name,Code,Amount from biglist order by Name,Code"_s);
    ASSERT_TRUE(rows && *rows);
    ASSERT_TRUE((*rows)->sortBy(0, true));
    EXPECT_TRUE((*rows)->rows(0, 20));
    ASSERT_TRUE((*rows)->sortBy(1, false));
    EXPECT_TRUE((*rows)->rows(0, 20));

    const QStringList pages = TestDatabase::traced(tracePath).filter(u" offset "_s);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages.at(0).contains(u" order by [Name] collate database_default desc,[Code],[Amount] offset"_s))
        << pages.at(0).toStdString();
    EXPECT_TRUE(pages.at(1).contains(u" order by [Code],[Name],[Amount] offset"_s)) << pages.at(1).toStdString();
}

// A result read whole is searched and filtered for the text as typed, case ignored.
TEST(LoadedLovRowsTest, TextIsMatchedAsTypedWithoutRegardToCase)
{
    QList<QList<QVariant>> rows;
    for (const QString &name : {u"Cash"_s, u"Sales"_s, u"Purchases"_s, u"Sales\nReturn"_s})
        rows << QList<QVariant>{name};
    LoadedLovRows ledgers(Recordset({Field{u"LedgerName"_s, FieldType::Text}}, rows));
    ASSERT_TRUE(ledgers.filterContaining(0, u"SALES"_s));
    const Outcome<QList<QList<QVariant>>> shown = ledgers.rows(1, 20);
    QStringList names;
    for (const QList<QVariant> &row : *shown)
        names << valueText(row.at(0));
    EXPECT_EQ(names, (QStringList{u"Sales"_s, u"Sales\nReturn"_s}));
    ledgers.clearFilter();
    EXPECT_EQ(*ledgers.count(), 4);
    EXPECT_EQ(*ledgers.find(0, u"pu"_s, false, 0), 3);
}

// Names that hold the LIKE pattern's own characters and letters beyond ASCII in both cases,
// beside a column whose name ends in " Desc". Case is ignored for every letter, not for A to Z
// only: the server finds, sorts and filters what the whole result does, and sorts by the
// " Desc" column, not by the one its name begins with.
TEST_F(LovRowsTest, PatternCharactersAccentsAndDirectionWordsAsTheWholeResult)
{
    const QStringList names = {u"plain"_s,     u"École"_s, u"under_score"_s, u"back\\slash"_s,
                               u"[bracket]"_s, u"Élan"_s,  u"x"_s,           u"50% off"_s,
                               u"ÉTUDE"_s,     u"école"_s, u"Ecole"_s,       u"eclair"_s,
                               u"étude"_s,     u"Zebra"_s, u"zèbre"_s,       u"apple"_s};
    TestDatabase::exec(db(), {u"create table marks ([Item] nvarchar(50), [Item Desc] varchar(50), Code int)"_s});
    QStringList rows;
    for (int i = 1; i <= 1200; ++i) {
        const QString name = names.at(i % names.size());
        rows << u"(N'%1%2%3','desc %4',%3)"_s.arg(name, name == u"x" ? QString() : u" "_s)
                    .arg(i)
                    .arg(1200 - i, 4, 10, QLatin1Char('0'));
        if (rows.size() == 600) {
            TestDatabase::exec(db(), {u"insert into marks([Item],[Item Desc],Code) values "_s + rows.join(u',')});
            rows.clear();
        }
    }
    ASSERT_NO_FATAL_FAILURE(openBoth(u"select [Item],[Item Desc],Code from marks order by Code"_s));
    const QStringList texts = {u"%"_s,  u"_"_s,     u"back\\"_s,   u"[b"_s,      u"é"_s,  u"É"_s,
                               u"éc"_s, u"école"_s, u"ÉTUDE 12"_s, u"ÉTUDE 1"_s, u"zÈ"_s, u"e"_s};
    const auto searches = [&](const QString &state) {
        for (const QString &text : texts) {
            for (const bool containing : {false, true})
                same(state + u" find "_s + text, [&](LovRows &rows) { return findText(rows, 0, text, containing); });
        }
    };
    searches(u"in the query's order"_s);
    // Code 1 is "École 1", code 8 "ÉTUDE 8".
    EXPECT_EQ(findText(*m_paged, 0, u"é"_s, false), u"1"_s);
    EXPECT_EQ(findText(*m_paged, 0, u"ét"_s, false), u"8"_s);
    for (const bool descending : {false, true}) {
        sortBoth(1, descending);
        for (const int start : {1, 600, 1190})
            same(u"sorted page"_s, [start](LovRows &rows) { return rowsText(rows, start, 20); });
        EXPECT_EQ(rowsText(*m_whole, 1, 1).section(u'|', 1, 1), descending ? u"desc 1199"_s : u"desc 0000"_s);
        sortBoth(0, descending);
        for (const int start : {1, 115, 590, 1190})
            same(u"sorted page"_s, [start](LovRows &rows) { return rowsText(rows, start, 20); });
        searches(descending ? u"sorted down"_s : u"sorted up"_s);
    }
    for (const QString &text : {u"\u00e9"_s, u"_s"_s, u"\\"_s}) {
        filterBoth(0, text);
        same(text + u" filtered"_s, countText);
        same(text + u" filtered page"_s, [](LovRows &rows) { return rowsText(rows, 1, 20); });
    }
    ASSERT_TRUE(m_paged->filterContaining(0, u"É"_s));
    ASSERT_TRUE(m_whole->filterContaining(0, u"é"_s));
    same(u"filtered count"_s, countText);
    EXPECT_EQ(*m_paged->count(), 375);
    same(u"filtered page"_s, [](LovRows &rows) { return rowsText(rows, 356, 20); });
}

// Paging keys on a large result: Page Down onto a last page of one record and back to the top,
// and Page Up from a page that a search began at its found row.
// Then the window over the whole result: what the user sees, page by page, while every
// statement reads at most a page of rows.
TEST_F(LovRowsTest, PagingKeysAndTheWindowOnALargeResult)
{
    LovRequest request;
    request.Query = u"select Name,Code from biglist where Code<=2481"_s;
    request.ColumnWidths = u"3000,1200"_s;
    request.ColumnHeads = u"Name,Code"_s;
    m_lov.state().searchField = u"Name"_s;
    auto whole = db().openRecordset(u"select Name,Code from biglist where Code<=2481 order by Name,Code"_s);
    ASSERT_TRUE(bool(whole));
    LoadedLovRows ordered(std::move(*whole));
    QStringList seen;
    QStringList expected;
    m_presenter.script = [&](LovController &window) {
        for (int page = 1; page < 125; ++page)
            window.nextPage();
        seen << window.countLabel() << window.cell(1, 1) << window.cell(2, 1);
        expected << u"Records : 2481/2481"_s << rowsText(ordered, 2481, 1).section(u'|', 0, 0) << QString();
        window.nextPage();
        seen << window.countLabel();
        expected << u"Records : 1/2481"_s;

        window.typeText(u"item 1"_s);
        const int found = window.countLabel().section(u' ', 2).section(u'/', 0, 0).toInt();
        seen << window.cell(window.currentRow(), 1);
        expected << rowsText(ordered, found, 1).section(u'|', 0, 0);
        window.previousPage();
        seen << window.countLabel() << window.cell(1, 1) << window.cell(20, 1);
        expected << u"Records : %1/2481"_s.arg(found - 20 + window.currentRow() - 1)
                 << rowsText(ordered, found - 20, 1).section(u'|', 0, 0)
                 << rowsText(ordered, found - 1, 1).section(u'|', 0, 0);
        window.leave();
    };
    ASSERT_TRUE(m_lov.ShowLov(request, m_lovPresenter));
    EXPECT_EQ(seen, expected);

    const QString tracePath = m_logDir.filePath(u"trace.sql"_s);
    m_session.dbConnection = m_database.connectTraced(tracePath);
    request.Query = u"select Name,Code from biglist"_s;
    request.MultiSelect = 1;
    seen.clear();
    m_presenter.script = [&](LovController &window) {
        seen << window.countLabel() << window.cell(1, 1);
        window.nextPage();
        seen << window.countLabel() << window.cell(1, 1);
        // The NULL names come first; a blank marks the row found.
        window.typeText(u"item"_s);
        seen << window.countLabel() << window.cell(window.currentRow(), 1);
        window.typeText(u" "_s);
        window.nextPage();
        window.previousPage();
        seen << window.countLabel() << QString::number(window.isMarked(window.currentRow()));
        window.sortByHead(2);
        window.sortByHead(2);
        seen << window.countLabel() << window.cell(1, 2);
        window.choose();
    };
    ASSERT_TRUE(m_lov.ShowLov(request, m_lovPresenter));

    EXPECT_EQ(seen, QStringList({u"Records : 1/2500"_s, QString(), u"Records : 21/2500"_s, QString(),
                                 u"Records : 26/2500"_s, u"Item 0000"_s, u"Records : 26/2500, (1)"_s, u"1"_s,
                                 u"Records : 1/2500, (1)"_s, u"2500"_s}));
    EXPECT_EQ(request.Result, u"Item 0000!@#$%500"_s);
    const QStringList statements = TestDatabase::traced(tracePath);
    EXPECT_FALSE(statements.contains(u"select Name,Code from biglist order by Name"_s));
    EXPECT_FALSE(statements.filter(u"fetch next 20 rows only"_s).isEmpty());
}

} // namespace
} // namespace vant::test
