#include "lov_fixture.h"

namespace vant::test {
namespace {

// A multi-select window over the 45 items ordered by code.
class LovMultiSelectTest : public LovFixture
{
protected:
    LovMultiSelectTest() { makeItems(45); }

    static LovRequest multiRequest()
    {
        LovRequest request = itemsRequest();
        request.MultiSelect = 1;
        return request;
    }

    // Items with a field of their own for the entered quantity, returning the code only.
    static LovRequest quantityRequest()
    {
        LovRequest request = multiRequest();
        request.Query = QStringLiteral("SELECT code,name,price,note,0 as qty from lovitems");
        request.ReturnFields = QStringLiteral("code");
        request.EnterDataHead = QStringLiteral("Qty");
        return request;
    }

    QString run(const std::function<void(LovController &)> &moves, LovRequest request = multiRequest())
    {
        m_presenter.script = moves;
        ModVantLov lov(m_session);
        lov.LovSearchField = QStringLiteral("code");
        EXPECT_TRUE(lov.ShowLov(request));
        return request.Result;
    }
};

TEST_F(LovMultiSelectTest, ABlankPicksAndDropsTheCurrentRow)
{
    const QString result = run([](LovController &window) {
        window.nextRow();
        window.typeText(QStringLiteral(" "));
        EXPECT_TRUE(window.isMarked(2));
        EXPECT_EQ(window.searchBoxText(1), QString());
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 2/45, (1)"));
        window.typeText(QStringLiteral(" "));
        EXPECT_FALSE(window.isMarked(2));
        EXPECT_TRUE(window.selection().isEmpty());
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 2/45"));
        window.typeText(QStringLiteral(" "));
        window.lastRow();
        window.choose();
    });
    EXPECT_EQ(result, QStringLiteral("2!@#$%Item 02!@#$%3.00!@#$%Note 2"));
}

TEST_F(LovMultiSelectTest, TheLimitStopsAThirdRowUntilOneIsDropped)
{
    LovRequest request = multiRequest();
    request.MaxSelect = 2;
    request.ReturnFields = QStringLiteral("code");
    const QString result = run(
        [this](LovController &window) {
            window.StoreMultiSelect(1, 1);
            window.StoreMultiSelect(2, 1);
            window.StoreMultiSelect(3, 1);
            EXPECT_EQ(m_prompts.texts(), QStringList{QStringLiteral("Maximum selection allowed is 2")});
            EXPECT_EQ(window.selection().size(), 2);
            EXPECT_FALSE(window.isMarked(3));
            window.StoreMultiSelect(1, 1);
            window.StoreMultiSelect(3, 1);
            EXPECT_EQ(m_prompts.boxes().size(), 1);
            window.choose();
        },
        request);
    EXPECT_EQ(result, QStringLiteral("2^&*()3"));
}

TEST_F(LovMultiSelectTest, TheSelectionSurvivesPagingSearchAndSort)
{
    LovRequest request = multiRequest();
    request.ReturnFields = QStringLiteral("code");
    request.StoreKeySet = QStringLiteral("k");
    const QString result = run(
        [](LovController &window) {
            window.firstRow();
            window.nextRow();
            window.nextRow();
            window.typeText(QStringLiteral(" "));
            window.nextPage();
            EXPECT_FALSE(window.isMarked(3));
            window.typeText(QStringLiteral("25"));
            EXPECT_EQ(window.pageStart(), 21);
            EXPECT_EQ(window.currentRow(), 5);
            window.typeText(QStringLiteral(" "));
            EXPECT_TRUE(window.isMarked(5));
            window.previousPage();
            EXPECT_TRUE(window.isMarked(3));
            EXPECT_FALSE(window.isMarked(4));
            window.sortByHead(2);
            window.sortByHead(2);
            // Descending by name: 45 down to 26, then 25 on the next page.
            window.nextPage();
            EXPECT_EQ(window.cell(1, 1), QStringLiteral("25"));
            EXPECT_TRUE(window.isMarked(1));
            EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 21/45, (2)"));
            window.choose();
        },
        request);
    EXPECT_EQ(result, QStringLiteral("3^&*()25<<KeySet>>k"));
}

TEST_F(LovMultiSelectTest, EnteredValuesAreAskedForAndReturnedInTheOrderPicked)
{
    m_prompts.answerPrompts({QStringLiteral("5"), QStringLiteral("7"), std::nullopt, QStringLiteral("9")});
    const QString result = run(
        [this](LovController &window) {
            window.setCurrentRow(3);
            window.typeText(QStringLiteral(" "));
            EXPECT_EQ(window.cell(3, 5), QStringLiteral("5"));
            window.setCurrentRow(1);
            window.typeText(QStringLiteral(" "));
            window.setCurrentRow(2);
            // A cancelled prompt picks nothing.
            window.typeText(QStringLiteral(" "));
            EXPECT_FALSE(window.isMarked(2));
            window.typeText(QStringLiteral(" "));
            EXPECT_EQ(window.detailValues(), (QStringList{QStringLiteral("Note 2"), QStringLiteral("9")}));
            EXPECT_EQ(m_prompts.boxes().at(0).text, QStringLiteral("Enter Qty"));
            EXPECT_EQ(m_prompts.boxes().size(), 4);
            window.nextPage();
            window.previousPage();
            EXPECT_EQ(window.cell(1, 5), QStringLiteral("7"));
            EXPECT_EQ(window.cell(4, 5), QStringLiteral("0"));
            window.choose();
        },
        quantityRequest());
    EXPECT_EQ(result, QStringLiteral("3!@#$%5^&*()1!@#$%7^&*()2!@#$%9"));
}

TEST_F(LovMultiSelectTest, EnterWithoutASelectionReturnsTheCurrentRowAndEscapeNothing)
{
    EXPECT_EQ(run([](LovController &window) {
                  window.setCurrentRow(4);
                  window.choose();
              },
              quantityRequest()),
              QStringLiteral("4!@#$%0"));

    m_prompts.answerPrompts({QStringLiteral("5")});
    EXPECT_EQ(run([](LovController &window) {
                  window.typeText(QStringLiteral(" "));
                  window.leave();
              },
              quantityRequest()),
              QString());
}

TEST_F(LovMultiSelectTest, APreSelectionIsMarkedCountedAndReturned)
{
    LovRequest request = quantityRequest();
    request.HavingMultiSelect = QStringLiteral(" 2^&*()25 ");
    request.HavingMultiSelectData = QStringLiteral("4^&*()6");
    const QString result = run(
        [](LovController &window) {
            EXPECT_TRUE(window.isMarked(2));
            EXPECT_FALSE(window.isMarked(1));
            EXPECT_EQ(window.cell(2, 5), QStringLiteral("4"));
            EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 1/45, (2)"));
            window.nextPage();
            EXPECT_TRUE(window.isMarked(5));
            window.setCurrentRow(5);
            window.typeText(QStringLiteral(" "));
            EXPECT_EQ(window.selection().keys(), QStringList{QStringLiteral("2")});
            window.choose();
        },
        request);
    EXPECT_EQ(result, QStringLiteral("2!@#$%4"));

    // Without multi-select the pre-selection is not used.
    request.MultiSelect = 0;
    request.EnterDataHead.clear();
    EXPECT_EQ(run([](LovController &window) {
                  EXPECT_FALSE(window.isMarked(2));
                  window.choose();
              },
              request),
              QStringLiteral("1"));
}

} // namespace
} // namespace vant::test
