#include "lov_fixture.h"

#include "lookup/lov_screens.h"

namespace vant::test {
namespace {

// Shops by region and city; the drill-down goes region, city, then the shops.
class LovScreenByScreenTest : public LovFixture
{
protected:
    LovScreenByScreenTest()
    {
        TestDatabase::exec(db(), {QStringLiteral("create table lovshops (region varchar(20), city varchar(20), "
                                                 "shop varchar(30), code int)"),
                                  QStringLiteral("insert into lovshops values ('North','Alpha','Shop A',1)"),
                                  QStringLiteral("insert into lovshops values ('North','Beta','Shop B',2)"),
                                  QStringLiteral("insert into lovshops values ('South','Gamma','Shop C',3)"),
                                  QStringLiteral("insert into lovshops values ('South','Gamma','Shop D',4)"),
                                  QStringLiteral("insert into lovshops values (null,'Nowhere','Shop E',5)"),
                                  QStringLiteral("insert into lovshops values ('','Empty','Shop F',6)"),
                                  QStringLiteral("insert into lovshops values ('O''Neil','Ma[in]','Shop G',7)")});
    }

    static LovRequest shopsRequest()
    {
        LovRequest request;
        request.Query = QStringLiteral("SELECT region,city,shop,code from lovshops");
        request.ColumnWidths = QStringLiteral("1000,1000,2000,800");
        request.ColumnHeads = QStringLiteral("Region,City,Shop,Code");
        request.Title = QStringLiteral("Shops");
        request.ScreenByScreen = QStringLiteral("Region, city");
        request.ScreenByScreenMainField = QStringLiteral("3");
        request.ScreenByScreenMainTableName = QStringLiteral("lovshops");
        return request;
    }

    QString run(const std::function<void(LovController &)> &moves, LovRequest request = shopsRequest())
    {
        m_presenter.script = moves;
        ModVantLov lov(m_session);
        lov.LovSearchField = QStringLiteral("shop");
        EXPECT_TRUE(lov.ShowLov(request));
        return request.Result;
    }

    QString screenTables()
    {
        return TestDatabase::scalar(db(), QStringLiteral("select group_concat(name) from sqlite_master "
                                                         "where name like 'MultiScreen%'"));
    }

    static QStringList shownColumn(const LovController &window, int column)
    {
        QStringList values;
        for (int row = 1; row <= window.rowCount(); ++row)
            values << window.cell(row, column);
        return values;
    }

