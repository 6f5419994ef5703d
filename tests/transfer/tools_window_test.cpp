#include "transfer_fixture.h"

#include "session/error_report.h"
#include "session/ledger_accounts.h"
#include "transfer/company_box.h"
#include "transfer/tools_load.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

const QDate kApril10(2026, 4, 10);

// A tools window on the fixture's session, shown and active; company 1 has a voucher, a bill-wise
// row on April 10 and a cheque on April 11.
class ToolsWindowTest : public TransferFixture
{
protected:
    ToolsWindowTest()
    {
        addLine(1, 11, kApril10, 101);
        addLine(1, 11, kApril10, 201, "101", "C");
        addBillwise(1, 11, kApril10);
        addCheque(1, 11, kApril10.addDays(1));
        prompts.beforeMessage = [this] { focusAtMessage = focused(); };
    }

    void open(int mode, CompanyPicker picker = {})
    {
        auto loaded = frmVantTools::load(session, mode, std::move(picker));
        ASSERT_TRUE(bool(loaded));
        window = std::move(*loaded);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        prompts.clear();
    }
    // Transfer mode with company 2 chosen for April 10, the focus on Exit.
    void openReady()
    {
        open(1);
        destination()->hold(u"Kormo Shadow One"_s, u"2"_s);
        fromDate()->setDate(kApril10);
        toDate()->setDate(kApril10);
        control("cmdExit")->setFocus();
    }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    CompanyBox *source() const { return control<CompanyBox>("txtSourceCompany"); }
    CompanyBox *destination() const { return control<CompanyBox>("txtDestinationCompany"); }
    QDateEdit *fromDate() const { return control<QDateEdit>("txtFromDate"); }
    QDateEdit *toDate() const { return control<QDateEdit>("txtToDate"); }
    QPushButton *process() const { return control<QPushButton>("cmdProcess"); }
    QString title() const { return control<QLabel>("lblTitle")->text(); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    int shadowVouchers() { return count(u"select count(*) from accvoucher2026 where CompanyCode=2"_s); }

    std::unique_ptr<frmVantTools> window;
    QWidget *focusAtMessage = nullptr;
};

TEST_F(ToolsWindowTest, EscapeClosesFromAnyControl)
{
    for (const char *name : {"txtSourceCompany", "txtDestinationCompany", "txtFromDate", "cmdProcess"}) {
        SCOPED_TRACE(name);
        open(1);
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
    }
}

TEST_F(ToolsWindowTest, EnterUpAndBackspaceMoveAlongTheFields)
{
    open(1);
    const auto press = [this](QWidget *at, Qt::Key key, QWidget *next) {
        at->setFocus();
        QTest::keyClick(at, key);
        EXPECT_EQ(focused(), next);
    };
    press(source(), Qt::Key_Return, destination());
    press(destination(), Qt::Key_Up, source());
    press(fromDate(), Qt::Key_Enter, toDate());
    press(toDate(), Qt::Key_Backspace, fromDate());
    press(fromDate(), Qt::Key_Backspace, destination());
    press(toDate(), Qt::Key_Return, process());
    EXPECT_EQ(source()->text(), u"Kormo Traders");
    EXPECT_EQ(toDate()->date(), QDate::currentDate());
}

TEST_F(ToolsWindowTest, EnterOnEmptyDestinationOrF2PicksAndHoldsTheCompany)
{
    QStringList calls;
    QStringList answer = {u"Kormo Shadow One"_s, u"2"_s};
    open(1, [&](const QString &parentCode, const QString &searchText) {
        calls << parentCode + QLatin1Char('|') + searchText;
        return answer;
    });
    destination()->setFocus();
    QTest::keyClick(destination(), Qt::Key_Return);
    EXPECT_EQ(destination()->heldCode(), u"2");
    EXPECT_EQ(focused(), fromDate());

    // F2 searches with the box's text; Enter on a text only moves on; no choice or a failed pick
    // leaves the box as it was.
    answer = {u"Kormo Shadow Two"_s, u"3"_s};
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_Return}) {
        destination()->setFocus();
        QTest::keyClick(destination(), key);
        EXPECT_EQ(focused(), fromDate());
    }
    for (const QStringList &none : {QStringList({u"Nothing"_s, QString()}), QStringList()}) {
        answer = none;
        destination()->setFocus();
        QTest::keyClick(destination(), Qt::Key_F2);
        EXPECT_EQ(focused(), destination());
    }
    EXPECT_EQ(destination()->text(), u"Kormo Shadow Two");
    EXPECT_EQ(destination()->heldCode(), u"3");
    EXPECT_EQ(calls, QStringList({u"1|"_s, u"1|Kormo Shadow One"_s, u"1|Kormo Shadow Two"_s, u"1|Kormo Shadow Two"_s}));
}

