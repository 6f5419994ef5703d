#include "tools_window_fixture.h"

#include <QApplication>

namespace vant::test {
namespace {

class ToolsWindowTest : public ToolsWindowFixture
{
protected:
    // A picker that records its calls and answers as told.
    CompanyPicker pickerAnswering(QStringList answer)
    {
        return [this, answer](const QString &parentCode, const QString &searchText) {
            pickerCalls << parentCode + QLatin1Char('|') + searchText;
            return answer;
        };
    }

    int pixels(int twips) const { return qRound(twips / 15.0 * window->logicalDpiX() / 96.0); }

    QStringList pickerCalls;
};

TEST_F(ToolsWindowTest, TransferModeShowsTheTransferPanelWithDefaults)
{
    open(1);
    EXPECT_EQ(window->ToolsScreen(), 1);
    EXPECT_EQ(process()->text(), u"&Transfer");
    EXPECT_EQ(exitButton()->text(), u"E&xit");
    EXPECT_EQ(title()->text(), u"Transfer");
    EXPECT_TRUE(control<QWidget>("frContainer1")->isVisible());
    EXPECT_FALSE(control<QWidget>("frContainer0")->isVisible());
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_FALSE(control<QWidget>("shpProgress")->isVisible());

    EXPECT_EQ(source()->text(), u"Kormo Traders");
    EXPECT_EQ(source()->heldCode(), u"1");
    EXPECT_TRUE(destination()->text().isEmpty());
    EXPECT_TRUE(destination()->heldCode().isEmpty());
    for (QDateEdit *picker : {fromDate(), toDate()}) {
        EXPECT_EQ(picker->date(), QDate::currentDate());
        EXPECT_EQ(picker->displayFormat(), u"dd-MMM-yyyy");
    }
}

TEST_F(ToolsWindowTest, PurgeModeShowsOnlyTheWarning)
{
    open(0);
    EXPECT_EQ(process()->text(), u"&Purge");
    EXPECT_EQ(title()->text(), u"Purgedata");
    EXPECT_TRUE(control<QWidget>("frContainer0")->isVisible());
    EXPECT_FALSE(control<QWidget>("frContainer1")->isVisible());
    EXPECT_EQ(control<QLabel>("lblPurge")->text(), u"Recovery is not Possible after Purge the Data");
    EXPECT_TRUE(source()->text().isEmpty());
}

TEST_F(ToolsWindowTest, BorderlessWindowOfTheGivenSizeWithTheBandCentredAtTheTop)
{
    open(1);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->size(), QSize(pixels(7410), pixels(3090)));
    const QWidget *band = control<QWidget>("frTop");
    EXPECT_EQ(band->y(), pixels(50));
    EXPECT_LE(std::abs(band->x() - (window->width() - band->width()) / 2), 1);
    for (const char *panel : {"frContainer0", "frContainer1"}) {
        EXPECT_EQ(control<QWidget>(panel)->pos(), QPoint(band->x(), band->geometry().bottom() + 1));
    }
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(ToolsWindowTest, ModeWithoutAPanelCannotBeOpened)
{
    auto loaded = frmVantTools::load(session, 2, {});
    ASSERT_FALSE(bool(loaded));
    EXPECT_EQ(loaded.error().number, 340);
    EXPECT_EQ(loaded.error().description, u"Control array element '2' doesn't exist");
}

TEST_F(ToolsWindowTest, EscapeClosesFromAnyControl)
{
    for (const char *name : {"txtSourceCompany", "txtDestinationCompany", "txtFromDate", "cmdProcess"}) {
        SCOPED_TRACE(name);
        open(1);
        QWidget *from = control<QWidget>(name);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
    }
}

TEST_F(ToolsWindowTest, EnterUpAndBackspaceMoveAlongTheFields)
{
    open(1);
    source()->setFocus();
    QTest::keyClick(source(), Qt::Key_Return);
    EXPECT_EQ(focused(), destination());
    EXPECT_EQ(source()->text(), u"Kormo Traders");
    QTest::keyClick(destination(), Qt::Key_Up);
    EXPECT_EQ(focused(), source());

    fromDate()->setFocus();
    QTest::keyClick(fromDate(), Qt::Key_Enter);
    EXPECT_EQ(focused(), toDate());
    QTest::keyClick(toDate(), Qt::Key_Backspace);
    EXPECT_EQ(focused(), fromDate());
    QTest::keyClick(fromDate(), Qt::Key_Backspace);
    EXPECT_EQ(focused(), destination());
    toDate()->setFocus();
    QTest::keyClick(toDate(), Qt::Key_Return);
    EXPECT_EQ(focused(), process());
    EXPECT_EQ(toDate()->date(), QDate::currentDate());
}

TEST_F(ToolsWindowTest, EnterOnAnEmptyDestinationPicksAndHoldsTheCompany)
{
    open(1, pickerAnswering({QStringLiteral("Kormo Shadow One"), QStringLiteral("2")}));
    destination()->setFocus();
    QTest::keyClick(destination(), Qt::Key_Return);
    EXPECT_EQ(pickerCalls, QStringList({QStringLiteral("1|")}));
    EXPECT_EQ(destination()->text(), u"Kormo Shadow One");
    EXPECT_EQ(destination()->heldCode(), u"2");
    EXPECT_EQ(focused(), fromDate());
}

TEST_F(ToolsWindowTest, EnterOnATypedDestinationOnlyMovesOn)
{
    open(1, pickerAnswering({QStringLiteral("Kormo Shadow One"), QStringLiteral("2")}));
    destination()->setFocus();
    QTest::keyClicks(destination(), QStringLiteral("Kormo"));
    QTest::keyClick(destination(), Qt::Key_Return);
    EXPECT_TRUE(pickerCalls.isEmpty());
    EXPECT_EQ(destination()->heldCode(), u"0");
    EXPECT_EQ(focused(), fromDate());
}

TEST_F(ToolsWindowTest, F2SearchesWithTheTrimmedTextAndReplacesTheHeldCode)
{
    QStringList answer = {QStringLiteral("Kormo Shadow One"), QStringLiteral("2")};
    open(1, [&](const QString &parentCode, const QString &searchText) {
        pickerCalls << parentCode + QLatin1Char('|') + searchText;
        return answer;
    });
    destination()->setFocus();
    QTest::keyClick(destination(), Qt::Key_F2);
    ASSERT_EQ(destination()->heldCode(), u"2");

    answer = {QStringLiteral("Kormo Shadow Two"), QStringLiteral("3")};
    destination()->setFocus();
    QTest::keyClick(destination(), Qt::Key_F2);
    EXPECT_EQ(pickerCalls, QStringList({QStringLiteral("1|"), QStringLiteral("1|Kormo Shadow One")}));
    EXPECT_EQ(destination()->text(), u"Kormo Shadow Two");
    EXPECT_EQ(destination()->heldCode(), u"3");
}

TEST_F(ToolsWindowTest, NoChoiceOrFailedPickLeavesTheBoxAsItWas)
{
    for (const QStringList &answer : {QStringList({QStringLiteral("Nothing"), QString()}), QStringList()}) {
        open(1, pickerAnswering(answer));
        destination()->hold(QStringLiteral("Kormo Shadow One"), QStringLiteral("2"));
        destination()->setFocus();
        QTest::keyClick(destination(), Qt::Key_F2);
        EXPECT_EQ(destination()->text(), u"Kormo Shadow One");
        EXPECT_EQ(destination()->heldCode(), u"2");
        EXPECT_EQ(focused(), destination());
    }
    EXPECT_EQ(pickerCalls.size(), 2);
}

TEST_F(ToolsWindowTest, AnyEditDropsTheHeldCode)
{
    open(1);
    destination()->hold(QStringLiteral("Kormo Shadow One"), QStringLiteral("2"));
    destination()->setFocus();
    QTest::keyClick(destination(), Qt::Key_X);
    EXPECT_EQ(destination()->heldCode(), u"0");

    source()->setFocus();
    QTest::keyClick(source(), Qt::Key_Backspace);
    EXPECT_EQ(source()->heldCode(), u"0");
}

} // namespace
} // namespace vant::test
