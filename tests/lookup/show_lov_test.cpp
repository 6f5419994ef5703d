#include "lov_fixture.h"

namespace vant::test {
namespace {

using ShowLovTest = LovFixture;

LovRequest companies(const QString &where)
{
    LovRequest request;
    request.Query = QStringLiteral("SELECT CompanyName,CompanyCode from Acccompanymaster where ") + where;
    request.ColumnWidths = QStringLiteral("3000,1200");
    request.ColumnHeads = QStringLiteral("Company Name,CompanyCode");
    return request;
}

TEST(ShowLovQuery, TopGoesAfterTheSelectWordUnlessDistinct)
{
    EXPECT_EQ(ModVantLov::limitedQuery(QStringLiteral("SELECT a,b from t"), 2),
              QStringLiteral("SELECT  top 2 a,b from t"));
    EXPECT_EQ(ModVantLov::limitedQuery(QStringLiteral("SELECT DISTINCT a from t"), 2),
              QStringLiteral("SELECT DISTINCT a from t"));
    EXPECT_EQ(ModVantLov::limitedQuery(QStringLiteral("select a from t where b='x' and c in (select DiStInCt c from u)"), 2),
              QStringLiteral("select a from t where b='x' and c in (select DiStInCt c from u)"));
    EXPECT_EQ(ModVantLov::limitedQuery(QStringLiteral("SELECT a from t"), 0), QStringLiteral("SELECT a from t"));
}

TEST(ShowLovQuery, WorkTableNamesAreValidAndUnique)
{
    const QString first = ModVantLov::workTableName();
    const QString second = ModVantLov::workTableName();
    EXPECT_NE(first, second);
    EXPECT_TRUE(first.startsWith(u"Lov_result"));
    for (const QChar c : first)
        EXPECT_TRUE(c.isLetterOrNumber() || c == QLatin1Char('_')) << first.toStdString();
}

TEST_F(ShowLovTest, NoRowIsSilentWithoutAMessageAndSaysSoWithOne)
{
    LovRequest request = companies(QStringLiteral("CompanyCode=99"));
    request.Result = QStringLiteral("stale");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QString());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());

    request.NoRecordsMessage = QStringLiteral("Nothing here");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).text, QStringLiteral("No Records available"));
    EXPECT_EQ(m_prompts.boxes().at(0).title, QStringLiteral("VantProcess"));
    EXPECT_EQ(m_prompts.boxes().at(0).icon, PromptIcon::None);
    EXPECT_EQ(m_presenter.presented, 0);
}

struct LayoutCase
{
    const char *widths;
    const char *heads;
    const char *enterDataHead;
    const char *screenByScreen;
    const char *message;
};

