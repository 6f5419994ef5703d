#include "lov_fixture.h"

#include "transfer/shadow_company_picker.h"

namespace vant::test {
namespace {

using ShowLovTest = LovFixture;

LovRequest companies(const QString &where)
{
    LovRequest request;
    request.Query = u"SELECT CompanyName,CompanyCode from Acccompanymaster where "_s + where;
    request.ColumnWidths = u"3000,1200"_s;
    request.ColumnHeads = u"Company Name,CompanyCode"_s;
    return request;
}

LovRequest dataList(const QString &data)
{
    LovRequest request;
    request.Query = data;
    request.DataList = 1;
    request.ColumnWidths = u"1500,1500"_s;
    request.ColumnHeads = u"First,Second"_s;
    return request;
}

TEST_F(ShowLovTest, TheRequestIsCheckedBeforeAnyWindow)
{
    const struct
    {
        const char *widths, *heads, *enterDataHead;
        qint16 multiSelect;
        const char *screenByScreen, *message;
    } cases[] = {
        {"1,2,3", "a,b,c,d", "", 1, "", "Query Field Count and ColumnHead Count is mismatch"},
        {"1,2,3", "a,b", "", 1, "", "ColumnWidth Count and ColumnHead Count is mismatch"},
        {"1,2", "a,b", "Qty", 1, "", ""},
        {"1,2,3", "a,b,c", "Qty", 1, "", "Query Field Count and ColumnWidth Count is mismatch"},
        {"1,2", "a,b", " Qty ", 0, "", "MultiSelect Row Option needed to enter Qty"},
        {"1,2", "a,b", "", 1, "1", "Main tablename must for screen by screen option."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        m_prompts.clear();
        LovRequest request = companies(u"parentcompanycode=1"_s);
        request.ColumnWidths = QString::fromLatin1(c.widths);
        request.ColumnHeads = QString::fromLatin1(c.heads);
        request.EnterDataHead = QString::fromLatin1(c.enterDataHead);
        request.MultiSelect = c.multiSelect;
        request.ScreenByScreen = QString::fromLatin1(c.screenByScreen);
        const QString message = QString::fromLatin1(c.message);
        EXPECT_EQ(run(request, QString(), [](LovController &window) { window.choose(); }).isEmpty(),
                  !message.isEmpty());
        EXPECT_EQ(m_prompts.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }
    EXPECT_EQ(m_prompts.boxes().at(0).title, u"VantProcess"_s);
    EXPECT_EQ(m_presenter.presented, 1);
}

TEST_F(ShowLovTest, NoRowOrOneRowIsAnsweredWithoutAWindow)
{
    TestDatabase::exec(db(), {u"insert into acccompanymaster(CompanyCode,CompanyName,parentcompanycode) "
                              "values (9,null,3)"_s});
    const struct
    {
        const char *where;
        qint16 multiSelect;
        const char *enterDataHead, *returnFields, *answer;
    } cases[] = {
        {"CompanyCode=99", 0, "", "", ""},
        {"CompanyCode=2", 1, "Qty", "", "Kormo Shadow One!@#$%2!@#$%0"},
        // The separator stays after a blank first value.
        {"parentcompanycode=3", 0, "", "", "!@#$%9"},
        {"CompanyCode=2", 0, "", "CompanyCode,Nowhere,CompanyName", "2!@#$%Kormo Shadow One"},
        // Return fields of a single row match the names exactly.
        {"CompanyCode=2", 0, "", "companycode", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.where);
        LovRequest request = companies(QString::fromLatin1(c.where));
        request.Result = u"stale"_s;
        request.MultiSelect = c.multiSelect;
        request.EnterDataHead = QString::fromLatin1(c.enterDataHead);
        request.ReturnFields = QString::fromLatin1(c.returnFields);
        request.StoreKeySet = u"q"_s;
        EXPECT_EQ(run(request, QString()), QString::fromLatin1(c.answer));
    }
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_EQ(m_presenter.presented, 0);
}

TEST_F(ShowLovTest, WindowReturnFieldsIgnoreCaseAndKeySetFollows)
{
    LovRequest request = companies(u"parentcompanycode=1"_s);
    request.ReturnFields = u"companycode,COMPANYNAME"_s;
    request.KeySet = u"qr"_s;
    const QString result = run(request, u"CompanyCode"_s, [](LovController &window) {
        window.nextRow();
        EXPECT_FALSE(window.recordKeySetKey(QLatin1Char('x')));
        EXPECT_TRUE(window.recordKeySetKey(QLatin1Char('r')));
        window.choose();
    });
    EXPECT_EQ(result, u"3!@#$%Kormo Shadow Two<<KeySet>>r"_s);
}

TEST_F(ShowLovTest, DistinctQueryIsProbedWithoutTop)
{
    const QString tracePath = m_logDir.filePath(u"trace.sql"_s);
    m_session.dbConnection = m_database.connectTraced(tracePath);
    LovRequest request = companies(u"parentcompanycode=1"_s);
    request.Query = u"SELECT DISTINCT CompanyName,CompanyCode from Acccompanymaster"_s;
    run(request, u"CompanyName"_s, [](LovController &window) { window.leave(); });

    const QStringList statements = TestDatabase::traced(tracePath);
    EXPECT_TRUE(statements.contains(request.Query));
    EXPECT_TRUE(statements.contains(request.Query + u" order by CompanyName"_s));
    EXPECT_TRUE(statements.filter(u"DISTINCT"_s).filter(u" top 2 "_s).isEmpty());
}

TEST_F(ShowLovTest, FailuresComeBackToTheCallerAndThePickerSaysWhenThereIsNone)
{
    LovRequest request = companies(u"nosuchcolumn=1"_s);
    EXPECT_FALSE(m_lov.ShowLov(request, m_lovPresenter));
    m_lovPresenter = nullptr;
    request = companies(u"parentcompanycode=1"_s);
    EXPECT_FALSE(m_lov.ShowLov(request, m_lovPresenter));
    EXPECT_EQ(request.Result, QString());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());

    // The company picker says when there is none.
    EXPECT_EQ(ListShadowCompany(m_session, &m_presenter, u"3"_s, QString()), (QStringList{u"Nothing"_s, QString()}));
    EXPECT_EQ(m_prompts.texts(), QStringList{u"No Records available"_s});
    EXPECT_EQ(m_presenter.presented, 0);

    // It reports a failure and gives no elements.
    m_session.dbConnection.reset();
    EXPECT_TRUE(ListShadowCompany(m_session, m_lovPresenter, u"1"_s, QString()).isEmpty());
    EXPECT_TRUE(logText().contains(u"ErrNo : 3704\r\n"_s));
    EXPECT_TRUE(logText().contains(u"\r\nErrEvent : ListShadowCompany\r\n"_s));
    EXPECT_EQ(m_prompts.boxes().at(1).icon, PromptIcon::Critical);
}

TEST_F(ShowLovTest, ADataListMakesATableThatGoesOnEveryWayOut)
{
    const QString result =
        run(dataList(u"Smith's!@#$%b^&*()O'Brien!@#$%d"_s), QString(), [this](LovController &window) {
            EXPECT_EQ(m_lov.state().searchField, u"Field1"_s);
            EXPECT_EQ(TestDatabase::scalar(db(), u"select count(*) from "_s + workTables()), u"2"_s);
            EXPECT_EQ(window.cell(1, 1), u"O'Brien"_s);
            window.choose();
        });
    EXPECT_EQ(result, u"O'Brien!@#$%d"_s);
    EXPECT_EQ(workTables(), QString());

    // And on every other way out.
    EXPECT_EQ(run(dataList(u"a!@#$%b"_s), QString()), u"a!@#$%b"_s);
    EXPECT_EQ(workTables(), QString());

    // The caller's search field orders the rows.
    const QString escaped = run(dataList(u"b!@#$%1^&*()a!@#$%2"_s), u"Field2"_s, [](LovController &window) {
        EXPECT_EQ(window.cell(1, 1), u"b"_s);
        window.leave();
    });
    EXPECT_EQ(escaped, QString());
    EXPECT_EQ(m_lov.state().searchField, u"Field2"_s);
    EXPECT_EQ(workTables(), QString());

    LovRequest failedCheck = dataList(u"a!@#$%b^&*()c!@#$%d"_s);
    failedCheck.ColumnHeads = u"First"_s;
    run(failedCheck, QString());
    EXPECT_EQ(m_prompts.texts(), QStringList{u"ColumnWidth Count and ColumnHead Count is mismatch"_s});
    EXPECT_EQ(workTables(), QString());

    // The empty query that the failed data list leaves is never sent.
    LovRequest ragged = dataList(u"a!@#$%b^&*()c"_s);
    const Status failed = m_lov.ShowLov(ragged, m_lovPresenter);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().description, u"Command text was not set for the command object."_s);
    EXPECT_TRUE(logText().contains(u"ErrEvent : GenLovQuery\r\n"_s));
    EXPECT_EQ(workTables(), QString());
    EXPECT_EQ(m_presenter.presented, 2);
}

} // namespace
} // namespace vant::test
