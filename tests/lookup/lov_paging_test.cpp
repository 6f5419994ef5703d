#include "lov_fixture.h"

#include "lookup/lov_placement.h"

namespace vant::test {
namespace {

// A window over 45 items ordered by code; each case runs its moves inside the window.
class LovPagingTest : public LovFixture
{
protected:
    LovPagingTest() { makeItems(45); }

    QString run(const std::function<void(LovController &)> &moves, LovRequest request = itemsRequest())
    {
        m_presenter.script = moves;
        ModVantLov lov(m_session);
        lov.LovSearchField = QStringLiteral("code");
        const Status shown = lov.ShowLov(request);
        EXPECT_TRUE(shown);
        m_returnFieldsAfter = lov.LovReturnFields;
        return request.Result;
    }

    // The codes shown on the page, first and last.
    static std::pair<QString, QString> shown(const LovController &window)
    {
        return {window.cell(1, 1), window.cell(window.rowCount(), 1)};
    }

    QString m_returnFieldsAfter;
};

TEST_F(LovPagingTest, PageDownWalksThePagesAndWraps)
{
    run([](LovController &window) {
        EXPECT_EQ(window.pageStart(), 1);
        EXPECT_EQ(window.rowCount(), 20);
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 1/45"));
        window.nextPage();
        EXPECT_EQ(window.pageStart(), 21);
        EXPECT_EQ(window.pageEnd(), 40);
        window.nextPage();
        EXPECT_EQ(window.pageStart(), 41);
        EXPECT_EQ(window.rowCount(), 5);
        EXPECT_EQ(window.currentRow(), 1);
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 41/45"));
        window.nextPage();
        EXPECT_EQ(window.pageStart(), 1);
        EXPECT_EQ(shown(window), std::make_pair(QStringLiteral("1"), QStringLiteral("20")));
        window.leave();
    });
}

TEST_F(LovPagingTest, PageUpStopsAtTheFirstPage)
{
    run([](LovController &window) {
        window.previousPage();
        EXPECT_EQ(window.pageStart(), 1);
        window.nextPage();
        window.nextPage();
        window.lastRow();
        window.previousPage();
        // Row 5 of the short page stays the current row number on the fuller page.
        EXPECT_EQ(window.pageStart(), 21);
        EXPECT_EQ(window.currentRow(), 5);
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 25/45"));
        window.leave();
    });
}

TEST_F(LovPagingTest, ArrowsScrollByOneRecordAtThePageEdges)
{
    run([](LovController &window) {
        window.lastRow();
        EXPECT_EQ(window.currentRow(), 20);
        window.nextRow();
        EXPECT_EQ(shown(window), std::make_pair(QStringLiteral("2"), QStringLiteral("21")));
        EXPECT_EQ(window.currentRow(), 20);
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 21/45"));

        window.firstRow();
        window.previousRow();
        EXPECT_EQ(shown(window), std::make_pair(QStringLiteral("1"), QStringLiteral("20")));
        EXPECT_EQ(window.currentRow(), 1);
        window.previousRow();
        EXPECT_EQ(window.pageStart(), 1);
        EXPECT_EQ(window.currentRow(), 1);
        window.leave();
    });
}

TEST_F(LovPagingTest, DownOnAShortLastPageRefillsFromPageEndLessEighteen)
{
    run([](LovController &window) {
        window.nextPage();
        window.nextPage();
        window.lastRow();
        EXPECT_EQ(window.currentRow(), 5);
        window.nextRow();
        EXPECT_EQ(window.pageStart(), 27);
        EXPECT_EQ(shown(window), std::make_pair(QStringLiteral("27"), QStringLiteral("45")));
        EXPECT_EQ(window.currentRow(), 5);
        window.leave();
    });
}

TEST_F(LovPagingTest, PageRowsCarryRunningNumbersAndFormattedValues)
{
    TestDatabase::exec(db(), {QStringLiteral("update lovitems set name=null where code=2"),
                              QStringLiteral("update lovitems set note='   ' where code=3")});
    run([](LovController &window) {
        EXPECT_EQ(window.cell(1, 0), QStringLiteral("1"));
        EXPECT_EQ(window.cell(20, 0), QStringLiteral("20"));
        EXPECT_EQ(window.cell(1, 3), QStringLiteral("1.50"));
        EXPECT_EQ(window.cell(2, 3), QStringLiteral("3.00"));
        EXPECT_EQ(window.cell(2, 2), QString());
        EXPECT_EQ(window.cell(3, 4), QString());
        window.nextPage();
        EXPECT_EQ(window.cell(1, 0), QStringLiteral("1"));
        EXPECT_EQ(window.cell(1, 1), QStringLiteral("21"));
        window.leave();
    });
}

TEST_F(LovPagingTest, HiddenColumnsFollowTheCurrentRowInTheDetailRows)
{
    LovRequest request = itemsRequest();
    request.Query = QStringLiteral("SELECT code,name,price,note,note as extra from lovitems");
    request.ColumnWidths += QStringLiteral(",0");
    request.ColumnHeads += QStringLiteral(", ");
    run(
        [](LovController &window) {
            EXPECT_EQ(window.detailHeads(), QStringList{QStringLiteral("Remarks")});
            EXPECT_EQ(window.detailValues(), QStringList{QStringLiteral("Note 1")});
            window.nextRow();
            EXPECT_EQ(window.detailValues(), QStringList{QStringLiteral("Note 2")});
            window.nextPage();
            EXPECT_EQ(window.detailValues(), QStringList{QStringLiteral("Note 22")});
            EXPECT_EQ(window.gridWidth(), 730 + 800 + 2000 + 1000);
            window.leave();
        },
        request);
}

TEST_F(LovPagingTest, EnterReturnsTheCurrentRowAsShown)
{
    const QString result = run([](LovController &window) {
        window.nextPage();
        window.nextRow();
        window.nextRow();
        window.choose();
    });
    EXPECT_EQ(result, QStringLiteral("23!@#$%Item 23!@#$%34.50!@#$%Note 23"));
}

TEST_F(LovPagingTest, EscapeAfterMovesReturnsNothing)
{
    LovRequest request = itemsRequest();
    request.ReturnFields = QStringLiteral("code");
    request.StoreKeySet = QStringLiteral("q");
    const QString result = run(
        [](LovController &window) {
            window.nextPage();
            window.lastRow();
            window.nextRow();
            window.leave();
            window.choose();
            EXPECT_TRUE(window.isFinished());
        },
        request);
    EXPECT_EQ(result, QString());
    EXPECT_EQ(m_returnFieldsAfter, QString());
}

TEST_F(LovPagingTest, AWindowLeftWithoutChoiceReturnsNothing)
{
    EXPECT_EQ(run([](LovController &) {}), QString());
}

TEST(LovPlacement, CornersAndCentre)
{
    const QRect screen(0, 0, 1000, 800);
    const QSize window(300, 200);
    EXPECT_EQ(lovWindowPosition(0, screen, window, 1.0 / 15), QPoint(690, 590));
    EXPECT_EQ(lovWindowPosition(1, screen, window, 1.0 / 15), QPoint(1, 590));
    EXPECT_EQ(lovWindowPosition(2, screen, window, 1.0 / 15), QPoint(350, 300));
}

} // namespace
} // namespace vant::test
