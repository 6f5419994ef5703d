#include "lov_fixture.h"
#include "lov_window_presenter.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

namespace vant::test {
namespace {

// Typing, head clicks, the sort list, row marks and the drill-down in the real window.
class FrmLovSearchTest : public LovFixture
{
protected:
    FrmLovSearchTest()
    {
        makeItems(45);
        m_session.lovPresenter = &m_window;
    }

    QString run(LovRequest request = itemsRequest(), const QString &searchField = QStringLiteral("name"))
    {
        ModVantLov lov(m_session);
        lov.LovSearchField = searchField;
        EXPECT_TRUE(lov.ShowLov(request));
        return request.Result;
    }

    static QLineEdit *box(const QWidget &window, const QString &name = QStringLiteral("searchtxthlp"))
    {
        return window.findChild<QLineEdit *>(name);
    }
    static QTableWidget *grid(const QWidget &window)
    {
        return window.findChild<QTableWidget *>(QStringLiteral("MsfBrowse"));
    }
    static QString countLabel(const QWidget &window)
    {
        return window.findChild<QLabel *>(QStringLiteral("LblTotalRec"))->text();
    }
    static void clickHead(const QWidget &window, int column, Qt::MouseButton button)
    {
        QHeaderView *head = grid(window)->horizontalHeader();
        const QPoint at(head->sectionViewportPosition(column) + head->sectionSize(column) / 2, head->height() / 2);
        QTest::mouseClick(head->viewport(), button, {}, at);
    }

    WindowPresenter m_window;
};

TEST_F(FrmLovSearchTest, TypingEditsTheSearchBoxAndMovesToTheMatch)
{
    m_window.script = [](FrmLovResult &window) {
        QLineEdit *search = box(window);
        QTest::keyClicks(search, QStringLiteral("Item 2"));
        EXPECT_EQ(search->text(), QStringLiteral("Item 2"));
        EXPECT_EQ(search->cursorPosition(), 6);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 20/45"));
        QTest::keyClicks(search, QStringLiteral("9x%&*'"));
        EXPECT_EQ(search->text(), QStringLiteral("Item 29"));
        EXPECT_EQ(grid(window)->item(0, 2)->text(), QStringLiteral("Item 29"));
        QTest::keyClick(search, Qt::Key_Backspace);
        EXPECT_EQ(search->text(), QStringLiteral("Item 2"));
        QTest::keyClick(search, Qt::Key_Delete);
        EXPECT_EQ(search->text(), QString());
        QTest::keyClicks(search, QStringLiteral("em 4"));
        EXPECT_EQ(grid(window)->rowCount(), 6);
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 1/6"));
        QTest::keyClick(search, Qt::Key_Down);
        QTest::keyClick(search, Qt::Key_Return);
    };
    EXPECT_EQ(run(), QStringLiteral("41!@#$%Item 41!@#$%61.50!@#$%Note 41"));
}

TEST_F(FrmLovSearchTest, LeftAndRightClicksOnAHeadSortBothWays)
{
    m_window.script = [](FrmLovResult &window) {
        QTest::keyClicks(box(window), QStringLiteral("3"));
        clickHead(window, 3, Qt::LeftButton);
        EXPECT_EQ(box(window)->text(), QString());
        EXPECT_EQ(grid(window)->item(0, 3)->text(), QStringLiteral("1.50"));
        clickHead(window, 3, Qt::RightButton);
        EXPECT_EQ(grid(window)->item(0, 3)->text(), QStringLiteral("67.50"));
        clickHead(window, 3, Qt::MiddleButton);
        EXPECT_EQ(grid(window)->item(0, 3)->text(), QStringLiteral("67.50"));
        clickHead(window, 3, Qt::LeftButton);
        EXPECT_EQ(grid(window)->item(0, 3)->text(), QStringLiteral("1.50"));
        EXPECT_TRUE(box(window)->hasFocus());
        QTest::keyClick(box(window), Qt::Key_Escape);
    };
    EXPECT_EQ(run(), QString());
}

TEST_F(FrmLovSearchTest, TheSortListShowsWhileCtrlIsHeld)
{
    m_window.script = [](FrmLovResult &window) {
        auto *list = window.findChild<QTreeWidget *>(QStringLiteral("Lv"));
        ASSERT_TRUE(list);
        EXPECT_FALSE(list->isVisible());
        QTest::keyPress(box(window), Qt::Key_Control, Qt::ControlModifier);
        ASSERT_TRUE(list->isVisible());
        EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("Sort on"));
        ASSERT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("Name"));
        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
        list->topLevelItem(2)->setCheckState(0, Qt::Checked);
        EXPECT_EQ(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
        // The price is not the search column: ascending.
        EXPECT_EQ(grid(window)->item(0, 3)->text(), QStringLiteral("1.50"));
        QTest::keyRelease(box(window), Qt::Key_Control);
        EXPECT_FALSE(list->isVisible());
        QTest::keyClick(box(window), Qt::Key_Return);
    };
    EXPECT_EQ(run(), QStringLiteral("1!@#$%Item 01!@#$%1.50!@#$%Note 1"));
}

TEST_F(FrmLovSearchTest, TheBlankMarksPickedRows)
{
    LovRequest request = itemsRequest();
    request.MultiSelect = 1;
    request.ReturnFields = QStringLiteral("code");
    m_window.script = [](FrmLovResult &window) {
        QTest::keyClick(box(window), Qt::Key_Space);
        QTest::keyClick(box(window), Qt::Key_Down);
        QTest::keyClick(box(window), Qt::Key_Down);
        QTest::keyClick(box(window), Qt::Key_Space);
        EXPECT_FALSE(grid(window)->item(0, 0)->icon().isNull());
        EXPECT_TRUE(grid(window)->item(1, 0)->icon().isNull());
        EXPECT_FALSE(grid(window)->item(2, 0)->icon().isNull());
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 3/45, (2)"));
        EXPECT_EQ(box(window)->text(), QString());
        QTest::keyClick(box(window), Qt::Key_PageDown);
        EXPECT_TRUE(grid(window)->item(0, 0)->icon().isNull());
        QTest::keyClick(box(window), Qt::Key_PageUp);
        EXPECT_FALSE(grid(window)->item(2, 0)->icon().isNull());
        QTest::keyClick(box(window), Qt::Key_Space);
        EXPECT_TRUE(grid(window)->item(2, 0)->icon().isNull());
        QTest::keyClick(box(window), Qt::Key_Return);
    };
    EXPECT_EQ(run(request), QStringLiteral("1"));
}

TEST_F(FrmLovSearchTest, ColumnSearchHasABoxPerVisibleColumn)
{
    LovRequest request = itemsRequest();
    request.ColumnSearch = 1;
    m_window.script = [](FrmLovResult &window) {
        QLineEdit *codes = box(window);
        QLineEdit *names = box(window, QStringLiteral("searchtxthlp2"));
        ASSERT_TRUE(box(window, QStringLiteral("searchtxthlp3")));
        ASSERT_TRUE(names);
        EXPECT_EQ(codes->width(), grid(window)->columnWidth(0) + grid(window)->columnWidth(1));
        EXPECT_EQ(names->width(), grid(window)->columnWidth(2));
        EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("TxtMessage"))->text(), QStringLiteral("[Ctrl]-Sort"));
        QTest::keyClicks(codes, QStringLiteral("12"));
        EXPECT_EQ(countLabel(window), QStringLiteral("Records : 12/45"));
        names->setFocus();
        QTest::keyClicks(names, QStringLiteral("Item 3x"));
        EXPECT_EQ(names->text(), QStringLiteral("Item 3"));
        EXPECT_EQ(codes->text(), QStringLiteral("12"));
        QTest::keyClick(names, Qt::Key_Return);
    };
    EXPECT_EQ(run(request, QStringLiteral("code")), QStringLiteral("30!@#$%Item 30!@#$%45.00!@#$%Note 30"));
}

