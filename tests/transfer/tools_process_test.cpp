#include "tools_window_fixture.h"

#include "session/error_report.h"
#include "session/ledger_accounts.h"

#include <QApplication>

namespace vant::test {
namespace {

const QDate kApril10(2026, 4, 10);

class ToolsProcessTest : public ToolsWindowFixture
{
protected:
    ToolsProcessTest()
    {
        addLine({1, 11, kApril10, 101});
        addLine({1, 11, kApril10, 201, QStringLiteral("101"), QStringLiteral("C")});
        addBillwise(1, 11, kApril10);
        prompts.beforeMessage = [this] { focusAtMessage = QApplication::focusWidget(); };
    }

    // Transfer mode with company 2 chosen for April 10.
    void openReady()
    {
        open(1);
        destination()->hold(QStringLiteral("Kormo Shadow One"), QStringLiteral("2"));
        fromDate()->setDate(kApril10);
        toDate()->setDate(kApril10);
        exitButton()->setFocus();
    }

    QWidget *focusAtMessage = nullptr;
};

TEST_F(ToolsProcessTest, RefusedRequestsShowTheirMessageAndMoveTheFocus)
{
    struct Case
    {
        const char *name;
        std::function<void()> edit;
        const char *message;
        const char *field;      // the focus after the message
        bool focusBeforeMessage;
    };
    const QList<Case> cases = {
        {"source edited", [this] { source()->setText(QStringLiteral("Kormo")); },
         "Parent Company Not Correct", "txtSourceCompany", false},
        {"destination typed", [this] { destination()->setText(QStringLiteral("Kormo Shadow")); },
         "Destination Company Not Correct", "txtDestinationCompany", false},
        {"reversed period", [this] { fromDate()->setDate(kApril10.addDays(1)); },
         "From Date Greater than Do Date", "txtFromDate", false},
        {"from before the year", [this] { fromDate()->setDate(QDate(2026, 3, 31)); },
         "From Date not in this Financial Period", "txtFromDate", true},
        {"to after the year", [this] { toDate()->setDate(QDate(2027, 4, 1)); },
         "to Date not in this Financial Period", "txtToDate", true},
        {"no voucher in the period", [this] { toDate()->setDate(kApril10.addDays(2));
                                                               fromDate()->setDate(kApril10.addDays(1)); },
         "No Transaction to Transfer for this period", "cmdExit", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        openReady();
        c.edit();
        exitButton()->setFocus();
        prompts.clear();
        process()->click();

        ASSERT_EQ(prompts.boxes().size(), 1);
        EXPECT_EQ(prompts.boxes().first().text, QString::fromLatin1(c.message));
        EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::None);
        EXPECT_EQ(prompts.boxes().first().title, u"VantProcess");
        QWidget *field = control<QWidget>(c.field);
        EXPECT_EQ(focusAtMessage, c.focusBeforeMessage ? field : exitButton());
        EXPECT_EQ(focused(), field);
        EXPECT_EQ(count(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=2")), 0);
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(ToolsProcessTest, CompletedRunDisablesProcessAndSaysSo)
{
    openReady();
    process()->click();
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_EQ(count(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=2")), 2);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccPending where CompanyCode=2")), 1);
    EXPECT_EQ(title()->text(), u"Transfer    [ Completed ]");
    EXPECT_FALSE(process()->isEnabled());
    EXPECT_FALSE(progress()->isVisible());
    EXPECT_EQ(progress()->value(), 0);
    EXPECT_EQ(progress()->maximum(), 3);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ToolsProcessTest, OverwriteQuestionsAnsweredNoChangeNothing)
{
    addLine({2, 1, kApril10, 102, QStringLiteral("201"), QStringLiteral("D"), 5, 1, QStringLiteral("Copy"),
             QStringLiteral("11")});
    for (const auto &answers : {std::initializer_list<bool>{false}, std::initializer_list<bool>{true, false}}) {
        openReady();
        const QStringList before = snapshot();
        prompts.clear();
        prompts.answerQuestions(answers);
        process()->click();
        EXPECT_EQ(prompts.boxes().size(), int(answers.size()));
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(process()->isEnabled());
        EXPECT_EQ(title()->text(), u"Transfer");
    }

    openReady();
    prompts.clear();
    prompts.answerQuestions({true, true});
    process()->click();
    EXPECT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(rows(QStringLiteral("select VoucherNo,OldVoucherNo from accvoucher2026 where CompanyCode=2")),
              QStringList({QStringLiteral("1|11"), QStringLiteral("1|11")}));
    EXPECT_EQ(count(QStringLiteral("select count(*) from accdelvoucher where type='V'")), 1);
}

TEST_F(ToolsProcessTest, FailedRunLeavesTheWindowReadyForAnotherTry)
{
    session.accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        class NoNumbers : public LedgerAccounts
        {
            Outcome<int> GetMaxVoucherNo(const QString &, int) override
            {
                return Error{-2147217900, QStringLiteral("Numbering failed")};
            }
        };
        return std::unique_ptr<AccountsComponent>(std::make_unique<NoNumbers>());
    };
    openReady();
    const QStringList before = snapshot();
    process()->click();
    EXPECT_EQ(prompts.texts(), QStringList({errorReportMessage({-2147217900, QStringLiteral("Numbering failed")})}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(title()->text(), u"Transfer");
    EXPECT_TRUE(process()->isEnabled());
    EXPECT_FALSE(progress()->isVisible());
}

TEST_F(ToolsProcessTest, TransactionFailureIsLoggedUnderProcesstransferAndShownPlainly)
{
    openReady();
    ASSERT_TRUE(db().beginTransaction());
    process()->click();
    ASSERT_TRUE(db().rollbackTransaction());

    const QStringList log = logLines();
    ASSERT_GE(log.size(), 5);
    EXPECT_EQ(log.last(), u"ErrForm : frmVantTools    ErrEvent : Processtransfer");
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(QStringLiteral("ErrMessage : ") + prompts.boxes().first().text, log.at(log.size() - 2));
    EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::None);
    EXPECT_TRUE(process()->isEnabled());
    EXPECT_EQ(count(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=2")), 0);
}

class PurgeWindowTest : public ToolsWindowFixture
{
protected:
    void failingPurge()
    {
        session.accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
            return Error{429, QStringLiteral("ActiveX component can't create object")};
        };
    }
};

TEST_F(PurgeWindowTest, CompletedPurgeClosesTheWindow)
{
    open(0);
    prompts.answerQuestions({true});
    process()->click();
    EXPECT_EQ(prompts.texts().last(), u"Purge Data Completed");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(PurgeWindowTest, NoOrFailureKeepsTheWindowOpen)
{
    open(0);
    process()->click();
    EXPECT_EQ(prompts.boxes().size(), 1);
    EXPECT_TRUE(window->isVisible());

    failingPurge();
    prompts.clear();
    prompts.answerQuestions({true});
    process()->click();
    EXPECT_TRUE(prompts.texts().last().startsWith(u"Unexpected error in procedure: ProcessPurgeData\r\nError #91: "));
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace vant::test
