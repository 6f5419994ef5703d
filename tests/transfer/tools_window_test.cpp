#include "tools_window_fixture.h"

#include "session/run_journal.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// A tools window on the fixture's session; company 1 has a voucher and a bill-wise row on
// April 10 and a cheque on April 11.
class ToolsWindowTest : public ToolsWindowFixture
{
protected:
    ToolsWindowTest()
    {
        seed("tools_window_seed.sql");
        prompts.beforeMessage = [this] { focusAtMessage = QApplication::focusWidget(); };
    }

    // Transfer mode with company 2 chosen for April 10, the focus on Exit.
    void openReady()
    {
        ToolsWindowFixture::openReady(kApril10, kApril10);
        control("cmdExit")->setFocus();
    }
    // Focuses the control, presses the key and tells where the focus went.
    QWidget *press(QWidget *at, Qt::Key key)
    {
        at->setFocus();
        QTest::keyClick(at, key);
        return QApplication::focusWidget();
    }

    CompanyBox *source() const { return control<CompanyBox>("txtSourceCompany"); }
    CompanyBox *destination() const { return control<CompanyBox>("txtDestinationCompany"); }
    QDateEdit *fromDate() const { return control<QDateEdit>("txtFromDate"); }
    QDateEdit *toDate() const { return control<QDateEdit>("txtToDate"); }
    QPushButton *process() const { return control<QPushButton>("cmdProcess"); }
    QString title() const { return control<QLabel>("lblTitle")->text(); }

    QWidget *focusAtMessage = nullptr;
};

