#include "lov_fixture.h"

namespace vant::test {
namespace {

// The typed search and the sorts, run inside a window over the 45 items ordered by name.
class LovSearchTest : public LovFixture
{
protected:
    LovSearchTest() { makeItems(45); }

    QString run(const std::function<void(LovController &)> &moves, LovRequest request = itemsRequest(),
                const QString &searchField = QStringLiteral("name"))
    {
        m_presenter.script = moves;
        ModVantLov lov(m_session);
        lov.LovSearchField = searchField;
        EXPECT_TRUE(lov.ShowLov(request));
        m_searchFieldAfter = lov.LovSearchField;
        return request.Result;
    }

    QString m_searchFieldAfter;
};

TEST_F(LovSearchTest, TheBoxKeepsTheLongestTextThatMatches)
{
    run([](LovController &window) {
        window.typeText(QStringLiteral("Item 2"));
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("Item 2"));
        // Found on the page shown: only the current row moves.
        EXPECT_EQ(window.pageStart(), 1);
        EXPECT_EQ(window.currentRow(), 20);

        window.typeText(QStringLiteral("9"));
        // Found further on: the page starts at the found record.
        EXPECT_EQ(window.pageStart(), 29);
        EXPECT_EQ(window.currentRow(), 1);
        EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 29"));
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 29/45"));

        window.typeText(QStringLiteral("x"));
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("Item 29"));
        EXPECT_EQ(window.pageStart(), 29);
        EXPECT_TRUE(window.found());

        window.removeLastCharacter();
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("Item 2"));
        window.typeText(QStringLiteral("%&*'"));
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("Item 2"));
        window.clearSearchBox();
        EXPECT_EQ(window.searchBoxText(1), QString());
        window.removeLastCharacter();
        EXPECT_EQ(window.searchBoxText(1), QString());
        window.leave();
    });
}

TEST_F(LovSearchTest, ARunningNumberJumpsToThatRowOfThePage)
{
    const QString result = run([](LovController &window) {
        window.nextPage();
        window.typeText(QStringLiteral("7"));
        EXPECT_EQ(window.pageStart(), 21);
        EXPECT_EQ(window.currentRow(), 7);
        window.typeText(QStringLiteral("1"));
        // No row 71 on the page and no name begins with "71".
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("7"));
        window.clearSearchBox();
        window.typeText(QStringLiteral("12"));
        EXPECT_EQ(window.currentRow(), 12);
        window.choose();
    });
    EXPECT_EQ(result, QStringLiteral("32!@#$%Item 32!@#$%48.00!@#$%Note 32"));
}

TEST_F(LovSearchTest, ACharacterFieldIsSearchedForContainedTextUnderAFilter)
{
    const QString result = run([](LovController &window) {
        window.typeText(QStringLiteral("tem 3"));
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("tem 3"));
        EXPECT_TRUE(window.isFiltered());
        EXPECT_EQ(window.rowCount(), 10);
        EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 30"));
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 1/10"));

        // A character that matches nothing even inside the names is dropped again.
        window.typeText(QStringLiteral("q"));
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("tem 3"));
        EXPECT_EQ(window.rowCount(), 10);

        window.typeText(QStringLiteral("4"));
        EXPECT_EQ(window.rowCount(), 1);
        window.choose();
    });
    EXPECT_EQ(result, QStringLiteral("34!@#$%Item 34!@#$%51.00!@#$%Note 34"));
}

TEST_F(LovSearchTest, DeletingTheTextLiftsTheFilterAndShowsTheWholeResult)
{
    run([](LovController &window) {
        window.typeText(QStringLiteral("em 4"));
        EXPECT_EQ(window.rowCount(), 6);
        window.clearSearchBox();
        EXPECT_FALSE(window.isFiltered());
        EXPECT_EQ(window.rowCount(), 20);
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 1/45"));
        window.leave();
    });
}

TEST_F(LovSearchTest, NumbersAndMultiSelectKeepToBeginnings)
{
    // A number field is searched by the beginning of its text, never for contained text.
    run(
        [](LovController &window) {
            window.typeText(QStringLiteral("33"));
            EXPECT_EQ(window.pageStart(), 33);
            window.clearSearchBox();
            window.typeText(QStringLiteral("x"));
            EXPECT_EQ(window.searchBoxText(1), QString());
            EXPECT_FALSE(window.isFiltered());
            window.leave();
        },
        itemsRequest(), QStringLiteral("code"));

    LovRequest request = itemsRequest();
    request.MultiSelect = 1;
    run(
        [](LovController &window) {
            window.typeText(QStringLiteral("tem"));
            EXPECT_EQ(window.searchBoxText(1), QString());
            EXPECT_FALSE(window.isFiltered());
            window.leave();
        },
        request);
}

TEST_F(LovSearchTest, HeadClicksSortAscendingThenDescendingAndMoveTheSearch)
{
    LovRequest request = itemsRequest();
    request.SearchText = QStringLiteral("4");
    run(
        [](LovController &window) {
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("4"));
            window.sortByHead(2);
            EXPECT_EQ(window.searchBoxText(1), QString());
            EXPECT_EQ(window.searchFieldType(), FieldType::Text);
            EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 01"));
            window.sortByHead(2);
            EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 45"));
            EXPECT_EQ(window.currentRow(), 1);
            window.sortByHead(2);
            EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 01"));

            // The search text stays when the column clicked is the search column already.
            window.typeText(QStringLiteral("Item 3"));
            window.sortByHead(2);
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("Item 3"));
            EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 45"));
            EXPECT_EQ(window.cell(window.currentRow(), 2), QStringLiteral("Item 39"));

            window.sortByHead(0);
            window.sortByHead(9);
            EXPECT_EQ(window.cell(window.currentRow(), 2), QStringLiteral("Item 39"));
            window.leave();
        },
        request, QStringLiteral("code"));
    EXPECT_EQ(m_searchFieldAfter, QStringLiteral("name"));
}

