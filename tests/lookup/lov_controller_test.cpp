#include "lov_controller_fixture.h"

namespace vant::test {
namespace {

TEST_F(LovControllerTest, PagesWrapForwardAndStopAtTheFirst)
{
    run(itemsRequest(), u"code"_s, [](LovController &window) {
        window.previousPage();
        EXPECT_EQ(window.countLabel(), u"Records : 1/45"_s);
        EXPECT_EQ(window.detailHeads(), QStringList{u"Remarks"_s});
        EXPECT_EQ(window.gridWidth(), 730 + 800 + 2000 + 1000);
        window.nextPage();
        EXPECT_EQ(window.pageStart(), 21);
        window.nextPage();
        EXPECT_EQ(window.rowCount(), 5);
        EXPECT_EQ(window.countLabel(), u"Records : 41/45"_s);
        window.lastRow();
        window.previousPage();
        // Row 5 of the short page stays the current row number on the fuller page.
        EXPECT_EQ(window.countLabel(), u"Records : 25/45"_s);
        window.nextPage();
        window.nextPage();
        EXPECT_EQ(shown(window), (QStringList{u"1"_s, u"20"_s}));
        window.leave();
    });
}

TEST_F(LovControllerTest, ArrowsScrollByOneRecordAtThePageEdges)
{
    TestDatabase::exec(db(), {u"update lovitems set name=null where code=31"_s});
    const QString result = run(itemsRequest(), u"code"_s, [](LovController &window) {
        window.lastRow();
        window.nextRow();
        EXPECT_EQ(shown(window), (QStringList{u"2"_s, u"21"_s}));
        EXPECT_EQ(window.currentRow(), 20);
        EXPECT_EQ(window.countLabel(), u"Records : 21/45"_s);
        window.firstRow();
        window.previousRow();
        EXPECT_EQ(shown(window), (QStringList{u"1"_s, u"20"_s}));

        // Down on the last record keeps the page and the highlight where they are.
        window.nextPage();
        window.nextPage();
        window.lastRow();
        window.nextRow();
        EXPECT_EQ(shown(window), (QStringList{u"41"_s, u"45"_s}));
        EXPECT_EQ(window.currentRow(), 5);
        EXPECT_EQ(window.countLabel(), u"Records : 45/45"_s);
        // So does Down on the last record of a full page.
        for (int row = 0; row < 5; ++row)
            window.previousRow();
        EXPECT_EQ(shown(window), (QStringList{u"40"_s, u"45"_s}));
        window.previousPage();
        EXPECT_EQ(window.cell(12, 1), u"31"_s);
        EXPECT_EQ(window.cell(12, 2), QString());
        window.lastRow();
        window.nextRow();
        EXPECT_EQ(window.countLabel(), u"Records : 40/45"_s);
        window.choose();
    });
    EXPECT_EQ(result, u"40!@#$%Item 40!@#$%60.00!@#$%Note 40"_s);
}

// A short screen shows fewer rows per page; the paging keys move by that page.
TEST_F(LovControllerTest, AShorterPageKeepsTheMeaningOfThePagingKeys)
{
    const QString result = run(itemsRequest(), u"code"_s, [](LovController &window) {
        window.typeText(u"16"_s);
        EXPECT_EQ(window.currentRow(), 16);
        // The current record stays on the shorter page, as its last row.
        window.setPageRows(8);
        EXPECT_EQ(shown(window), (QStringList{u"9"_s, u"16"_s}));
        EXPECT_EQ(window.countLabel(), u"Records : 16/45"_s);
        window.nextPage();
        EXPECT_EQ(shown(window), (QStringList{u"17"_s, u"24"_s}));
        window.nextRow();
        EXPECT_EQ(shown(window), (QStringList{u"18"_s, u"25"_s}));
        EXPECT_EQ(window.currentRow(), 8);
        window.previousPage();
        EXPECT_EQ(shown(window), (QStringList{u"10"_s, u"17"_s}));
        window.firstRow();
        window.previousRow();
        EXPECT_EQ(shown(window), (QStringList{u"9"_s, u"16"_s}));
        for (int page = 0; page < 5; ++page)
            window.nextPage();
        EXPECT_EQ(shown(window), (QStringList{u"1"_s, u"8"_s}));
        window.lastRow();
        window.choose();
    });
    EXPECT_EQ(result, u"8!@#$%Item 08!@#$%12.00!@#$%Note 8"_s);
}

TEST_F(LovControllerTest, EscapeAfterMovesOrNoChoiceReturnsNothing)
{
    LovRequest request = itemsRequest();
    request.ReturnFields = u"code"_s;
    request.StoreKeySet = u"q"_s;
    const QString result = run(request, u"code"_s, [](LovController &window) {
        window.nextPage();
        window.lastRow();
        window.nextRow();
        window.leave();
        window.choose();
        EXPECT_TRUE(window.isFinished());
    });
    EXPECT_EQ(result, QString());
    EXPECT_EQ(m_lov.state().returnFields, QString());
    EXPECT_EQ(run(itemsRequest(), u"code"_s), QString());
}

TEST_F(LovControllerTest, ARunningNumberJumpsToThatRowOfThePage)
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

TEST_F(LovControllerTest, ACharacterFieldIsSearchedForContainedTextUnderAFilter)
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

TEST_F(LovControllerTest, HeadClicksSortAscendingThenDescendingAndMoveTheSearch)
{
    LovRequest request = itemsRequest();
    request.SearchText = u"4"_s;
    run(request, u"code"_s, [](LovController &window) {
        window.sortByHead(2);
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
        window.leave();
    });
    EXPECT_EQ(m_lov.state().searchField, u"name"_s);
}

// Quotes, brackets and wildcards are looked for as typed; a character outside the Basic
// Multilingual Plane is typed, searched and taken back as one.
TEST_F(LovControllerTest, OddCharactersAreLookedForAsTyped)
{
    TestDatabase::exec(db(), {u"create table lovodd (name varchar(50), code int)"_s,
                              u"insert into lovodd values ('Alpha',1),('O''Brien Stores',2),('[Bracket] Traders',3),"
                              "('Under_Score',4),('UnderXScore',5),('Zed [x] 100%',6),('Cake \U0001F382 Shop',7),"
                              "('Cake \U0001F370 House',8),('\u041F\u0435\u043A\u0430\u0440\u043D\u044F "
                              "\U0001F950',9)"_s});
    LovRequest request;
    request.Query = u"SELECT name,code from lovodd"_s;
    request.ColumnWidths = u"3000,800"_s;
    request.ColumnHeads = u"Name,Code"_s;
    request.SearchText = u"O'Br"_s;
    const auto answer = [&](const std::function<void(LovController &)> &moves) {
        return run(request, u"name"_s, [&moves](LovController &window) {
            moves(window);
            window.choose();
        });
    };
    EXPECT_EQ(answer([](LovController &window) {
                  EXPECT_EQ(window.cell(window.currentRow(), 1), u"O'Brien Stores"_s);
                  window.clearSearchBox();
                  window.typeText(u"[x] 1]"_s);
                  EXPECT_EQ(window.searchBoxText(1), u"[x] 1"_s);
              }),
              u"Zed [x] 100%!@#$%6"_s);
    request.SearchText.clear();
    EXPECT_EQ(answer([](LovController &window) {
                  window.typeText(u"Cake \U0001F370"_s);
                  EXPECT_EQ(window.searchBoxText(1), u"Cake \U0001F370"_s);
                  EXPECT_EQ(window.cell(window.currentRow(), 1), u"Cake \U0001F370 House"_s);
                  window.removeLastCharacter();
                  EXPECT_EQ(window.searchBoxText(1), u"Cake "_s);
                  window.clearSearchBox();
                  // Found inside the name, under a filter.
                  window.typeText(u"\U0001F950"_s);
              }),
              u"\u041F\u0435\u043A\u0430\u0440\u043D\u044F \U0001F950!@#$%9"_s);
    EXPECT_EQ(logText(), QString());
}

TEST_F(LovControllerTest, FailedSearchesAndSortsAreReportedUnderTheirProcedures)
{
    LovRequest request = itemsRequest();
    // A field whose name holds a closing bracket can be named neither in a search nor in a sort.
    request.Query = u"SELECT code,name as [odd]]name],price,note from lovitems order by code"_s;
    run(request, u"odd]name"_s, [](LovController &window) {
        window.typeText(u"I"_s);
        window.sortByHead(2);
        window.leave();
    });
    EXPECT_TRUE(logText().contains(u"ErrForm : FrmLovResult    ErrEvent : findbrow\r\n"_s));
    EXPECT_TRUE(logText().contains(u"ErrForm : FrmLovResult    ErrEvent : msfbrowse_MouseDown\r\n"_s));
    EXPECT_EQ(m_prompts.boxes().size(), 2);
}

TEST_F(LovControllerTest, ColumnSearchHasABoxPerVisibleColumnAndOrdersByThem)
{
    LovRequest request = itemsRequest();
    request.ColumnSearch = 1;
    request.MultiSelect = 1;
    request.HintText = u"[F2]-New"_s;
    run(request, u"code"_s, [this](LovController &window) {
        EXPECT_EQ(m_lov.state().query, u"SELECT code,name,price,note from lovitems Order by code,name,price"_s);
        EXPECT_EQ(window.hintText(), u"[Space]-MultiSelect, [F2]-New, [Ctrl]-Sort"_s);
        EXPECT_EQ(window.hintToolTip(), u"Press [Space] to MultiSelect, Press [Ctrl] to Sort Order, "
                                        "Left/Right Click on Column Header to Sort Asc/Desc"_s);
        // No jump by running number here: the code 40 is found.
        window.typeText(u"40"_s);
        EXPECT_EQ(window.cell(window.currentRow(), 1), u"40"_s);
        window.searchBoxFocused(2);
        window.typeText(u"I"_s);
        EXPECT_EQ(window.searchBoxText(2), u"I"_s);
        EXPECT_EQ(window.searchBoxText(1), u"40"_s);
        window.leave();
    });
}

} // namespace
} // namespace vant::test
