// The Account Transfer's preview: the request run as a dry run with the window's values, shown in a
// window of its own, from which it is run for real and compared.
#include "tools_window_fixture.h"

#include "session/run_journal.h"
#include "widgets/preview_reading.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

const QStringList kOverwriteQuestions = {
    u"Data Transfer already done for this period. Do you want Overwrite with existing Data ?"_s,
    u"Any modification made during this period in Shadow Company will be deleted. Do you want to proceed...?"_s};

// The tools window in transfer mode, company 2 chosen for April 10, where company 1 has two
// vouchers (three lines), a bill-wise row and a cheque.
class TransferPreviewTest : public ToolsWindowFixture
{
protected:
    TransferPreviewTest() { seed("transfer_preview_seed.sql"); }

    void openReady()
    {
        ToolsWindowFixture::openReady(kApril10, kApril10);
        control("txtToDate")->setFocus();
    }
    // Alt+R in the tools window, whose access key clicks Preview a moment later: the preview that
    // it opened, if any.
    RunPreviewWindow *openPreview()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return window->findChild<RunPreviewWindow *>() || !prompts.boxes().isEmpty(); }));
        auto *preview = window->findChild<RunPreviewWindow *>();
        // The preview takes the keyboard once it is on screen.
        if (preview) {
            EXPECT_TRUE(QTest::qWaitFor([preview] { return QApplication::activeWindow() == preview; }));
        }
        return preview;
    }
    // Alt+R in the preview: the run for real.
    static void runFromPreview(RunPreviewWindow *preview)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([preview] { return !preview->findChild<QWidget *>(u"cmdRun"_s)->isEnabled(); }));
    }
};

// The preview is reached by Tab after the dates and left with Esc, and the keyboard goes back to
// the tools window. Enter moves on from a table and never starts the run. The preview changes
// nothing and tells the rows and numbers of the run; the run that follows from it does just that,
// and says so.
TEST_F(TransferPreviewTest, ThePreviewsNumbersAreThoseOfTheRunThatFollows)
{
    openReady();
    // Enter in the last date goes on to Transfer; Preview stands between them in the Tab order.
    QTest::keyClick(control("txtToDate"), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), control("cmdProcess"));
    QTest::keyClick(control("cmdProcess"), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), control("cmdPreview"));
    QTest::keyClick(control("cmdPreview"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), control("txtToDate"));
    control("cmdPreview")->setFocus();
    const QStringList before = snapshot();
    const QPointer<RunPreviewWindow> first = openPreview();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(QApplication::focusWidget(), previewTable(first, u"Rows per table"_s));
    // Tab reaches every button; Enter on Run does not start the run.
    QStringList order;
    while (order.size() < 10 && QApplication::focusWidget()->objectName() != u"cmdClose") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget()->objectName().startsWith(u"cmd"))
            order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, QStringList({u"cmdPrint"_s, u"cmdSavePdf"_s, u"cmdSaveCsv"_s, u"cmdRun"_s, u"cmdClose"_s}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(first->findChild<QWidget *>(u"cmdRun"_s)->isEnabled());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    EXPECT_EQ(QApplication::focusWidget(), control("cmdPreview"));
    EXPECT_TRUE(window->isVisible());

    RunPreviewWindow *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(prompts.texts(), QStringList());
    const QStringList lines = previewLines(preview);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), u"Kormo Traders (1)");
    EXPECT_EQ(lines.mid(2), QStringList({u"Copy: Kormo Shadow One (2)"_s, u"Outcome: The run would succeed."_s}));
    const QStringList tables = previewRows(preview, u"Rows per table"_s);
    EXPECT_EQ(tables,
              QStringList({u"AccChequeDetails|0|1|0"_s, u"acccompanymaster|0|0|1"_s, u"AccCompanyVoucherNo|0|2|2"_s,
                           u"accdivisionmaster|0|1|0"_s, u"AccPending|0|1|0"_s, u"accvoucher2026|0|3|0"_s}));
    const QStringList numbers = previewRows(preview, u"Numbers drawn"_s);
    ASSERT_EQ(numbers.size(), 3);
    EXPECT_EQ(previewRows(preview, u"Questions"_s), QStringList());
    EXPECT_EQ(control<QLabel>("lblTitle")->text(), u"Transfer");
    EXPECT_TRUE(control("cmdProcess")->isEnabled());

    runFromPreview(preview);
    EXPECT_EQ(previewLines(preview).last(), u"The run did what the preview showed.");
    EXPECT_EQ(previewTable(preview, u"Differences"_s), nullptr);
    const QString drawn =
        rows(u"select min(VoucherNo), max(VoucherNo) from accvoucher2026 where CompanyCode=2"_s).value(0);
    EXPECT_EQ(u"Voucher numbers|||"_s + drawn, numbers.first());
    EXPECT_EQ(control<QLabel>("lblTitle")->text(), u"Transfer    [ Completed ]");
    EXPECT_FALSE(control("cmdPreview")->isEnabled());
    // Both runs are in the journal, the preview marked as a dry run.
    const auto records = RunJournal(RunJournal::defaultPath(), session.errorLog).read({u"transfer"_s, {}, {}, 2});
    ASSERT_TRUE(records && records->size() == 2);
    EXPECT_FALSE(records->at(0).value(u"dryRun"_s).toBool());
    EXPECT_TRUE(records->at(1).value(u"dryRun"_s).toBool());
    EXPECT_EQ(records->at(0).value(u"numbers"_s), records->at(1).value(u"numbers"_s));
}

// The preview asks the questions the run asks and says which answers it was given; the run asks
// them again, and a different answer is a difference.
TEST_F(TransferPreviewTest, TheQuestionsAreAskedAndTheirAnswersShown)
{
    seed("earlier_copy.sql");
    openReady();
    prompts.answerQuestions({true, true});
    RunPreviewWindow *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(previewRows(preview, u"Questions"_s),
              QStringList({kOverwriteQuestions.at(0) + u"|Yes"_s, kOverwriteQuestions.at(1) + u"|Yes"_s}));
    EXPECT_TRUE(previewRows(preview, u"Rows per table"_s).contains(u"accdelvoucher|0|1|0"_s));

    prompts.answerQuestions({true, false});
    runFromPreview(preview);
    EXPECT_EQ(previewRows(preview, u"Differences"_s).mid(0, 1), QStringList({u"Result|completed|declined"_s}));
    EXPECT_EQ(previewRows(preview, u"Differences"_s).last(),
              u"Question \""_s + kOverwriteQuestions.at(1) + u"\"|Yes|No"_s);
    EXPECT_EQ(QApplication::focusWidget(), previewTable(preview, u"Differences"_s));
    EXPECT_TRUE(control("cmdProcess")->isEnabled());
}

// A request that the checks refuse is told as the Transfer button tells it, with no preview; the
// purge has none.
TEST_F(TransferPreviewTest, ARefusedRequestOpensNoPreview)
{
    openReady();
    control<CompanyBox>("txtDestinationCompany")->setText(u"Kormo Shadow"_s);
    EXPECT_EQ(openPreview(), nullptr);
    EXPECT_EQ(prompts.texts(), QStringList({u"Destination Company Not Correct"_s}));
    EXPECT_EQ(QApplication::focusWidget(), control("txtDestinationCompany"));

    auto purge = ToolsWindow::load(session, 0, {});
    ASSERT_TRUE(bool(purge));
    (*purge)->show();
    EXPECT_FALSE((*purge)->findChild<QWidget *>(u"cmdPreview"_s)->isVisible());
}

} // namespace
} // namespace vant::test