TEST_F(ToolsWindowTest, AnyEditDropsTheHeldCode)
{
    open(1);
    destination()->hold(u"Kormo Shadow One"_s, u"2"_s);
    destination()->setFocus();
    QTest::keyClick(destination(), Qt::Key_X);
    EXPECT_EQ(destination()->heldCode(), u"0");
    source()->setFocus();
    QTest::keyClick(source(), Qt::Key_Backspace);
    EXPECT_EQ(source()->heldCode(), u"0");
}

TEST_F(ToolsWindowTest, RefusedRequestsShowTheirMessageAndMoveTheFocus)
{
    const QDate march31(2026, 3, 31), april11(2026, 4, 11), april12(2026, 4, 12), nextApril(2027, 4, 1);
    const struct
    {
        QString source, destination; // typed over the chosen companies
        QDate from, to;
        const char *message;
        const char *field; // the focus after the message
        bool focusBeforeMessage;
    } cases[] = {
        {u"Kormo"_s, {}, {}, {}, "Parent Company Not Correct", "txtSourceCompany", false},
        {{}, u"Kormo Shadow"_s, {}, {}, "Destination Company Not Correct", "txtDestinationCompany", false},
        {{}, {}, april11, {}, "From Date Greater than Do Date", "txtFromDate", false},
        {{}, {}, march31, {}, "From Date not in this Financial Period", "txtFromDate", true},
        {{}, {}, {}, nextApril, "to Date not in this Financial Period", "txtToDate", true},
        // Bill-wise and cheque rows alone are no transaction.
        {{}, {}, april11, april12, "No Transaction to Transfer for this period", "cmdExit", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        openReady();
        if (!c.source.isEmpty())
            source()->setText(c.source);
        if (!c.destination.isEmpty())
            destination()->setText(c.destination);
        if (c.to.isValid())
            toDate()->setDate(c.to);
        if (c.from.isValid())
            fromDate()->setDate(c.from);
        process()->click();

        ASSERT_EQ(prompts.boxes().size(), 1);
        EXPECT_EQ(prompts.boxes().first().text, QString::fromLatin1(c.message));
        EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::None);
        EXPECT_EQ(prompts.boxes().first().title, u"VantProcess");
        EXPECT_EQ(focusAtMessage, control(c.focusBeforeMessage ? c.field : "cmdExit"));
        EXPECT_EQ(focused(), control(c.field));
        EXPECT_EQ(shadowVouchers(), 0);
    }
}

TEST_F(ToolsWindowTest, CompletedRunDisablesProcessAndSaysSo)
{
    openReady();
    process()->click();
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_EQ(shadowVouchers(), 2);
    EXPECT_EQ(title(), u"Transfer    [ Completed ]");
    EXPECT_FALSE(process()->isEnabled());
    EXPECT_FALSE(control("prgStatus")->isVisible());
    EXPECT_EQ(control<QProgressBar>("prgStatus")->maximum(), 3);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ToolsWindowTest, OverwriteIsDoneOnlyAfterTwoYes)
{
    addLine(2, 1, kApril10, 102, "201", "D", 5, 1, u"Copy"_s, "11");
    const QStringList questions = {
        u"Data Transfer already done for this period.\r\n Do you want Overwrite with existing Data ? "_s,
        u"Any modification made during this period in Shadow Company will be deleted.\r\nDo you want to proceed...?"_s};
    for (const auto &answers : {std::initializer_list<bool>{false}, std::initializer_list<bool>{true, false}}) {
        openReady();
        const QStringList before = snapshot();
        prompts.answerQuestions(answers);
        process()->click();
        EXPECT_EQ(prompts.texts(), questions.mid(0, int(answers.size())));
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(process()->isEnabled());
        EXPECT_EQ(title(), u"Transfer");
    }
    openReady();
    prompts.answerQuestions({true, true});
    process()->click();
    EXPECT_EQ(rows(u"select VoucherNo,OldVoucherNo from accvoucher2026 where CompanyCode=2"_s),
              QStringList({u"1|11"_s, u"1|11"_s}));
}