TEST_F(LovSearchTest, TheSortListOffersTheColumnsWithHeads)
{
    LovRequest request = itemsRequest();
    request.Query = QStringLiteral("SELECT code,name,price,note,code as extra from lovitems");
    request.ColumnWidths += QStringLiteral(",0");
    request.ColumnHeads += QStringLiteral(", ");
    run(
        [](LovController &window) {
            EXPECT_EQ(window.sortListColumns(), (QList<int>{1, 2, 3, 4}));
            window.sortByListEntry(3);
            EXPECT_EQ(window.cell(1, 3), QStringLiteral("1.50"));
            window.sortByListEntry(1);
            // The code is the search column sorted ascending already: descending now.
            EXPECT_EQ(window.cell(1, 1), QStringLiteral("45"));
            window.leave();
        },
        request, QStringLiteral("code"));
}

TEST_F(LovSearchTest, QuotesBracketsAndWildcardsAreLookedForAsTyped)
{
    TestDatabase::exec(db(), {QStringLiteral("create table lovodd (name varchar(50), code int)"),
                              QStringLiteral("insert into lovodd values ('Alpha',1)"),
                              QStringLiteral("insert into lovodd values ('O''Brien Stores',2)"),
                              QStringLiteral("insert into lovodd values ('[Bracket] Traders',3)"),
                              QStringLiteral("insert into lovodd values ('Under_Score',4)"),
                              QStringLiteral("insert into lovodd values ('UnderXScore',5)"),
                              QStringLiteral("insert into lovodd values ('Zed [x] 100%',6)")});
    LovRequest request;
    request.Query = QStringLiteral("SELECT name,code from lovodd");
    request.ColumnWidths = QStringLiteral("3000,800");
    request.ColumnHeads = QStringLiteral("Name,Code");
    request.SearchText = QStringLiteral("O'Br");
    const QString result = run(
        [](LovController &window) {
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("O'Br"));
            EXPECT_EQ(window.cell(window.currentRow(), 1), QStringLiteral("O'Brien Stores"));
            window.clearSearchBox();
            window.typeText(QStringLiteral("[b"));
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("[b"));
            EXPECT_EQ(window.cell(window.currentRow(), 1), QStringLiteral("[Bracket] Traders"));
            window.clearSearchBox();
            window.typeText(QStringLiteral("Under_"));
            EXPECT_EQ(window.cell(window.currentRow(), 1), QStringLiteral("Under_Score"));
            window.clearSearchBox();
            window.typeText(QStringLiteral("[x] 1"));
            EXPECT_TRUE(window.isFiltered());
            EXPECT_EQ(window.rowCount(), 1);
            window.typeText(QStringLiteral("]"));
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("[x] 1"));
            window.choose();
        },
        request);
    EXPECT_EQ(result, QStringLiteral("Zed [x] 100%!@#$%6"));
    EXPECT_EQ(logText(), QString());
}

TEST_F(LovSearchTest, FailedSearchesAndSortsAreReportedUnderTheirProcedures)
{
    LovRequest request = itemsRequest();
    // A field whose name holds a closing bracket cannot be named in a criterion.
    request.Query = QStringLiteral("SELECT code,name as \"odd]name\",price,note from lovitems order by code");
    run(
        [](LovController &window) {
            window.typeText(QStringLiteral("I"));
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("I"));
            EXPECT_EQ(window.pageStart(), 1);
            // Nor in a sort.
            window.sortByHead(2);
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("I"));
            EXPECT_EQ(window.cell(1, 2), QStringLiteral("Item 01"));
            window.leave();
        },
        request, QStringLiteral("odd]name"));
    EXPECT_TRUE(logText().contains(QStringLiteral("ErrForm : FrmLovResult    ErrEvent : findbrow\r\n")));
    EXPECT_TRUE(logText().contains(QStringLiteral("ErrForm : FrmLovResult    ErrEvent : msfbrowse_MouseDown\r\n")));
    EXPECT_EQ(m_prompts.boxes().size(), 2);
}

TEST_F(LovSearchTest, ColumnSearchBoxesFollowTheVisibleColumns)
{
    LovRequest request = itemsRequest();
    request.ColumnSearch = 1;
    run(
        [](LovController &window) {
            ASSERT_EQ(window.searchBoxCount(), 3);
            EXPECT_EQ(window.searchBoxColumn(1), 1);
            EXPECT_EQ(window.searchBoxColumn(3), 3);
            // Box 1 holds the focus from the start: its column is the search column.
            EXPECT_EQ(window.searchFieldType(), FieldType::Integer);
            window.typeText(QStringLiteral("4"));
            // No jump by running number here: the code 4 is found.
            EXPECT_EQ(window.currentRow(), 4);
            window.typeText(QStringLiteral("0"));
            EXPECT_EQ(window.cell(window.currentRow(), 1), QStringLiteral("40"));

            window.searchBoxFocused(2);
            EXPECT_EQ(window.currentSearchBox(), 2);
            EXPECT_EQ(window.searchFieldType(), FieldType::Text);
            window.typeText(QStringLiteral("tem"));
            EXPECT_EQ(window.searchBoxText(2), QString());
            EXPECT_EQ(window.searchBoxText(1), QStringLiteral("40"));
            window.typeText(QStringLiteral("Item 1"));
            EXPECT_EQ(window.cell(window.currentRow(), 2), QStringLiteral("Item 10"));
            window.leave();
        },
        request, QStringLiteral("code"));
}

} // namespace
} // namespace vant::test
