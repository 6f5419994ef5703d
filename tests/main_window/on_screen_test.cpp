// Every job window lies inside the screen's available area and shows its texts whole. Run twice:
// on a 1366 x 768 screen at 100 %, and on a 1920 x 1080 screen at 200 % (960 x 540 to lay out in).
#include "lookup/lov_fixture.h"
#include "posting/posting_fixture.h"
#include "transfer/transfer_fixture.h"

#include "lookup/lov_window.h"
#include "main_window/run_history_window.h"
#include "session/run_journal.h"
#include "transfer/check_copy.h"
#include "main_window/run_history_model.h"
#include "widgets/report_window.h"
#include "widgets/run_record_report.h"
#include "lookup/lov_window_presenter.h"
#include "posting/posting_window.h"
#include "transfer/shadow_company_picker.h"
#include "support/cut_off_texts.h"
#include "transfer/company_box.h"
#include "transfer/tools_window.h"
#include "widgets/preview_reading.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

QString joined(const QStringList &texts)
{
    return texts.join(u'\n');
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
    LookupOnScreen() { m_session.lovPresenter = &m_window; }

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
    m_window.script = [](LovWindow &window) {
        EXPECT_EQ(joined(cutOffTextsIn(window)), QString());
        // The sort list shows while Ctrl is held.
        QLineEdit *search = window.findChild<QLineEdit *>(u"searchtxthlp"_s);
        QTest::keyPress(search, Qt::Key_Control, Qt::ControlModifier);
        auto *sortList = window.findChild<QTreeWidget *>(u"Lv"_s);
        EXPECT_TRUE(sortList->isVisible());
        EXPECT_EQ(joined(cutOffTexts(*sortList)), QString());
        QTest::keyRelease(search, Qt::Key_Control);
        press(window, Qt::Key_Escape);
    };
    EXPECT_EQ(ListShadowCompany(m_session, u"1"_s, QString()), (QStringList{u"Nothing"_s, QString()}));
}

// The preview that the window opened, on screen and readable; then once more after the run from
// it, which has differences to show.
void checkPreview(QWidget &window, const std::function<void()> &meanwhile)
{
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmdPreview"_s), Qt::LeftButton);
    auto *preview = window.findChild<RunPreviewWindow *>();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    EXPECT_TRUE(onScreen(*preview));
    EXPECT_EQ(joined(cutOffTextsIn(*preview)), QString());
    meanwhile();
    QTest::mouseClick(preview->findChild<QPushButton *>(u"cmdRun"_s), Qt::LeftButton);
    ASSERT_NE(previewTable(preview, u"Differences"_s), nullptr);
    EXPECT_TRUE(onScreen(*preview));
    EXPECT_EQ(joined(cutOffTextsIn(*preview)), QString());
}

class ToolsOnScreen : public TransferFixture
{};

TEST_F(ToolsOnScreen, BothModesAreReadable)
{
    for (const int mode : {1, 0}) {
        SCOPED_TRACE(mode);
        auto window = ToolsWindow::load(session, mode, {});
        ASSERT_TRUE(bool(window));
        (*window)->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->get()));
        EXPECT_TRUE(onScreen(**window));
        EXPECT_EQ(joined(cutOffTextsIn(**window)), QString());
    }
}

