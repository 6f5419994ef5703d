#include "lov_fixture.h"

#include "lookup/lov_window.h"
#include "lov_window_presenter.h"
#include "lookup/lov_placement.h"
#include "lookup/qt_lov_presenter.h"
#include "transfer/shadow_company_picker.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace vant::test {
namespace {

class LovWindowTest : public LovFixture
{
protected:
    LovWindowTest()
    {
        makeItems(45);
        m_lovPresenter = &m_window;
    }

    QString show(std::function<void(LovWindow &)> script, const LovRequest &request = itemsRequest(),
                 const QString &searchField = u"code"_s)
    {
        m_window.script = std::move(script);
        return run(request, searchField);
    }

    template<typename T>
    static T *child(const QWidget &window, const QString &name)
    {
        return window.findChild<T *>(name);
    }
    static QLineEdit *box(const QWidget &window) { return child<QLineEdit>(window, u"searchtxthlp"_s); }
    static QTableWidget *grid(const QWidget &window) { return child<QTableWidget>(window, u"MsfBrowse"_s); }
    static QString countLabel(const QWidget &window) { return child<QLabel>(window, u"LblTotalRec"_s)->text(); }
    static void press(const QWidget &window, Qt::Key key) { QTest::keyClick(box(window), key); }
    static void clickHead(const QWidget &window, int column, Qt::MouseButton button)
    {
        QHeaderView *head = grid(window)->horizontalHeader();
        const QPoint at(head->sectionViewportPosition(column) + head->sectionSize(column) / 2, head->height() / 2);
        QTest::mouseClick(head->viewport(), button, {}, at);
    }

    LovWindowPresenter m_window;
};

TEST_F(LovWindowTest, ShowsOnePageAndChoosesWithTheKeyboard)
{
    LovRequest request = itemsRequest();
    request.HintText = u"[F2]-New"_s;
    request.KeySet = QString(QChar(113));
    const QString result = show(
        [](LovWindow &window) {
            QTableWidget *rows = grid(window);
            auto *detail = child<QTableWidget>(window, u"MsfDetail"_s);
            EXPECT_EQ(child<QLineEdit>(window, u"TxtMessage"_s)->text(), u"[F2]-New, "_s);
            EXPECT_EQ(countLabel(window), u"Records : 1/45"_s);
            EXPECT_EQ(rows->width(), qRound((730 + 800 + 2000 + 1000) / 15.0 * window.logicalDpiX() / 96.0));
            EXPECT_EQ(detail->item(0, 0)->text(), u"Remarks"_s);

            press(window, Qt::Key_PageDown);
            EXPECT_EQ(rows->item(0, 1)->text(), u"21"_s);
            press(window, Qt::Key_Down);
            EXPECT_EQ(countLabel(window), u"Records : 22/45"_s);
            EXPECT_EQ(detail->item(0, 1)->text(), u"Note 22"_s);
            press(window, Qt::Key_F2);
            press(window, Qt::Key_Return);
        },
        request);
    EXPECT_EQ(result, u"22!@#$%Item 22!@#$%33.00!@#$%Note 22<<KeySet>>q"_s);
}

TEST_F(LovWindowTest, TypingSearchesAndHeadClicksSortBothWays)
{
    const QString result = show(
        [](LovWindow &window) {
            QLineEdit *search = box(window);
            QTest::keyClicks(search, u"Item 2"_s);
            EXPECT_EQ(countLabel(window), u"Records : 20/45"_s);
            QTest::keyClicks(search, u"9x%&*'"_s);
            EXPECT_EQ(search->text(), u"Item 29"_s);
            EXPECT_EQ(grid(window)->item(0, 2)->text(), u"Item 29"_s);
            press(window, Qt::Key_Backspace);
            EXPECT_EQ(search->text(), u"Item 2"_s);
            press(window, Qt::Key_Delete);
            QTest::keyClicks(search, u"em 4"_s);
            EXPECT_EQ(grid(window)->rowCount(), 6);
            EXPECT_EQ(countLabel(window), u"Records : 1/6"_s);

            clickHead(window, 3, Qt::LeftButton);
            EXPECT_EQ(search->text(), QString());
            EXPECT_EQ(grid(window)->item(0, 3)->text(), u"1.50"_s);
            clickHead(window, 3, Qt::RightButton);
            EXPECT_EQ(grid(window)->item(0, 3)->text(), u"67.50"_s);
            EXPECT_TRUE(search->hasFocus());
            press(window, Qt::Key_Return);
        },
        itemsRequest(), u"name"_s);
    EXPECT_EQ(result, u"45!@#$%Item 45!@#$%67.50!@#$%Note 45"_s);
}

// Without a window manager nothing else gives the activation back once the lookup has closed.
TEST_F(LovWindowTest, TheProgramsPresenterShowsThePickerModallyAndActivatesTheWindowBeneath)
{
    QWidget beneath;
    beneath.show();
    QApplication::setActiveWindow(&beneath);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&beneath));
    QtLovPresenter presenter(&beneath);
    m_lovPresenter = &presenter;
    QTimer::singleShot(0, [] {
        auto *window = qobject_cast<LovWindow *>(QApplication::activeModalWidget());
        ASSERT_TRUE(window);
        EXPECT_EQ(child<QLabel>(*window, u"LblHead"_s)->text(), u"Company List"_s);
        EXPECT_EQ(box(*window)->text(), u"Kormo"_s);
        EXPECT_EQ(countLabel(*window), u"Records : 1/2"_s);
        press(*window, Qt::Key_Down);
        press(*window, Qt::Key_Return);
    });
    EXPECT_EQ(ListShadowCompany(m_session, m_lovPresenter, u"1"_s, u"Kormo"_s),
              (QStringList{u"Kormo Shadow Two"_s, u"3"_s}));
    EXPECT_TRUE(QTest::qWaitFor([&beneath] { return QApplication::activeWindow() == &beneath; }, 1000));
}