// Enter, Up and Backspace move along the fields and Escape closes. Space acts on the focused button,
// also where the program put the focus: a keyboard user sees which button that is. A button that only
// stands as the window's default looks otherwise. "&Purge" is the same button in the other mode.
TEST_F(ToolsWindowTest, EnterUpAndBackspaceMoveAlongTheFieldsShowingTheFocusAndEscapeCloses)
{
    open(1);
    QPushButton *exit = control<QPushButton>("cmdExit");
    toDate()->setFocus();
    const QImage processAsDefault = process()->grab().toImage();
    const QImage exitUnfocused = exit->grab().toImage();
    EXPECT_EQ(press(source(), Qt::Key_Return), destination());
    EXPECT_EQ(press(destination(), Qt::Key_Up), source());
    EXPECT_EQ(press(fromDate(), Qt::Key_Enter), toDate());
    EXPECT_EQ(press(toDate(), Qt::Key_Backspace), fromDate());
    EXPECT_EQ(press(fromDate(), Qt::Key_Backspace), destination());
    ASSERT_EQ(press(toDate(), Qt::Key_Return), process());
    EXPECT_NE(process()->grab().toImage(), processAsDefault);
    exit->setFocus();
    EXPECT_NE(exit->grab().toImage(), exitUnfocused);
    EXPECT_EQ(source()->text(), u"Kormo Traders");
    for (const char *name : {"txtSourceCompany", "txtDestinationCompany", "txtFromDate", "cmdProcess"}) {
        SCOPED_TRACE(name);
        open(1);
        press(control(name), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
    }
}

TEST_F(ToolsWindowTest, DestinationIsPickedOnEnterWhenEmptyOrOnF2)
{
    QStringList calls;
    QStringList answer = {u"Kormo Shadow One"_s, u"2"_s};
    open(1, [&](const QString &parentCode, const QString &searchText) {
        calls << parentCode + QLatin1Char('|') + searchText;
        return answer;
    });
    EXPECT_EQ(press(destination(), Qt::Key_Return), fromDate());
    EXPECT_EQ(destination()->heldCode(), u"2");
    // F2 searches with the box's text; Enter on a text only moves on.
    answer = {u"Kormo Shadow Two"_s, u"3"_s};
    EXPECT_EQ(press(destination(), Qt::Key_F2), fromDate());
    EXPECT_EQ(press(destination(), Qt::Key_Return), fromDate());
    // No choice, or a failed pick, leaves the box as it was.
    for (const QStringList &none : {QStringList({u"Nothing"_s, QString()}), QStringList()}) {
        answer = none;
        EXPECT_EQ(press(destination(), Qt::Key_F2), destination());
    }
    EXPECT_EQ(destination()->text(), u"Kormo Shadow Two");
    EXPECT_EQ(destination()->heldCode(), u"3");
    EXPECT_EQ(calls, QStringList({u"1|"_s, u"1|Kormo Shadow One"_s, u"1|Kormo Shadow Two"_s, u"1|Kormo Shadow Two"_s}));

    // Any edit drops the held code.
    press(destination(), Qt::Key_X);
    EXPECT_EQ(destination()->heldCode(), u"0");
    press(source(), Qt::Key_Backspace);
    EXPECT_EQ(source()->heldCode(), u"0");
}

TEST_F(ToolsWindowTest, RefusedRequestsShowTheirMessageAndMoveTheFocus)
{
    const struct
    {
        QString source, destination; // typed over the chosen companies
        QDate from, to;
        const char *message, *field; // field: the focus after the message
        bool focusBeforeMessage;
    } cases[] = {
        {u"Kormo"_s, {}, {}, {}, "Parent Company Not Correct", "txtSourceCompany", false},
        {{}, u"Kormo Shadow"_s, {}, {}, "Destination Company Not Correct", "txtDestinationCompany", false},
        {{}, {}, kApril10.addDays(1), {}, "From Date Greater than Do Date", "txtFromDate", false},
        {{}, {}, QDate(2026, 3, 31), {}, "From Date not in this Financial Period", "txtFromDate", true},
        {{}, {}, {}, QDate(2027, 4, 1), "to Date not in this Financial Period", "txtToDate", true},
        // Bill-wise and cheque rows alone are no transaction.
        {{},
         {},
         kApril10.addDays(1),
         kApril10.addDays(2),
         "No Transaction to Transfer for this period",
         "cmdExit",
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        openReady();
        if (!c.source.isEmpty())
            source()->setText(c.source);
        if (!c.destination.isEmpty())
            destination()->setText(c.destination);
        toDate()->setDate(c.to.isValid() ? c.to : kApril10);
        fromDate()->setDate(c.from.isValid() ? c.from : kApril10);
        process()->click();
        EXPECT_EQ(prompts.texts(), QStringList({QString::fromLatin1(c.message)}));
        EXPECT_EQ(prompts.boxes().value(0).title, u"VantProcess");
        EXPECT_EQ(focusAtMessage, control(c.focusBeforeMessage ? c.field : "cmdExit"));
        EXPECT_EQ(QApplication::focusWidget(), control(c.field));
        EXPECT_EQ(rows(u"select count(*) from accvoucher2026 where CompanyCode=2"_s), QStringList({u"0"_s}));
    }
}

TEST_F(ToolsWindowTest, OverwriteAnsweredNoChangesNothing)
{
    seed("earlier_copy.sql");
    const QStringList questions = {
        u"Data Transfer already done for this period.\r\n Do you want Overwrite with existing Data ? "_s,
        u"Any modification made during this period in Shadow Company will be deleted.\r\n"
        "Do you want to proceed...?"_s};
    for (const auto &answers : {std::initializer_list<bool>{false}, std::initializer_list<bool>{true, false}}) {
        openReady();
        const QStringList before = snapshot();
        prompts.answerQuestions(answers);
        process()->click();
        EXPECT_EQ(prompts.texts(), questions.mid(0, int(answers.size())));
        EXPECT_EQ(snapshot(), before);
    }
}

// A run that fails (here its transaction cannot begin) is logged under Processtransfer and shown
// plainly; the window stays ready, and the next try completes. While the transfer runs the window
// shows its captions, refuses input and shows the wait cursor; an Escape and a click on Exit made
// meanwhile do nothing, so "Completed" stays to be read.
TEST_F(ToolsWindowTest, FailedRunLeavesTheWindowReadyAndTheNextCompletesDroppingInputMadeMeanwhile)
{
    openReady();
    // Before the run's begin: two reads of the numbering counters for the run journal, three
    // checks, three counts and the overwrite test. The bar shows that the counts went through.
    db().failStatement(10);
    process()->click();
    db().failStatement(0);
    EXPECT_EQ(control<QProgressBar>("prgStatus")->maximum(), 3);
    EXPECT_EQ(prompts.boxes().value(0).icon, PromptIcon::None);
    EXPECT_EQ(logLines().mid(logLines().size() - 2),
              QStringList({u"ErrMessage : "_s + prompts.texts().value(0),
                           u"ErrForm : frmVantTools    ErrEvent : Processtransfer"_s}));

    prompts.clear();
    QString captionMeanwhile;
    bool waitCursor = false;
    QTimer::singleShot(0, window.get(), [&] {
        captionMeanwhile = title();
        waitCursor = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        QCoreApplication::postEvent(QApplication::focusWidget(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QWidget *exit = control("cmdExit");
        const QPointF centre = QRectF(exit->rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                exit,
                new QMouseEvent(type, centre, exit->mapToGlobal(centre), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
        }
    });
    process()->setFocus();
    QTest::keyClick(process(), Qt::Key_Space);
    QCoreApplication::processEvents();

    EXPECT_EQ(captionMeanwhile, u"Transfer    [ Clear Old Records...]");
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_EQ(title(), u"Transfer    [ Completed ]");
    EXPECT_FALSE(process()->isEnabled());
    EXPECT_FALSE(control("prgStatus")->isVisible());
    EXPECT_EQ(control<QProgressBar>("prgStatus")->maximum(), 3);

    // The window's runs are in the run journal, each with how it ended.
    const auto records = RunJournal(RunJournal::defaultPath(), session.errorLog).read({QString(), QDate(), QDate(), 2});
    ASSERT_TRUE(records && records->size() == 2);
    EXPECT_EQ(records->at(1).value(u"result"_s).toString(), u"failed"_s);
    EXPECT_TRUE(records->at(1).value(u"message"_s).toString().startsWith(u"Processtransfer: "_s));
    EXPECT_EQ(records->at(0).value(u"result"_s).toString(), u"completed"_s);
    EXPECT_FALSE(records->at(0).value(u"dryRun"_s).toBool());
    // The window takes keys again once the run is over.
    QTest::keyClick(control("cmdExit"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// The program moves the focus into a date picker after a lookup choice and after "From Date Greater
// than Do Date"; both times the picker's window comes back from another window (the lookup, the box),
// and the digits typed next must reach the day.
TEST_F(ToolsWindowTest, TypedDigitsReachTheDateWhereverTheProgramMovesTheFocus)
{
    QWidget elsewhere; // the lookup window or the box, which takes the activation while it is up
    const auto takeActivation = [&elsewhere] {
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
        elsewhere.hide();
    };
    const auto comeBack = [this] {
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    };

    open(1, [&](const QString &, const QString &) {
        takeActivation();
        return QStringList{u"Kormo Shadow One"_s, u"2"_s};
    });
    fromDate()->setDate(kApril10);
    press(fromDate(), Qt::Key_Backspace);
    press(destination(), Qt::Key_F2);
    ASSERT_TRUE(comeBack());
    ASSERT_EQ(QApplication::focusWidget(), fromDate());
    QTest::keyClicks(fromDate(), u"15"_s);
    EXPECT_EQ(fromDate()->date(), QDate(2026, 4, 15));

    openReady();
    prompts.beforeMessage = takeActivation;
    fromDate()->setFocus();
    fromDate()->setDate(kApril10.addDays(1));
    ASSERT_EQ(press(toDate(), Qt::Key_Return), process());
    QTest::keyClick(process(), Qt::Key_Space);
    ASSERT_EQ(prompts.texts(), QStringList{u"From Date Greater than Do Date"_s});
    ASSERT_TRUE(comeBack());
    ASSERT_EQ(QApplication::focusWidget(), fromDate());
    QTest::keyClicks(fromDate(), u"09"_s);
    EXPECT_EQ(fromDate()->date(), QDate(2026, 4, 9));
}

// Yes purges the posted off-line vouchers and closes the window; No or a failure keeps it open.
TEST_F(ToolsWindowTest, PurgeAsksThenPurgesOrSaysWhyNot)
{
    exec({u"insert into AccOffLineVoucher(CompanyCode,VoucherNo,Moved) values (1,1,'Y'),(1,2,null)"_s});
    const QString question = u"Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?"_s;
    const QString done = u"Purge Data Completed"_s;
    const struct
    {
        QString voucherTable; // a missing one makes the purge fail
        QStringList texts;
        PromptIcon icon; // of the last box
    } cases[] = {{u"accvoucher2026"_s, {question}, PromptIcon::Question},
                 {u"accvoucher1999"_s,
                  {question, u"Unexpected error in procedure: ProcessPurgeData\r\nError #1: "
                             "no such table: accvoucher1999 Unable to execute statement"_s},
                  PromptIcon::Critical},
                 {u"accvoucher2026"_s, {question, done}, PromptIcon::None}};
    // The journal holds a purge done before its box waits for the user.
    QStringList journalAtBoxes;
    prompts.beforeMessage = [&] {
        const auto runs = RunJournal(RunJournal::defaultPath(), session.errorLog).read({u"purge"_s, {}, {}, 1});
        journalAtBoxes << (runs && !runs->isEmpty() ? runs->first().value(u"result"_s).toString() : QString());
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.texts.last().toStdString());
        open(0);
        const QStringList before = snapshot();
        session.voucherTable = c.voucherTable;
        prompts.answerQuestions({c.texts.size() > 1});
        process()->click();
        EXPECT_EQ(prompts.texts(), c.texts);
        EXPECT_EQ(prompts.boxes().last().icon, c.icon);
        EXPECT_EQ(window->isVisible(), c.texts.last() != done);
        EXPECT_EQ(snapshot() == before, c.texts.last() != done);
    }
    EXPECT_EQ(journalAtBoxes, QStringList({u"started"_s, u"running"_s}));
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(logLines().isEmpty());
}

} // namespace
} // namespace vant::test