// The run history with a run, the record of the run and a reconciliation with a difference.
TEST_F(ToolsOnScreen, TheRunHistoryAndTheReportsAreReadable)
{
    QTemporaryDir folder;
    const QString journalPath = folder.filePath(u"journal.jsonl"_s);
    RunRecord run;
    run.run = u"screen-1"_s;
    run.when = QDateTime(QDate(2026, 4, 10), QTime(9, 30));
    run.user = u"Admin"_s;
    run.company = u"1"_s;
    run.job = u"post"_s;
    run.dryRun = true;
    run.tables = {{u"accvoucher2026"_s, 2, 0, 2}};
    run.failed = {{u"7"_s, u"The voucher does not balance"_s, true}};
    run.result = u"completed"_s;
    RunJournal(journalPath, session.errorLog).append(run.toJson());
    RunHistoryWindow history(session, journalPath);
    history.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&history));
    EXPECT_TRUE(onScreen(history));
    EXPECT_EQ(joined(cutOffTextsIn(history)), QString());

    Reconciliation result;
    result.byVoucherCode = {{u"1"_s, {2, 4, 1250.5, 1250.5}, {2, 4, 1250.5, 1300.5}}};
    result.differences = {{u"accvoucher2026"_s, u"1"_s, u"11"_s, u"1"_s, 2, u"Amount"_s, u"300.00"_s, u"350.00"_s,
                           u"line 2, Amount: 300.00 in the source, 350.00 in the copy"_s}};
    for (const Report &report :
         {CheckCopy::report(result, u"Kormo Traders (1)"_s, u"Kormo Shadow One (2)"_s, u"01-04-2026 to 30-04-2026"_s),
          runRecordReport(history.model()->record(0), u"Kormo Traders (1)"_s, session.dateFormat)}) {
        ReportWindow window(report, prompts, nullptr);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(onScreen(window));
        EXPECT_EQ(joined(cutOffTextsIn(window)), QString());
    }
}

TEST_F(ToolsOnScreen, ThePreviewIsReadable)
{
    const QDate day(2026, 4, 10);
    addLine(1, 11, day, 101);
    addLine(1, 11, day, 201, "101", "C");
    auto window = ToolsWindow::load(session, 1, {});
    ASSERT_TRUE(bool(window));
    (*window)->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->get()));
    (*window)->findChild<CompanyBox *>(u"txtDestinationCompany"_s)->hold(u"Kormo Shadow One"_s, u"2"_s);
    for (const QString &name : {u"txtFromDate"_s, u"txtToDate"_s})
        (*window)->findChild<QDateEdit *>(name)->setDate(day);
    checkPreview(**window, [&] { addLine(1, 12, day, 102, "201", "D", 40, 2); });
}

class PostingOnScreen : public PostingFixture
{};

TEST_F(PostingOnScreen, ThePreviewIsReadable)
{
    addVoucher(101, 10);
    addVoucher(102, 0);
    addVoucher(103, 30);
    PostingWindow window(*session);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QDateEdit *>(u"dtpFrom"_s)->setDate(QDate(2026, 4, 10));
    ASSERT_TRUE(window.LoadOffLineVouchers(u"SA"_s, u"CA"_s));
    QTest::mouseClick(window.findChild<QPushButton *>(u"cmdSelectall"_s), Qt::LeftButton);
    checkPreview(window, [&] { exec({u"update AccOffLineVoucher set Moved='Y' where VoucherNo=103"_s}); });
}

// Before the first Go (the totals show their caption) and with each voucher type's transactions.
TEST_F(PostingOnScreen, TheFiltersListsAndTotalsAreReadable)
{
    PostingWindow window(*session);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(onScreen(window));
    EXPECT_EQ(window.findChild<QLabel *>(u"lblTotal2"_s)->text(), u"Trial Balance - Debit Total Amount");
    EXPECT_EQ(joined(cutOffTextsIn(window)), QString());

    auto *voucherType = window.findChild<QComboBox *>(u"cboVoucherType"_s);
    auto *transType = window.findChild<QComboBox *>(u"cboTransType"_s);
    for (int type = 0; type < voucherType->count(); ++type) {
        SCOPED_TRACE(type);
        voucherType->setFocus();
        voucherType->setCurrentIndex(type);
        QTest::keyClick(voucherType, Qt::Key_Return);
        ASSERT_GT(transType->count(), 0);
        EXPECT_EQ(joined(cutOffTexts(*transType)), QString());
    }
}

} // namespace
} // namespace vant::test
