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
        TestDatabase::exec(db(),
                           {u"create table lovshops (region varchar(20), city varchar(20), shop varchar(30), "
                            "code int)"_s,
                            u"insert into lovshops values ('North','Alpha','Shop A',1),('North','Beta','Shop B',2),"
                            "('South','Gamma','Shop C',3),('South','Gamma','Shop D',4),(null,'Nowhere','Shop E',5),"
                            "('','Empty','Shop F',6),('O''Neil','Ma[in]','Shop G',7)"_s});
    }

    QString run(std::function<void(LovController &)> moves, const QString &screens = u"Region, city"_s)
    {
        LovRequest request;
        request.Query = u"SELECT region,city,shop,code from lovshops"_s;
        request.ColumnWidths = u"1000,1000,2000,800"_s;
        request.ColumnHeads = u"Region,City,Shop,Code"_s;
        request.ScreenByScreen = screens;
        request.ScreenByScreenMainField = u"3"_s;
        request.ScreenByScreenMainTableName = u"lovshops"_s;
        return LovFixture::run(request, u"shop"_s, std::move(moves));
    }

    // The values of one column down the page.
    static QString shown(const LovController &window, int column)
    {
        QStringList values;
        for (int row = 1; row <= window.rowCount(); ++row)
            values << window.cell(row, column);
        return values.join(QLatin1Char(','));
    }
};

TEST_F(LovScreenByScreenTest, DrillsDownStepsBackAndDropsTheWorkTableOnEveryWayOut)
{
    const QString result = run([this](LovController &window) {
        EXPECT_FALSE(workTables(u"MultiScreen"_s).isEmpty());
        // Null and empty regions never show.
        EXPECT_EQ(shown(window, 1), u"North,O'Neil,South"_s);
        EXPECT_EQ(window.columns().at(0).width, 4800);
        window.typeText(u"S"_s);
        window.choose();
        EXPECT_EQ(shown(window, 2), u"Gamma"_s);
        window.choose();
        EXPECT_EQ(shown(window, 3), u"Shop C,Shop D"_s);
        EXPECT_EQ(window.columns().at(2).width, 4800);
        window.leave();
        EXPECT_EQ(shown(window, 2), u"Gamma"_s);
        window.leave();
        EXPECT_EQ(window.screenLevel(), 0);
        EXPECT_EQ(window.rowCount(), 3);

        window.setCurrentRow(1);
        window.choose();
        EXPECT_EQ(shown(window, 2), u"Alpha,Beta"_s);
        window.nextRow();
        window.choose();
        window.choose();
    });
    EXPECT_EQ(result, u"North!@#$%Beta!@#$%Shop B!@#$%2"_s);
    EXPECT_EQ(workTables(u"MultiScreen"_s), QString());

    // Quotes and brackets in picked values stay inside their conditions.
    const QString quoted = run([](LovController &window) {
        window.setCurrentRow(2);
        window.choose();
        EXPECT_EQ(shown(window, 2), u"Ma[in]"_s);
        window.choose();
        window.choose();
    });
    EXPECT_EQ(quoted, u"O'Neil!@#$%Ma[in]!@#$%Shop G!@#$%7"_s);
    EXPECT_EQ(logText(), QString());

    // Closing or a failed screen leaves nothing behind either.
    EXPECT_EQ(run([](LovController &window) {
                  window.choose();
                  window.unload();
              }),
              QString());
    EXPECT_EQ(workTables(u"MultiScreen"_s), QString());

    // A screen field that is no field is reported; the window stays on the screen it showed.
    run(
        [](LovController &window) {
            window.choose();
            EXPECT_EQ(window.rowCount(), 3);
            window.leave();
        },
        u"region,town"_s);
    EXPECT_TRUE(logText().contains(u"ErrForm : FrmLovResult    ErrEvent : SetScreenbyscreen\r\n"_s));
    EXPECT_EQ(workTables(u"MultiScreen"_s), QString());
}

TEST(LovScreens, TheWorkTableIsFilledBeforeTheOuterFrom)
{
    EXPECT_EQ(LovScreens::selectIntoStatement(
                  u"SELECT a,(select max(b) from t2) as m, 'from' from t1 where a='x from y'"_s, u"W1"_s),
              u"SELECT a,(select max(b) from t2) as m, 'from' into W1 from t1 where a='x from y'"_s);
    EXPECT_EQ(LovScreens::pickCondition(Field{u"day"_s, FieldType::Date}, QDate(2026, 4, 1)),
              u"[day] = '2026-04-01'"_s);
}

} // namespace
} // namespace vant::test
