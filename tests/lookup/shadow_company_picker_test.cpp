#include "lov_fixture.h"

#include "session/shadow_company_picker.h"

namespace vant::test {
namespace {

using ShadowCompanyPickerTest = LovFixture;

const QStringList kNothing{u"Nothing"_s, QString()};

TEST_F(ShadowCompanyPickerTest, NoneTellsTheUserAndOneIsPickedWithoutAWindow)
{
    EXPECT_EQ(ListShadowCompany(m_session, u"3"_s, QString()), kNothing);
    EXPECT_EQ(m_prompts.texts(), QStringList{u"No Records available"_s});
    EXPECT_EQ(m_prompts.boxes().at(0).title, u"VantProcess"_s);

    TestDatabase::exec(db(),
                       {u"insert into acccompanymaster(CompanyCode,CompanyName,parentcompanycode) "
                        "values (4,'Kormo Shadow Three',2)"_s});
    EXPECT_EQ(ListShadowCompany(m_session, u"2"_s, u"Kor"_s), (QStringList{u"Kormo Shadow Three"_s, u"4"_s}));
    EXPECT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_presenter.presented, 0);
}

TEST_F(ShadowCompanyPickerTest, ManyAreListedByNameInTheWindow)
{
    TestDatabase::exec(db(),
                       {u"insert into acccompanymaster(CompanyCode,CompanyName,parentcompanycode) "
                        "values (5,'Alpha Shadow',1)"_s});
    m_presenter.script = [](LovController &window) {
        EXPECT_EQ(window.title(), u"Company List"_s);
        EXPECT_EQ(window.cell(1, 1), u"Alpha Shadow"_s);
        // The typed text has already moved to the first name that begins with it.
        EXPECT_EQ(window.searchBoxText(1), u"Kormo"_s);
        EXPECT_EQ(window.countLabel(), u"Records : 2/3"_s);
        window.lastRow();
        window.choose();
    };
    EXPECT_EQ(ListShadowCompany(m_session, u"1"_s, u"Kormo"_s), (QStringList{u"Kormo Shadow Two"_s, u"3"_s}));

    m_presenter.script = [](LovController &window) { window.leave(); };
    EXPECT_EQ(ListShadowCompany(m_session, u"1"_s, QString()), kNothing);
}

TEST_F(ShadowCompanyPickerTest, AFailureIsReportedAndGivesNoElements)
{
    m_session.DBConnection.reset();
    EXPECT_TRUE(ListShadowCompany(m_session, u"1"_s, QString()).isEmpty());
    EXPECT_TRUE(logText().contains(u"ErrNo : 3704\r\n"_s));
    EXPECT_TRUE(logText().contains(u"\r\nErrEvent : ListShadowCompany\r\n"_s));
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).icon, PromptIcon::Critical);
}

} // namespace
} // namespace vant::test