class ShowLovLayoutTest : public LovFixture, public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(ShowLovLayoutTest, ChecksTheListsBeforeAnyWindow)
{
    const LayoutCase &c = GetParam();
    LovRequest request = companies(QStringLiteral("parentcompanycode=1"));
    request.ColumnWidths = QString::fromLatin1(c.widths);
    request.ColumnHeads = QString::fromLatin1(c.heads);
    request.EnterDataHead = QString::fromLatin1(c.enterDataHead);
    request.MultiSelect = 1;
    request.ScreenByScreen = QString::fromLatin1(c.screenByScreen);
    m_presenter.script = [](LovController &window) { window.choose(); };

    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    const QString message = QString::fromLatin1(c.message);
    if (message.isEmpty()) {
        EXPECT_TRUE(m_prompts.boxes().isEmpty());
        EXPECT_EQ(m_presenter.presented, 1);
        EXPECT_FALSE(request.Result.isEmpty());
    } else {
        ASSERT_EQ(m_prompts.boxes().size(), 1);
        EXPECT_EQ(m_prompts.boxes().at(0).text, message);
        EXPECT_EQ(m_prompts.boxes().at(0).title, QStringLiteral("VantProcess"));
        EXPECT_EQ(m_presenter.presented, 0);
        EXPECT_EQ(request.Result, QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ShowLovLayoutTest,
    ::testing::Values(
        LayoutCase{"1,2,3,4", "a,b,c,d", "", "", "Query Field Count and ColumnWidth Count is mismatch"},
        LayoutCase{"1,2,3", "a,b,c,d", "", "", "Query Field Count and ColumnHead Count is mismatch"},
        LayoutCase{"1,2,3", "a,b", "", "", "ColumnWidth Count and ColumnHead Count is mismatch"},
        LayoutCase{"1,2,3", "a,b,c", "", "", ""},
        LayoutCase{"1,2", "a,b", "Qty", "", ""},
        LayoutCase{"1,2,3", "a,b,c", "Qty", "", "Query Field Count and ColumnWidth Count is mismatch"},
        LayoutCase{"1,2", "a,b", "", "1", "Main tablename must for screen by screen option."}));

TEST_F(ShowLovTest, EnterDataNeedsMultiSelect)
{
    LovRequest request = companies(QStringLiteral("parentcompanycode=1"));
    request.EnterDataHead = QStringLiteral(" Qty ");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    ASSERT_EQ(m_prompts.texts(), QStringList{QStringLiteral("MultiSelect Row Option needed to enter Qty")});
    EXPECT_EQ(request.Result, QString());
    EXPECT_EQ(m_presenter.presented, 0);
}

TEST_F(ShowLovTest, OneRowAnswersAtOnceEvenInMultiSelect)
{
    LovRequest request = companies(QStringLiteral("CompanyCode=2"));
    request.MultiSelect = 1;
    request.StoreKeySet = QStringLiteral("q");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("Kormo Shadow One!@#$%2"));
    EXPECT_EQ(m_presenter.presented, 0);

    request.EnterDataHead = QStringLiteral("Qty");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("Kormo Shadow One!@#$%2!@#$%0"));
}

TEST_F(ShowLovTest, OneRowKeepsTheSeparatorAfterABlankFirstValue)
{
    TestDatabase::exec(db(), {QStringLiteral("insert into acccompanymaster(CompanyCode,CompanyName,parentcompanycode) "
                                             "values (9,null,3)")});
    LovRequest request = companies(QStringLiteral("parentcompanycode=3"));
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("!@#$%9"));
}

TEST_F(ShowLovTest, OneRowReturnFieldsMatchNamesExactly)
{
    LovRequest request = companies(QStringLiteral("CompanyCode=2"));
    request.ReturnFields = QStringLiteral("CompanyCode");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("2"));

    request.ReturnFields = QStringLiteral("CompanyCode,Nowhere,CompanyName");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("2!@#$%Kormo Shadow One"));

    request.ReturnFields = QStringLiteral("companycode");
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QString());
}

TEST_F(ShowLovTest, WindowReturnFieldsIgnoreCaseAndKeySetFollows)
{
    LovRequest request = companies(QStringLiteral("parentcompanycode=1"));
    request.ReturnFields = QStringLiteral("companycode,COMPANYNAME");
    request.KeySet = QStringLiteral("qr");
    m_presenter.script = [](LovController &window) {
        window.nextRow();
        EXPECT_FALSE(window.recordKeySetKey(QLatin1Char('x')));
        EXPECT_TRUE(window.recordKeySetKey(QLatin1Char('r')));
        window.choose();
    };
    ModVantLov lov(m_session);
    lov.LovSearchField = QStringLiteral("CompanyCode");
    ASSERT_TRUE(lov.ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("3!@#$%Kormo Shadow Two<<KeySet>>r"));

    request.ReturnFields.clear();
    request.StoreKeySet = QStringLiteral("q");
    m_presenter.script = [](LovController &window) { window.choose(); };
    ASSERT_TRUE(lov.ShowLov(request));
    EXPECT_EQ(request.Result, QStringLiteral("Kormo Shadow One!@#$%2<<KeySet>>q"));
}