    static QList<int> widths(const LovController &window)
    {
        QList<int> result;
        for (const LovColumn &column : window.columns())
            result << column.width;
        return result;
    }
};

TEST_F(LovScreenByScreenTest, DrillsDownStepsBackAndDropsTheWorkTable)
{
    const QString result = run([this](LovController &window) {
        EXPECT_TRUE(screenTables().startsWith(QStringLiteral("MultiScreen")));
        EXPECT_EQ(window.screenLevel(), 0);
        // Null and empty regions never show.
        EXPECT_EQ(shownColumn(window, 1), (QStringList{QStringLiteral("North"), QStringLiteral("O'Neil"),
                                                       QStringLiteral("South")}));
        EXPECT_EQ(widths(window), (QList<int>{4800, 0, 0, 0}));
        EXPECT_EQ(window.columns().at(0).head, QStringLiteral("Region"));
        EXPECT_EQ(window.columns().at(1).head, QString());
        EXPECT_EQ(window.countLabel(), QStringLiteral("Records : 1/3"));

        window.typeText(QStringLiteral("S"));
        window.choose();
        EXPECT_EQ(window.screenLevel(), 1);
        EXPECT_EQ(window.searchBoxText(1), QString());
        EXPECT_EQ(shownColumn(window, 2), QStringList{QStringLiteral("Gamma")});
        EXPECT_EQ(widths(window), (QList<int>{0, 4800, 0, 0}));

        window.choose();
        EXPECT_EQ(window.screenLevel(), 2);
        EXPECT_EQ(shownColumn(window, 3), (QStringList{QStringLiteral("Shop C"), QStringLiteral("Shop D")}));
        EXPECT_EQ(widths(window), (QList<int>{0, 0, 4800, 0}));
        EXPECT_EQ(window.columns().at(2).head, QStringLiteral("Shop"));
        EXPECT_EQ(window.columns().at(3).head, QString());

        window.leave();
        EXPECT_EQ(window.screenLevel(), 1);
        EXPECT_EQ(shownColumn(window, 2), QStringList{QStringLiteral("Gamma")});
        window.leave();
        EXPECT_EQ(window.screenLevel(), 0);
        EXPECT_EQ(window.rowCount(), 3);
        EXPECT_FALSE(window.isFinished());

        window.setCurrentRow(1);
        window.choose();
        EXPECT_EQ(shownColumn(window, 2), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
        window.nextRow();
        window.choose();
        EXPECT_EQ(shownColumn(window, 3), QStringList{QStringLiteral("Shop B")});
        window.choose();
        EXPECT_TRUE(window.isFinished());
    });
    EXPECT_EQ(result, QStringLiteral("North!@#$%Beta!@#$%Shop B!@#$%2"));
    EXPECT_EQ(screenTables(), QString());
    EXPECT_EQ(logText(), QString());
}

TEST_F(LovScreenByScreenTest, QuotesAndBracketsInPickedValuesStayInsideTheirConditions)
{
    const QString result = run([](LovController &window) {
        window.setCurrentRow(2);
        window.choose();
        EXPECT_EQ(shownColumn(window, 2), QStringList{QStringLiteral("Ma[in]")});
        window.choose();
        EXPECT_EQ(shownColumn(window, 3), QStringList{QStringLiteral("Shop G")});
        window.choose();
    });
    EXPECT_EQ(result, QStringLiteral("O'Neil!@#$%Ma[in]!@#$%Shop G!@#$%7"));
    EXPECT_EQ(logText(), QString());
}

TEST_F(LovScreenByScreenTest, EscapeOnTheFirstScreenOrClosingLeavesNothingBehind)
{
    EXPECT_EQ(run([](LovController &window) { window.leave(); }), QString());
    EXPECT_EQ(screenTables(), QString());

    EXPECT_EQ(run([](LovController &window) {
                  window.choose();
                  window.unload();
                  EXPECT_TRUE(window.isFinished());
              }),
              QString());
    EXPECT_EQ(screenTables(), QString());

    EXPECT_EQ(run([](LovController &) {}), QString());
    EXPECT_EQ(screenTables(), QString());
}

TEST_F(LovScreenByScreenTest, AScreenFieldThatIsNoFieldIsReported)
{
    LovRequest request = shopsRequest();
    request.ScreenByScreen = QStringLiteral("region,town");
    run(
        [](LovController &window) {
            window.choose();
            // The window stays on the screen it showed.
            EXPECT_EQ(window.screenLevel(), 0);
            EXPECT_EQ(window.rowCount(), 3);
            window.leave();
        },
        request);
    EXPECT_TRUE(logText().contains(QStringLiteral("ErrForm : FrmLovResult    ErrEvent : SetScreenbyscreen\r\n")));
    EXPECT_EQ(screenTables(), QString());
}

TEST(LovScreens, StatementsOverTheWorkTable)
{
    EXPECT_EQ(LovScreens::selectIntoStatement(QStringLiteral("SELECT a,(select max(b) from t2) as m, 'from' "
                                                             "from t1 where a='x from y'"),
                                              QStringLiteral("W1")),
              QStringLiteral("SELECT a,(select max(b) from t2) as m, 'from' into W1 from t1 where a='x from y'"));
    EXPECT_EQ(LovScreens::selectIntoStatement(QStringLiteral("select [from],2"), QStringLiteral("W1")),
              QStringLiteral("select [from],2 into W1"));

    LovScreens screens(QStringLiteral("region,city"));
    screens.reset(QStringLiteral("W1"));
    EXPECT_EQ(screens.dropStatement(),
              QStringLiteral("if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[W1]') and "
                             "OBJECTPROPERTY(id, N'IsUserTable') = 1) drop table [dbo].[W1]"));
    const QStringList fields{QStringLiteral("region"), QStringLiteral("city"), QStringLiteral("code")};
    EXPECT_EQ(screens.distinctQuery(fields, QStringLiteral("region")),
              QStringLiteral("Select distinct region, 0 as city, 0 as code from W1 where region is not null and "
                             "isnull(region,'')<>''"));
    screens.pick(LovScreens::pickCondition(Field{QStringLiteral("region"), FieldType::Text}, QStringLiteral("O'Neil")));
    screens.pick(LovScreens::pickCondition(Field{QStringLiteral("code"), FieldType::Integer}, 7));
    EXPECT_EQ(screens.condition(), QStringLiteral("[region] = 'O''Neil' and [code] = 7"));
    EXPECT_TRUE(screens.isLastScreen());
    EXPECT_EQ(screens.lastScreenQuery(), QStringLiteral("Select * from W1 where [region] = 'O''Neil' and [code] = 7"));
    EXPECT_EQ(screens.stepBack(), QStringLiteral("[code] = 7"));
    EXPECT_EQ(screens.distinctQuery(fields, QStringLiteral("city")),
              QStringLiteral("Select distinct  0 as region,city, 0 as code from W1 where [region] = 'O''Neil' and "
                             "(city is not null and isnull( city,'')<>'')"));
    EXPECT_EQ(LovScreens::pickCondition(Field{QStringLiteral("day"), FieldType::Date}, QDate(2026, 4, 1)),
              QStringLiteral("[day] = '2026-04-01'"));
}

} // namespace
} // namespace vant::test
