#include "lov_fixture.h"
#include "lov_window_presenter.h"

#include "lookup/frm_lov_result.h"
#include "lookup/qt_lov_presenter.h"
#include "session/shadow_company_picker.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace vant::test {
namespace {

class FrmLovResultTest : public LovFixture
{
protected:
    FrmLovResultTest()
    {
        makeItems(45);
        m_session.lovPresenter = &m_window;
    }

    QString run(LovRequest request = itemsRequest())
    {
        ModVantLov lov(m_session);
        lov.LovSearchField = QStringLiteral("code");
        EXPECT_TRUE(lov.ShowLov(request));
        return request.Result;
    }

    static QLineEdit *searchBox(const QWidget &window)
    {
        return window.findChild<QLineEdit *>(QStringLiteral("searchtxthlp"));
    }
    static QString countLabel(const QWidget &window)
    {
        return window.findChild<QLabel *>(QStringLiteral("LblTotalRec"))->text();
    }
    static void press(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(searchBox(window), key, modifiers);
    }
    static int pixels(const QWidget &window, int twips)
    {
        return int(std::lround(twips / 15.0 * window.logicalDpiX() / 96.0));
    }

    WindowPresenter m_window;
};

TEST_F(FrmLovResultTest, ShowsOnePageAndChoosesWithTheKeyboard)
{
    LovRequest request = itemsRequest();
    request.SearchText = QStringLiteral("1");
    request.HintText = QStringLiteral("[F2]-New");
    m_window.script = [](FrmLovResult &window) {
        auto *grid = window.findChild<QTableWidget *>(QStringLiteral("MsfBrowse"));
        auto *detail = window.findChild<QTableWidget *>(QStringLiteral("MsfDetail"));
        auto *hint = window.findChild<QLineEdit *>(QStringLiteral("TxtMessage"));
        ASSERT_TRUE(grid && detail && hint);

        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("LblHead"))->text(), QStringLiteral("Items"));
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 1/45"));
        EXPECT_EQ(searchBox(window)->text(), QStringLiteral("1"));
        EXPECT_EQ(hint->text(), QStringLiteral("[F2]-New, "));
        EXPECT_EQ(hint->toolTip(),
                  QStringLiteral(" Press [Ctrl] to Sort Order, Left/Right Click on Column Header to Sort Asc/Desc"));
        ASSERT_EQ(grid->columnCount(), 5);
        EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Sno"));
        EXPECT_EQ(grid->columnWidth(0), pixels(window, 700));
        EXPECT_EQ(grid->columnWidth(2), pixels(window, 2000));
        EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Name"));
        EXPECT_TRUE(grid->isColumnHidden(4));
        EXPECT_EQ(grid->width(), pixels(window, 730 + 800 + 2000 + 1000));
        EXPECT_EQ(grid->rowCount(), 20);
        EXPECT_EQ(grid->item(19, 0)->text(), QStringLiteral("20"));
        EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("1.50"));

        ASSERT_TRUE(detail->isVisible());
        ASSERT_EQ(detail->rowCount(), 1);
        EXPECT_EQ(detail->item(0, 0)->text(), QStringLiteral("Remarks"));
        EXPECT_EQ(detail->item(0, 0)->background().color(), window.palette().color(QPalette::Button));
        EXPECT_EQ(detail->item(0, 1)->text(), QStringLiteral("Note 1"));

        press(window, Qt::Key_PageDown);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 21/45"));
        EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("21"));
        press(window, Qt::Key_Down);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 22/45"));
        EXPECT_EQ(grid->currentRow(), 1);
        EXPECT_EQ(detail->item(0, 1)->text(), QStringLiteral("Note 22"));
        EXPECT_EQ(grid->rowCount(), 20);
        press(window, Qt::Key_Return);
    };
    EXPECT_EQ(run(request), QStringLiteral("22!@#$%Item 22!@#$%33.00!@#$%Note 22"));
}

TEST_F(FrmLovResultTest, HomeEndUpAndTheAccessKeys)
{
    m_window.script = [](FrmLovResult &window) {
        press(window, Qt::Key_End);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 20/45"));
        press(window, Qt::Key_Home);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 1/45"));
        press(window, Qt::Key_N, Qt::AltModifier);
        press(window, Qt::Key_Up);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 20/45"));
        press(window, Qt::Key_PageUp);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 1/45"));
        press(window, Qt::Key_Enter);
    };
    EXPECT_EQ(run(), QStringLiteral("1!@#$%Item 01!@#$%1.50!@#$%Note 1"));
}

TEST_F(FrmLovResultTest, EscapeAndTheCloseBoxLeaveWithoutAnAnswer)
{
    m_window.script = [](FrmLovResult &window) {
        press(window, Qt::Key_PageDown);
        press(window, Qt::Key_Escape);
    };
    EXPECT_EQ(run(), QString());

    m_window.script = [](FrmLovResult &window) {
        press(window, Qt::Key_Down);
        window.close();
    };
    EXPECT_EQ(run(), QString());
}

TEST_F(FrmLovResultTest, DoubleClickChoosesTheRow)
{
    m_window.script = [](FrmLovResult &window) {
        auto *grid = window.findChild<QTableWidget *>(QStringLiteral("MsfBrowse"));
        const QPoint cell = grid->visualItemRect(grid->item(2, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 3/45"));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    };
    EXPECT_EQ(run(), QStringLiteral("3!@#$%Item 03!@#$%4.50!@#$%Note 3"));
}

TEST_F(FrmLovResultTest, KeySetKeysAreRecordedAndReturned)
{
    LovRequest request = itemsRequest();
    request.ReturnFields = QStringLiteral("code");
    request.KeySet = QString(QChar(113)) + QStringLiteral("+");
    m_window.script = [](FrmLovResult &window) {
        press(window, Qt::Key_Plus);
        press(window, Qt::Key_F2);
        press(window, Qt::Key_Return);
    };
    EXPECT_EQ(run(request), QStringLiteral("1<<KeySet>>q"));
}

TEST_F(FrmLovResultTest, CompanyPickerInTheRealWindow)
{
    m_window.script = [](FrmLovResult &window) {
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("LblHead"))->text(), QStringLiteral("Company List"));
        EXPECT_EQ(searchBox(window)->text(), QStringLiteral("Kormo"));
        EXPECT_FALSE(window.findChild<QTableWidget *>(QStringLiteral("MsfDetail"))->isVisible());
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 1/2"));
        press(window, Qt::Key_Down);
        press(window, Qt::Key_Return);
    };
    EXPECT_EQ(ListShadowCompany(m_session, QStringLiteral("1"), QStringLiteral("Kormo")),
              (QStringList{QStringLiteral("Kormo Shadow Two"), QStringLiteral("3")}));
}

TEST_F(FrmLovResultTest, TheProgramsPresenterShowsTheWindowModally)
{
    QtLovPresenter presenter;
    m_session.lovPresenter = &presenter;
    QTimer::singleShot(0, [] {
        auto *window = qobject_cast<FrmLovResult *>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        press(*window, Qt::Key_End);
        press(*window, Qt::Key_Down);
        EXPECT_EQ(countLabel(*window), QStringLiteral("Records : 21/45"));
        press(*window, Qt::Key_Return);
    });
    EXPECT_EQ(run(), QStringLiteral("21!@#$%Item 21!@#$%31.50!@#$%Note 21"));
}

} // namespace
} // namespace vant::test
