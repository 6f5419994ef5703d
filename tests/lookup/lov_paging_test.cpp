#include "lov_fixture.h"

namespace vant::test {
namespace {

// A window over 45 items ordered by code, with one more hidden column that has no head.
class LovPagingTest : public LovFixture
{
protected:
    LovPagingTest() { makeItems(45); }

    QString run(std::function<void(LovController &)> moves, LovRequest request = itemsRequest())
    {
        request.Query = u"SELECT code,name,price,note,note as extra from lovitems"_s;
        request.ColumnWidths += u",0"_s;
        request.ColumnHeads += u", "_s;
        return LovFixture::run(request, u"code"_s, std::move(moves));
    }

    // The codes shown first and last on the page.
    static QStringList shown(const LovController &window)
    {
        return {window.cell(1, 1), window.cell(window.rowCount(), 1)};
    }
};

TEST_F(LovPagingTest, PagesWrapForwardAndStopAtTheFirst)
{
    run([](LovController &window) {
        window.previousPage();
        EXPECT_EQ(window.pageStart(), 1);
        EXPECT_EQ(window.countLabel(), u"Records : 1/45"_s);
        EXPECT_EQ(window.detailHeads(), QStringList{u"Remarks"_s});
        EXPECT_EQ(window.gridWidth(), 730 + 800 + 2000 + 1000);
        window.nextPage();
        EXPECT_EQ(window.pageStart(), 21);
        window.nextPage();
        EXPECT_EQ(window.pageStart(), 41);
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

TEST_F(LovPagingTest, ArrowsScrollByOneRecordAtThePageEdges)
{
    TestDatabase::exec(db(), {u"update lovitems set name=null where code=31"_s});
    const QString result = run([](LovController &window) {
        window.lastRow();
        window.nextRow();
        EXPECT_EQ(shown(window), (QStringList{u"2"_s, u"21"_s}));
        EXPECT_EQ(window.currentRow(), 20);
        EXPECT_EQ(window.countLabel(), u"Records : 21/45"_s);
        window.firstRow();
        window.previousRow();
        EXPECT_EQ(shown(window), (QStringList{u"1"_s, u"20"_s}));

        // Down on the short last page refills from its end less eighteen.
        window.nextPage();
        window.nextPage();
        window.lastRow();
        window.nextRow();
        EXPECT_EQ(window.pageStart(), 27);
        EXPECT_EQ(shown(window), (QStringList{u"27"_s, u"45"_s}));
        EXPECT_EQ(window.currentRow(), 5);
        EXPECT_EQ(window.cell(5, 2), QString());
        window.choose();
    });
    EXPECT_EQ(result, u"31!@#$%!@#$%46.50!@#$%Note 31!@#$%Note 31"_s);
}

TEST_F(LovPagingTest, EscapeAfterMovesOrNoChoiceReturnsNothing)
{
    LovRequest request = itemsRequest();
    request.ReturnFields = u"code"_s;
    request.StoreKeySet = u"q"_s;
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
    EXPECT_EQ(m_lov.LovReturnFields, QString());
    EXPECT_EQ(run([](LovController &) {}), QString());
}

} // namespace
} // namespace vant::test
