#include "lov_fixture.h"

#include "session/shadow_company_picker.h"

namespace vant::test {
namespace {

using ShadowCompanyPickerTest = LovFixture;

TEST_F(ShadowCompanyPickerTest, NoShadowCompanyTellsTheUserAndPicksNothing)
{
    const QStringList picked = ListShadowCompany(m_session, QStringLiteral("3"), QString());
    EXPECT_EQ(picked, (QStringList{QStringLiteral("Nothing"), QString()}));
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).text, QStringLiteral("No Records available"));
    EXPECT_EQ(m_prompts.boxes().at(0).title, QStringLiteral("VantProcess"));
    EXPECT_EQ(m_presenter.presented, 0);
}

TEST_F(ShadowCompanyPickerTest, OneShadowCompanyIsPickedWithoutAWindow)
{
    TestDatabase::exec(db(), {QStringLiteral("insert into acccompanymaster(CompanyCode,CompanyName,parentcompanycode) "
                                             "values (4,'Kormo Shadow Three',2)")});
    const QStringList picked = ListShadowCompany(m_session, QStringLiteral("2"), QStringLiteral("Kor"));
    EXPECT_EQ(picked, (QStringList{QStringLiteral("Kormo Shadow Three"), QStringLiteral("4")}));
    EXPECT_EQ(m_presenter.presented, 0);
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

TEST_F(ShadowCompanyPickerTest, ManyShadowCompaniesAreListedByNameInTheWindow)
{
    TestDatabase::exec(db(), {QStringLiteral("insert into acccompanymaster(CompanyCode,CompanyName,parentcompanycode) "
                                             "values (5,'Alpha Shadow',1)")});
    m_presenter.script = [](LovController &window) {
        EXPECT_EQ(window.title(), QStringLiteral("Company List"));
        EXPECT_EQ(window.searchText(), QStringLiteral("Kormo"));
        EXPECT_EQ(window.searchFieldType(), FieldType::Text);
        ASSERT_EQ(window.columns().size(), 2);
        EXPECT_EQ(window.columns().at(0).head, QStringLiteral("Company Name"));
        EXPECT_EQ(window.columns().at(0).width, 3000);
        EXPECT_EQ(window.columns().at(1).head, QStringLiteral("CompanyCode"));
        EXPECT_EQ(window.cell(1, 1), QStringLiteral("Alpha Shadow"));
        EXPECT_EQ(window.cell(3, 1), QStringLiteral("Kormo Shadow Two"));
        // The typed text has already moved to the first name that begins with it.
        EXPECT_EQ(window.searchBoxText(1), QStringLiteral("Kormo"));
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 2/3"));
        window.lastRow();
        window.choose();
    };
    const QStringList picked = ListShadowCompany(m_session, QStringLiteral("1"), QStringLiteral("Kormo"));
    EXPECT_EQ(picked, (QStringList{QStringLiteral("Kormo Shadow Two"), QStringLiteral("3")}));
    EXPECT_EQ(m_presenter.presented, 1);
}

TEST_F(ShadowCompanyPickerTest, EscapePicksNothing)
{
    m_presenter.script = [](LovController &window) {
        window.nextRow();
        window.leave();
    };
    EXPECT_EQ(ListShadowCompany(m_session, QStringLiteral("1"), QString()),
              (QStringList{QStringLiteral("Nothing"), QString()}));
}

TEST_F(ShadowCompanyPickerTest, AFailureIsReportedAndGivesNoElements)
{
    m_session.DBConnection.reset();
    EXPECT_TRUE(ListShadowCompany(m_session, QStringLiteral("1"), QString()).isEmpty());
    EXPECT_TRUE(logText().contains(QStringLiteral("ErrNo : 3704\r\n")));
    EXPECT_TRUE(logText().contains(QStringLiteral("\r\nErrEvent : ListShadowCompany\r\n")));
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).icon, PromptIcon::Critical);
}

} // namespace
} // namespace vant::test