TEST_F(LovWindowTest, EscapeOrTheCloseBoxLeavesEmptyAndDoubleClickChooses)
{
    EXPECT_EQ(show([](LovWindow &window) {
                  press(window, Qt::Key_PageDown);
                  press(window, Qt::Key_Escape);
              }),
              QString());
    EXPECT_EQ(show([](LovWindow &window) {
                  press(window, Qt::Key_Down);
                  window.close();
              }),
              QString());

    QString third;
    const QString chosen = show([&third](LovWindow &window) {
        QTableWidget *rows = grid(window);
        third = rows->item(2, 2)->text();
        const QPoint cell = rows->visualItemRect(rows->item(2, 1)).center();
        // A real double-click: a click, then the second press that the system reports as a double-click.
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, cell);
    });
    EXPECT_EQ(chosen.split(u"!@#$%"_s).value(1), third);
}

TEST(LovPlacement, TheCornerOfThePlacementInsideTheAvailableArea)
{
    const double twip = 1 / 15.0; // 150 twips make a margin of 10 pixels
    const struct
    {
        int placement;
        QRect available;
        QSize frame;
        QPoint expected;
    } cases[] = {
        {0, {0, 0, 1000, 800}, {300, 200}, {690, 590}},
        {1, {0, 0, 1000, 800}, {300, 200}, {1, 590}},
        {2, {0, 0, 1000, 800}, {300, 200}, {350, 300}},
        // A panel above and beside the available area.
        {0, {40, 30, 960, 770}, {300, 200}, {690, 590}},
        // A window taller than the room under the corner's margin starts at the top.
        {0, {0, 0, 960, 540}, {400, 535}, {550, 0}},
        {1, {0, 30, 960, 510}, {400, 600}, {1, 30}},
        // A window wider than the screen starts at its left edge.
        {0, {0, 0, 400, 400}, {500, 200}, {0, 190}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.placement << " in " << c.available.width() << 'x' << c.available.height()
                                        << '+' << c.available.x() << '+' << c.available.y());
        EXPECT_EQ(lovWindowPosition(c.placement, c.available, c.frame, twip), c.expected);
    }
}

TEST(LovPlacement, RowsPerPageThatTheAvailableHeightHolds)
{
    const struct
    {
        int windowHeight; // with a full page
        int rowHeight;
        int availableHeight;
        int rows;
    } cases[] = {{700, 30, 1060, 20}, {700, 30, 700, 20}, {700, 30, 699, 19}, {700, 30, 100, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.availableHeight);
        EXPECT_EQ(lovPageRows(c.windowHeight, c.rowHeight, c.availableHeight), c.rows);
    }
}

} // namespace
} // namespace vant::test