TEST_F(FrmLovSearchTest, EnterDrillsDownAndEscapeStepsBack)
{
    LovRequest request = itemsRequest();
    request.Query = QStringLiteral("SELECT code,name,price,note from lovitems where code<=3");
    request.ScreenByScreen = QStringLiteral("note");
    request.ScreenByScreenMainField = QStringLiteral("2");
    request.ScreenByScreenMainTableName = QStringLiteral("lovitems");
    m_window.script = [](FrmLovResult &window) {
        QTableWidget *rows = grid(window);
        EXPECT_EQ(rows->rowCount(), 3);
        EXPECT_TRUE(rows->isColumnHidden(1));
        EXPECT_FALSE(rows->isColumnHidden(4));
        EXPECT_EQ(rows->horizontalHeaderItem(4)->text(), QStringLiteral("Remarks"));
        QTest::keyClick(box(window), Qt::Key_Down);
        QTest::keyClick(box(window), Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(rows->rowCount(), 1);
        EXPECT_FALSE(rows->isColumnHidden(2));
        EXPECT_TRUE(rows->isColumnHidden(4));
        EXPECT_EQ(rows->item(0, 2)->text(), QStringLiteral("Item 02"));
        QTest::keyClick(box(window), Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(rows->rowCount(), 3);
        QTest::keyClick(box(window), Qt::Key_Escape);
    };
    EXPECT_EQ(run(request), QString());
    EXPECT_EQ(TestDatabase::scalar(db(), QStringLiteral("select count(*) from sqlite_master where name like "
                                                        "'MultiScreen%'")),
              QStringLiteral("0"));
}

} // namespace
} // namespace vant::test
