// Every job window lies inside the screen's available area and shows its texts whole. Run twice:
// on a 1366 x 768 screen at 100 %, and on a 1920 x 1080 screen at 200 % (960 x 540 to lay out in).
#include "lookup/lov_fixture.h"
#include "posting/posting_fixture.h"
#include "windows/window_tour.h"

#include "lookup/lov_window.h"
#include "lookup/lov_window_presenter.h"
#include "posting/posting_window.h"
#include "transfer/shadow_company_picker.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

QString describe(const QWidget &widget, const QString &text, int needed, int room)
{
    return QStringLiteral("%1 \"%2\": %3 of %4 px").arg(widget.objectName(), text).arg(needed).arg(room);
}

void checkHeads(const QHeaderView &header, QStringList &cut)
{
    const int margin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const QString head = header.model()->headerData(section, header.orientation()).toString();
        const int needed = header.fontMetrics().horizontalAdvance(head) + margin;
        if (needed > header.sectionSize(section))
            cut << describe(*header.parentWidget(), head, needed, header.sectionSize(section));
    }
}

// Each text of the widget that its place cannot hold, described; empty when all can be read.
// Covers labels, buttons, every entry of a list, date pickers, column heads and list views.
QStringList cutOffTexts(const QWidget &widget)
{
    QStringList cut;
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        // A label with a buddy draws its access-key marker as an underline.
        const QString text = label->buddy() ? QString(label->text()).remove(QLatin1Char('&')) : label->text();
        const int needed = metrics.horizontalAdvance(text);
        if (!label->wordWrap() && needed > room)
            cut << describe(widget, text, needed, room);
    } else if (const auto *button = qobject_cast<const QPushButton *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        if (metrics.horizontalAdvance(text) > room)
            cut << describe(widget, text, metrics.horizontalAdvance(text), room);
    } else if (const auto *list = qobject_cast<const QComboBox *>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        // The label is drawn one pixel inside each end of the edit field.
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 2;
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) > room)
                cut << describe(widget, list->itemText(i), metrics.horizontalAdvance(list->itemText(i)), room);
        }
    } else if (const auto *picker = qobject_cast<const QDateTimeEdit *>(&widget)) {
        if (picker->sizeHint().width() > picker->width())
            cut << describe(widget, picker->text(), picker->sizeHint().width(), picker->width());
    } else if (const auto *tree = qobject_cast<const QTreeView *>(&widget)) {
        const int needed = static_cast<const QAbstractItemView *>(tree)->sizeHintForColumn(0);
        const int room = std::min(tree->columnWidth(0), tree->viewport()->width());
        if (needed > room)
            cut << describe(widget, QStringLiteral("entries"), needed, room);
    } else if (const auto *grid = qobject_cast<const QTableView *>(&widget)) {
        if (grid->horizontalHeader()->isVisibleTo(grid))
            checkHeads(*grid->horizontalHeader(), cut);
    }
    return cut;
}

// The cut-off texts of every control that the window shows.
QStringList cutOffTextsIn(const QWidget &window)
{
    QStringList cut;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (control->isVisibleTo(&window))
            cut << cutOffTexts(*control);
    }
    return cut;
}

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
