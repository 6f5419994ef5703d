#include "lov_fixture.h"

namespace vant::test {
namespace {

using LovDataListTest = LovFixture;

LovRequest dataList(const QString &data)
{
    LovRequest request;
    request.Query = data;
    request.DataList = 1;
    request.ColumnWidths = QStringLiteral("1500,1500");
    request.ColumnHeads = QStringLiteral("First,Second");
    return request;
}

TEST_F(LovDataListTest, TwoRowsMakeATwoColumnTableThatGoesAfterTheChoice)
{
    LovRequest request = dataList(QStringLiteral("a!@#$%b^&*()c!@#$%d"));
    ModVantLov lov(m_session);
    m_presenter.script = [&](LovController &window) {
        EXPECT_EQ(lov.LovSearchField, QStringLiteral("Field1"));
        EXPECT_TRUE(lov.LovQuery.startsWith(u"Select Field1,Field2 from Lov_result")) << lov.LovQuery.toStdString();
        const QString table = workTables();
        EXPECT_FALSE(table.isEmpty());
        EXPECT_EQ(TestDatabase::scalar(db(), QStringLiteral("select count(*) from ") + table), QStringLiteral("2"));
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 1/2"));
        window.nextRow();
        window.choose();
    };
    ASSERT_TRUE(lov.ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("c!@#$%d"));
    EXPECT_EQ(workTables(), QString());
}

TEST_F(LovDataListTest, WorkTableGoesOnEveryWayOut)
{
    LovRequest oneRow = dataList(QStringLiteral("a!@#$%b"));
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(oneRow));
    EXPECT_EQ(oneRow.Result, QStringLiteral("a!@#$%b"));
    EXPECT_EQ(workTables(), QString());

    LovRequest escaped = dataList(QStringLiteral("a!@#$%b^&*()c!@#$%d"));
    m_presenter.script = [](LovController &window) {
        window.nextPage();
        window.leave();
    };
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(escaped));
    EXPECT_EQ(escaped.Result, QString());
    EXPECT_EQ(workTables(), QString());

    LovRequest failedCheck = dataList(QStringLiteral("a!@#$%b^&*()c!@#$%d"));
    failedCheck.ColumnHeads = QStringLiteral("First");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(failedCheck));
    EXPECT_EQ(m_prompts.texts(), QStringList{QStringLiteral("ColumnWidth Count and ColumnHead Count is mismatch")});
    EXPECT_EQ(workTables(), QString());
    EXPECT_EQ(m_presenter.presented, 1);
}

TEST_F(LovDataListTest, QuotesInValuesAreStoredAsTyped)
{
    LovRequest request = dataList(QStringLiteral("Smith's!@#$%2^&*()O'Brien!@#$%1"));
    m_presenter.script = [](LovController &window) {
        EXPECT_EQ(window.cell(1, 1), QStringLiteral("O'Brien"));
        window.choose();
    };
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("O'Brien!@#$%1"));
    EXPECT_EQ(workTables(), QString());
}

TEST_F(LovDataListTest, ARaggedListIsReportedAndTheTableStillGoes)
{
    LovRequest request = dataList(QStringLiteral("a!@#$%b^&*()c"));
    EXPECT_FALSE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QString());
    EXPECT_TRUE(logText().contains(QStringLiteral("ErrEvent : GenLovQuery\r\n")));
    EXPECT_EQ(workTables(), QString());
    EXPECT_EQ(m_presenter.presented, 0);
}

TEST_F(LovDataListTest, CallersSearchFieldIsKept)
{
    LovRequest request = dataList(QStringLiteral("b!@#$%1^&*()a!@#$%2"));
    ModVantLov lov(m_session);
    lov.LovSearchField = QStringLiteral("Field2");
    m_presenter.script = [](LovController &window) {
        EXPECT_EQ(window.cell(1, 1), QStringLiteral("b"));
        window.leave();
    };
    ASSERT_TRUE(lov.ShowLov(request));
    EXPECT_EQ(lov.LovSearchField, QStringLiteral("Field2"));
}

} // namespace
} // namespace vant::test
