// Every job window lies inside the screen's available area and shows its texts whole. Run twice:
// on a 1366 x 768 screen at 100 %, and on a 1920 x 1080 screen at 200 % (960 x 540 to lay out in).
#include "lookup/lov_fixture.h"
#include "posting/posting_fixture.h"
#include "windows/window_tour.h"

#include "lookup/lov_window.h"
#include "lookup/lov_window_presenter.h"
#include "posting/posting_window.h"
#include "transfer/shadow_company_picker.h"
#include "support/cut_off_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// The window, with the frame that a window manager may add, inside the available area of its screen.
::testing::AssertionResult onScreen(const QWidget &window)
{
    const QRect available = window.screen()->availableGeometry();
    if (available.contains(window.frameGeometry()))
        return ::testing::AssertionSuccess();
    const QRect frame = window.frameGeometry();
    return ::testing::AssertionFailure() << frame.x() << ',' << frame.y() << ' ' << frame.width() << 'x'
                                         << frame.height() << " outside " << available.width() << 'x'
                                         << available.height();
}

// Guards against a run on another screen, which would prove nothing.
TEST(OnScreen, TheTestScreenIsTheOneAskedFor)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QStringList asked = qEnvironmentVariable("VANT_TEST_SCREEN").split(u'x');
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(screen->geometry().size() * screen->devicePixelRatio(), QSize(asked.at(0).toInt(), asked.at(1).toInt()));
    EXPECT_EQ(qRound(screen->devicePixelRatio() * 100), asked.at(2).toInt());
}

class LookupOnScreen : public LovFixture
{
protected:
    LookupOnScreen() { m_lovPresenter = &m_window; }

    static QTableWidget *grid(const QWidget &window) { return window.findChild<QTableWidget *>(u"MsfBrowse"_s); }
    static void press(const QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.findChild<QLineEdit *>(u"searchtxthlp"_s), key, modifiers);
    }

    LovWindowPresenter m_window;
};

// Whatever its placement, the window fits the screen: a short screen gets fewer rows per page, each
// of them whole, and Page Down moves on by that many.
TEST_F(LookupOnScreen, TheWholeWindowWithEveryRowOfItsPage)
{
    makeItems(45);
    for (const qint16 placement : {0, 1, 2}) {
        SCOPED_TRACE(placement);
        LovRequest request = itemsRequest();
        request.Placement = placement;
        m_window.script = [](LovWindow &window) {
            EXPECT_TRUE(onScreen(window));
            QTableWidget *rows = grid(window);
            const int shown = rows->rowCount();
            ASSERT_GE(shown, 1);
            EXPECT_LE(rows->rowViewportPosition(shown - 1) + rows->rowHeight(shown - 1), rows->viewport()->height());
            // 768 pixels hold a full page; the 540 of the scaled screen do not.
            EXPECT_EQ(shown == 20, window.screen()->availableGeometry().height() >= 768) << shown;
            press(window, Qt::Key_PageDown);
            EXPECT_EQ(rows->item(0, 1)->text(), QString::number(shown + 1));
            press(window, Qt::Key_Escape);
        };
        EXPECT_EQ(run(request, u"code"_s), QString());
    }
}

TEST_F(LookupOnScreen, TheCompanyPickerIsReadable)
{
    // The picker as it opens is the tour's; the sort list shows while Ctrl is held.
    m_window.script = [](LovWindow &window) {
        QLineEdit *search = window.findChild<QLineEdit *>(u"searchtxthlp"_s);
        QTest::keyPress(search, Qt::Key_Control, Qt::ControlModifier);
        auto *sortList = window.findChild<QTreeWidget *>(u"Lv"_s);
        EXPECT_TRUE(sortList->isVisible());
        EXPECT_EQ(cutOffTexts(*sortList), QStringList());
        QTest::keyRelease(search, Qt::Key_Control);
        press(window, Qt::Key_Escape);
    };
    EXPECT_EQ(ListShadowCompany(m_session, m_lovPresenter, u"1"_s, QString()), (QStringList{u"Nothing"_s, QString()}));
}

// Every view of the program on the way through it: the windows, the boxes, lookups and reports they
// open, and the previews before and after a run with differences to show.
class TourOnScreen : public WindowTour
{};

TEST_F(TourOnScreen, EveryViewLiesOnTheScreenWithItsTextsWhole)
{
    QStringList faults;
    visitEveryWindow([&faults](QWidget *window, const QString &view) {
        if (const ::testing::AssertionResult placed = onScreen(*window); !placed)
            faults << view + u": "_s + QString::fromUtf8(placed.message());
        // Qt lays its boxes' lines out itself, and the login banner is rich text: the measure of
        // cut-off texts reads neither.
        if (qobject_cast<QMessageBox *>(window) || view == u"login window")
            return;
        for (const QString &text : cutOffTextsIn(*window))
            faults << view + u": "_s + text;
    });
    EXPECT_EQ(faults, QStringList());
}

class PostingOnScreen : public PostingFixture
{};

// Before the first Go (the totals show their caption) and with each voucher type's transactions.
TEST_F(PostingOnScreen, TheFiltersListsAndTotalsAreReadable)
{
    PostingWindow window(*session);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The window itself is the tour's; here, the caption the totals show before the first Go and
    // each voucher type's list.
    EXPECT_EQ(window.findChild<QLabel *>(u"lblTotal2"_s)->text(), u"Trial Balance - Debit Total Amount");

    auto *voucherType = window.findChild<QComboBox *>(u"cboVoucherType"_s);
    auto *transType = window.findChild<QComboBox *>(u"cboTransType"_s);
    for (int type = 0; type < voucherType->count(); ++type) {
        SCOPED_TRACE(type);
        voucherType->setFocus();
        voucherType->setCurrentIndex(type);
        QTest::keyClick(voucherType, Qt::Key_Return);
        ASSERT_GT(transType->count(), 0);
        EXPECT_EQ(cutOffTexts(*transType), QStringList());
    }
}

} // namespace
} // namespace vant::test
