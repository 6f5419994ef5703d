#include "lov_fixture.h"

namespace vant::test {
namespace {

// The typed search and the sorts over the 45 items.
class LovSearchTest : public LovFixture
{
protected:
    LovSearchTest() { makeItems(45); }
};

TEST_F(LovSearchTest, ARunningNumberJumpsToThatRowOfThePage)
{
    const QString result = run(itemsRequest(), u"name"_s, [](LovController &window) {
        window.nextPage();
        window.typeText(u"7"_s);
        EXPECT_EQ(window.currentRow(), 7);
        // No row 71 on the page and no name begins with "71".
        window.typeText(u"1"_s);
        EXPECT_EQ(window.searchBoxText(1), u"7"_s);
        window.clearSearchBox();
        window.typeText(u"12"_s);
        window.choose();
    });
    EXPECT_EQ(result, u"32!@#$%Item 32!@#$%48.00!@#$%Note 32"_s);
}

TEST_F(LovSearchTest, ACharacterFieldIsSearchedForContainedTextUnderAFilter)
{
    const QString result = run(itemsRequest(), u"name"_s, [](LovController &window) {
        window.typeText(u"tem 3q"_s);
        EXPECT_EQ(window.searchBoxText(1), u"tem 3"_s);
        EXPECT_EQ(window.countLabel(), u"Records : 1/10"_s);
        window.clearSearchBox();
        EXPECT_EQ(window.countLabel(), u"Records : 1/45"_s);
        window.typeText(u"em 34"_s);
        window.choose();
    });
    EXPECT_EQ(result, u"34!@#$%Item 34!@#$%51.00!@#$%Note 34"_s);

    // Numbers and multi-select keep to beginnings.
    LovRequest request = itemsRequest();
    for (const qint16 multiSelect : {0, 1}) {
        request.MultiSelect = multiSelect;
        run(request, multiSelect ? u"name"_s : u"code"_s, [](LovController &window) {
            window.typeText(u"tem"_s);
            EXPECT_FALSE(window.isFiltered());
            window.leave();
        });
    }
}

TEST_F(LovSearchTest, HeadClicksSortAscendingThenDescendingAndMoveTheSearch)
{
    LovRequest request = itemsRequest();
    request.SearchText = u"4"_s;
    run(request, u"code"_s, [](LovController &window) {
        window.sortByHead(2);
        EXPECT_EQ(window.searchBoxText(1), QString());
        EXPECT_EQ(window.cell(1, 2), u"Item 01"_s);
        window.sortByHead(2);
        EXPECT_EQ(window.cell(1, 2), u"Item 45"_s);
        window.sortByHead(2);
        EXPECT_EQ(window.cell(1, 2), u"Item 01"_s);
        // The search text stays when the column clicked is the search column already.
        window.typeText(u"Item 3"_s);
        window.sortByHead(2);
        EXPECT_EQ(window.cell(1, 2), u"Item 45"_s);
        EXPECT_EQ(window.cell(window.currentRow(), 2), u"Item 39"_s);
        // The sort list sorts a column that is not the search column ascending, every time.
        window.sortByListEntry(3);
        window.sortByListEntry(3);
        EXPECT_EQ(window.cell(1, 3), u"1.50"_s);
        window.leave();
    });
    EXPECT_EQ(m_lov.LovSearchField, u"name"_s);
}

TEST_F(LovSearchTest, QuotesBracketsAndWildcardsAreLookedForAsTyped)
{
    TestDatabase::exec(db(),
                       {u"create table lovodd (name varchar(50), code int)"_s,
                        u"insert into lovodd values ('Alpha',1),('O''Brien Stores',2),('[Bracket] Traders',3),"
                        "('Under_Score',4),('UnderXScore',5),('Zed [x] 100%',6)"_s});
    LovRequest request;
    request.Query = u"SELECT name,code from lovodd"_s;
    request.ColumnWidths = u"3000,800"_s;
    request.ColumnHeads = u"Name,Code"_s;
    request.SearchText = u"O'Br"_s;
    const QString result = run(request, u"name"_s, [](LovController &window) {
        EXPECT_EQ(window.cell(window.currentRow(), 1), u"O'Brien Stores"_s);
        for (const QString &name : {u"[Bracket] Traders"_s, u"Under_Score"_s}) {
            window.clearSearchBox();
            window.typeText(name.left(6));
            EXPECT_EQ(window.cell(window.currentRow(), 1), name);
        }
        window.clearSearchBox();
        window.typeText(u"[x] 1]"_s);
        EXPECT_EQ(window.searchBoxText(1), u"[x] 1"_s);
        window.choose();
    });
    EXPECT_EQ(result, u"Zed [x] 100%!@#$%6"_s);
    EXPECT_EQ(logText(), QString());
}

TEST_F(LovSearchTest, FailedSearchesAndSortsAreReportedUnderTheirProcedures)
{
    LovRequest request = itemsRequest();
    // A field whose name holds a closing bracket can be named neither in a criterion nor in a sort.
    request.Query = u"SELECT code,name as \"odd]name\",price,note from lovitems order by code"_s;
    run(request, u"odd]name"_s, [](LovController &window) {
        window.typeText(u"I"_s);
        window.sortByHead(2);
        EXPECT_EQ(window.searchBoxText(1), u"I"_s);
        window.leave();
    });
    EXPECT_TRUE(logText().contains(u"ErrForm : FrmLovResult    ErrEvent : findbrow\r\n"_s));
    EXPECT_TRUE(logText().contains(u"ErrForm : FrmLovResult    ErrEvent : msfbrowse_MouseDown\r\n"_s));
    EXPECT_EQ(m_prompts.boxes().size(), 2);
}

TEST_F(LovSearchTest, ColumnSearchHasABoxPerVisibleColumnAndOrdersByThem)
{
    LovRequest request = itemsRequest();
    request.ColumnSearch = 1;
    request.MultiSelect = 1;
    request.HintText = u"[F2]-New"_s;
    run(request, u"code"_s, [this](LovController &window) {
        EXPECT_EQ(m_lov.LovQuery, u"SELECT code,name,price,note from lovitems Order by code,name,price"_s);
        EXPECT_EQ(window.hintText(), u"[Space]-MultiSelect, [F2]-New, [Ctrl]-Sort"_s);
        EXPECT_EQ(window.hintToolTip(),
                  u"Press [Space] to MultiSelect, Press [Ctrl] to Sort Order, "
                  "Left/Right Click on Column Header to Sort Asc/Desc"_s);
        EXPECT_EQ(window.searchBoxCount(), 3);
        // No jump by running number here: the code 40 is found.
        window.typeText(u"40"_s);
        EXPECT_EQ(window.cell(window.currentRow(), 1), u"40"_s);
        window.searchBoxFocused(2);
        // The blank picks a row in multi-select mode: the name box takes a beginning without one.
        window.typeText(u"I"_s);
        EXPECT_EQ(window.searchBoxText(2), u"I"_s);
        EXPECT_EQ(window.searchBoxText(1), u"40"_s);
        EXPECT_EQ(window.cell(window.currentRow(), 2), u"Item 01"_s);
        window.leave();
    });
}

} // namespace
} // namespace vant::test
