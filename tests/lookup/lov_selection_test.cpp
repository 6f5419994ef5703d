// Multi-select in the lookup window: picking, dropping, limits and entered values.
#include "lov_controller_fixture.h"

namespace vant::test {
namespace {

TEST_F(LovControllerTest, ABlankPicksAndDropsTheCurrentRow)
{
    const QString result = run(multiRequest(), u"code"_s, [](LovController &window) {
        window.nextRow();
        window.typeText(u" "_s);
        EXPECT_TRUE(window.isMarked(2));
        EXPECT_EQ(window.searchBoxText(1), QString());
        EXPECT_EQ(window.countLabel(), u"Records : 2/45, (1)"_s);
        window.typeText(u" "_s);
        EXPECT_FALSE(window.isMarked(2));
        EXPECT_EQ(window.countLabel(), u"Records : 2/45"_s);
        // Enter without a selection returns the current row.
        window.lastRow();
        window.choose();
    });
    EXPECT_EQ(result, u"20"_s);
}

// A picked row keeps its running number, and typing the number still finds it.
TEST_F(LovControllerTest, APickedRowKeepsItsRunningNumber)
{
    const QString result = run(multiRequest(), u"name"_s, [](LovController &window) {
        window.setCurrentRow(3);
        window.typeText(u" "_s);
        EXPECT_TRUE(window.isMarked(3));
        EXPECT_EQ(window.cell(3, 0), u"3"_s);
        window.firstRow();
        window.typeText(u"3"_s);
        EXPECT_EQ(window.currentRow(), 3);
        window.choose();
    });
    EXPECT_EQ(result, u"3"_s);
}

TEST_F(LovControllerTest, TheLimitStopsAThirdRowUntilOneIsDropped)
{
    LovRequest request = multiRequest();
    request.MaxSelect = 2;
    const QString result = run(request, u"code"_s, [this](LovController &window) {
        for (const int row : {1, 2, 3})
            window.StoreMultiSelect(row, 1);
        EXPECT_EQ(m_prompts.texts(), QStringList{u"Maximum selection allowed is 2"_s});
        EXPECT_FALSE(window.isMarked(3));
        window.StoreMultiSelect(1, 1);
        window.StoreMultiSelect(3, 1);
        EXPECT_EQ(m_prompts.boxes().size(), 1);
        window.choose();
    });
    EXPECT_EQ(result, u"2^&*()3"_s);
}

TEST_F(LovControllerTest, TheSelectionSurvivesPagingAndSearch)
{
    LovRequest request = multiRequest();
    request.StoreKeySet = u"k"_s;
    const QString result = run(request, u"code"_s, [](LovController &window) {
        window.setCurrentRow(3);
        window.typeText(u" "_s);
        window.nextPage();
        EXPECT_FALSE(window.isMarked(3));
        window.typeText(u"25"_s);
        window.typeText(u" "_s);
        window.previousPage();
        EXPECT_TRUE(window.isMarked(3));
        EXPECT_EQ(window.countLabel(), u"Records : 5/45, (2)"_s);
        window.choose();
    });
    EXPECT_EQ(result, u"3^&*()25<<KeySet>>k"_s);
}

TEST_F(LovControllerTest, EnteredValuesAreAskedForAndReturnedInTheOrderPicked)
{
    m_prompts.answerPrompts({u"5"_s, u"7"_s, std::nullopt, u"9"_s});
    const QString result = run(multiRequest(true), u"code"_s, [this](LovController &window) {
        window.setCurrentRow(3);
        window.typeText(u" "_s);
        window.setCurrentRow(1);
        window.typeText(u" "_s);
        window.setCurrentRow(2);
        // A cancelled prompt picks nothing.
        window.typeText(u" "_s);
        EXPECT_FALSE(window.isMarked(2));
        window.typeText(u" "_s);
        EXPECT_EQ(window.detailValues(), (QStringList{u"Note 2"_s, u"9"_s}));
        EXPECT_EQ(m_prompts.boxes().at(0).text, u"Enter Qty"_s);
        window.nextPage();
        window.previousPage();
        EXPECT_EQ(window.cell(1, 5), u"7"_s);
        window.choose();
    });
    EXPECT_EQ(result, u"3!@#$%5^&*()1!@#$%7^&*()2!@#$%9"_s);
}

TEST_F(LovControllerTest, APreSelectionIsMarkedCountedAndReturned)
{
    LovRequest request = multiRequest(true);
    request.HavingMultiSelect = u" 2^&*()25 "_s;
    request.HavingMultiSelectData = u"4^&*()6"_s;
    const QString result = run(request, u"code"_s, [](LovController &window) {
        EXPECT_TRUE(window.isMarked(2));
        EXPECT_EQ(window.cell(2, 5), u"4"_s);
        EXPECT_EQ(window.countLabel(), u"Records : 1/45, (2)"_s);
        window.nextPage();
        EXPECT_TRUE(window.isMarked(5));
        window.setCurrentRow(5);
        window.typeText(u" "_s);
        window.choose();
    });
    EXPECT_EQ(result, u"2!@#$%4"_s);
}

} // namespace
} // namespace vant::test