TEST_F(ShowLovTest, DistinctQueryIsProbedWithoutTop)
{
    QTemporaryDir traceDir;
    const QString tracePath = traceDir.filePath(QStringLiteral("trace.sql"));
    qputenv("VANT_SQL_TRACE", tracePath.toLocal8Bit());
    m_session.DBConnection = m_database.connect();
    qunsetenv("VANT_SQL_TRACE");
    makeItems(3);

    LovRequest request = itemsRequest();
    request.Query = QStringLiteral("SELECT DISTINCT name from lovitems");
    request.ColumnWidths = QStringLiteral("2000");
    request.ColumnHeads = QStringLiteral("Name");
    m_presenter.script = [](LovController &window) { window.leave(); };
    ModVantLov lov(m_session);
    lov.LovSearchField = QStringLiteral("name");
    ASSERT_TRUE(lov.ShowLov(request));

    request.Query = QStringLiteral("SELECT code,name from lovitems");
    request.ColumnWidths = QStringLiteral("800,2000");
    request.ColumnHeads = QStringLiteral("Code,Name");
    ASSERT_TRUE(lov.ShowLov(request));

    QFile trace(tracePath);
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QStringList statements = QString::fromUtf8(trace.readAll()).split(QLatin1Char('\n'));
    EXPECT_TRUE(statements.contains(QStringLiteral("SELECT DISTINCT name from lovitems")));
    EXPECT_TRUE(statements.contains(QStringLiteral("SELECT DISTINCT name from lovitems order by name")));
    EXPECT_TRUE(statements.contains(QStringLiteral("SELECT  top 2 code,name from lovitems")));
    EXPECT_TRUE(statements.contains(QStringLiteral("SELECT code,name from lovitems order by name")));
}

TEST_F(ShowLovTest, ColumnSearchOrdersByTheVisibleColumns)
{
    makeItems(3);
    LovRequest request = itemsRequest();
    request.ColumnSearch = 1;
    ModVantLov lov(m_session);
    lov.LovSearchField = QStringLiteral("name");
    m_presenter.script = [&lov](LovController &window) {
        EXPECT_EQ(lov.LovQuery, QStringLiteral("SELECT code,name,price,note from lovitems Order by code,name,price"));
        EXPECT_EQ(window.hintText(), QStringLiteral("[Ctrl]-Sort"));
        window.leave();
    };
    ASSERT_TRUE(lov.ShowLov(request));
    EXPECT_EQ(m_presenter.presented, 1);
}

TEST_F(ShowLovTest, HintLineAndToolTip)
{
    makeItems(3);
    LovRequest request = itemsRequest();
    m_presenter.script = [](LovController &window) {
        EXPECT_EQ(window.hintText(), QString());
        EXPECT_EQ(window.hintToolTip(),
                  QStringLiteral(" Press [Ctrl] to Sort Order, Left/Right Click on Column Header to Sort Asc/Desc"));
        window.leave();
    };
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));

    request.MultiSelect = 1;
    request.ColumnSearch = 1;
    request.HintText = QStringLiteral("[F2]-New");
    m_presenter.script = [](LovController &window) {
        EXPECT_EQ(window.hintText(), QStringLiteral("[Space]-MultiSelect, [F2]-New, [Ctrl]-Sort"));
        EXPECT_EQ(window.hintToolTip(), QStringLiteral("Press [Space] to MultiSelect, Press [Ctrl] to Sort Order, "
                                                       "Left/Right Click on Column Header to Sort Asc/Desc"));
        window.leave();
    };
    ASSERT_TRUE(ModVantLov(m_session).ShowLov(request));
}

TEST_F(ShowLovTest, FailedProbeComesBackToTheCaller)
{
    LovRequest request = companies(QStringLiteral("nosuchcolumn=1"));
    const Status shown = ModVantLov(m_session).ShowLov(request);
    EXPECT_FALSE(shown);
    EXPECT_EQ(request.Result, QString());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

TEST_F(ShowLovTest, WithoutAWindowTheLookupFails)
{
    m_session.lovPresenter = nullptr;
    LovRequest request = companies(QStringLiteral("parentcompanycode=1"));
    EXPECT_FALSE(ModVantLov(m_session).ShowLov(request));
    EXPECT_EQ(request.Result, QString());
}

} // namespace
} // namespace vant::test
