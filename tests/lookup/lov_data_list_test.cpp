#include "lov_fixture.h"

namespace vant::test {
namespace {

using LovDataListTest = LovFixture;

LovRequest dataList(const QString &data)
{
    LovRequest request;
    request.Query = data;
    request.DataList = 1;
    request.ColumnWidths = u"1500,1500"_s;
    request.ColumnHeads = u"First,Second"_s;
    return request;
}

TEST_F(LovDataListTest, RowsMakeATableThatGoesAfterTheChoice)
{
    const QString result
        = run(dataList(u"Smith's!@#$%b^&*()O'Brien!@#$%d"_s), QString(), [this](LovController &window) {
              EXPECT_EQ(m_lov.LovSearchField, u"Field1"_s);
              EXPECT_TRUE(m_lov.LovQuery.startsWith(u"Select Field1,Field2 from Lov_result"));
              EXPECT_EQ(TestDatabase::scalar(db(), u"select count(*) from "_s + workTables()), u"2"_s);
              EXPECT_EQ(window.cell(1, 1), u"O'Brien"_s);
              EXPECT_EQ(window.countLabel(), u"Records : 1/2"_s);
              window.choose();
          });
    EXPECT_EQ(result, u"O'Brien!@#$%d"_s);
    EXPECT_EQ(workTables(), QString());
}

TEST_F(LovDataListTest, TheTableGoesOnEveryOtherWayOut)
{
    EXPECT_EQ(run(dataList(u"a!@#$%b"_s), QString()), u"a!@#$%b"_s);
    EXPECT_EQ(workTables(), QString());

    // The caller's search field orders the rows.
    const QString escaped = run(dataList(u"b!@#$%1^&*()a!@#$%2"_s), u"Field2"_s, [](LovController &window) {
        EXPECT_EQ(window.cell(1, 1), u"b"_s);
        window.nextPage();
        window.leave();
    });
    EXPECT_EQ(escaped, QString());
    EXPECT_EQ(m_lov.LovSearchField, u"Field2"_s);
    EXPECT_EQ(workTables(), QString());

    LovRequest failedCheck = dataList(u"a!@#$%b^&*()c!@#$%d"_s);
    failedCheck.ColumnHeads = u"First"_s;
    run(failedCheck, QString());
    EXPECT_EQ(m_prompts.texts(), QStringList{u"ColumnWidth Count and ColumnHead Count is mismatch"_s});
    EXPECT_EQ(workTables(), QString());

    LovRequest ragged = dataList(u"a!@#$%b^&*()c"_s);
    EXPECT_FALSE(m_lov.ShowLov(ragged));
    EXPECT_TRUE(logText().contains(u"ErrEvent : GenLovQuery\r\n"_s));
    EXPECT_EQ(workTables(), QString());
    EXPECT_EQ(m_presenter.presented, 1);
}

} // namespace
} // namespace vant::test