// A stopped run and a transaction that cannot begin both leave the window ready for another try.
TEST_F(ToolsWindowTest, FailedRunsLeaveTheWindowReady)
{
    session.accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return Error{429, u"ActiveX component can't create object"_s};
    };
    openReady();
    const QStringList before = snapshot();
    process()->click();
    EXPECT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(title(), u"Transfer");
    EXPECT_TRUE(process()->isEnabled());
    EXPECT_FALSE(control("prgStatus")->isVisible());

    // The transaction's failure is logged under Processtransfer and shown plainly.
    prompts.clear();
    ASSERT_TRUE(db().beginTransaction());
    process()->click();
    ASSERT_TRUE(db().rollbackTransaction());
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::None);
    EXPECT_EQ(logLines().mid(logLines().size() - 2),
              QStringList({u"ErrMessage : "_s + prompts.texts().first(),
                           u"ErrForm : frmVantTools    ErrEvent : Processtransfer"_s}));
    EXPECT_TRUE(process()->isEnabled());
    EXPECT_EQ(snapshot(), before);
}

// Yes purges the posted off-line vouchers and closes the window; No or a failure keeps it open.
TEST_F(ToolsWindowTest, PurgeAsksThenPurgesOrSaysWhyNot)
{
    exec({u"insert into AccOffLineVoucher(CompanyCode,VoucherNo,VoucherDt,CrDr,Moved) values (1,1,'2026-04-10','D','Y')"_s,
          u"insert into AccOffLineVoucher(CompanyCode,VoucherNo,VoucherDt,CrDr,Moved) values (1,2,'2026-04-10','D',null)"_s});
    class Refusing : public LedgerAccounts
    {
        Status PURGEDATA(const QString &) override { return Error{-2147217865, u"Invalid object name"_s}; }
    };
    const QString question = u"Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?"_s;
    const struct
    {
        bool yes;
        AccountsFactory factory;
        QString answer;
        PromptIcon icon; // of the last box
    } cases[] = {
        {false, createAccountsComponent, {}, PromptIcon::Question},
        {true,
         [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
             return std::unique_ptr<AccountsComponent>(std::make_unique<Refusing>());
         },
         u"Unexpected error in procedure: ProcessPurgeData\r\nError #-2147217865: Invalid object name"_s,
         PromptIcon::Critical},
        {true, createAccountsComponent, u"Purge Data Completed"_s, PromptIcon::None},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        open(0);
        EXPECT_EQ(control<QLabel>("lblPurge")->text(), u"Recovery is not Possible after Purge the Data");
        const QStringList before = snapshot();
        session.accountsFactory = c.factory;
        prompts.answerQuestions({c.yes});
        process()->click();
        EXPECT_EQ(prompts.texts(), c.yes ? QStringList({question, c.answer}) : QStringList({question}));
        const bool done = c.answer == u"Purge Data Completed";
        EXPECT_EQ(prompts.boxes().last().icon, c.icon);
        EXPECT_EQ(window->isVisible(), !done);
        EXPECT_EQ(snapshot() == before, !done);
    }
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(rows(u"select VoucherNo from AccOffLineVoucher"_s), QStringList({u"2"_s}));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(ToolsWindowTest, WindowThatCannotOpenIsReported)
{
    VantToolsLoad(session, 2, nullptr);
    EXPECT_EQ(prompts.texts(), QStringList({errorReportMessage({340, u"Control array element '2' doesn't exist"_s})}));
    EXPECT_EQ(logLines().last(), u"ErrEvent : VantToolsLoad");
}

} // namespace
} // namespace vant::test
