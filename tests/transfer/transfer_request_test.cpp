#include "transfer_fixture.h"

#include "session/error_report.h"
#include "transfer/transfer_request.h"

namespace vant::test {
namespace {

struct CheckCase
{
    const char *name;
    TransferRequest request;
    const char *message;
    ToolsField focus;
    bool focusBeforeMessage;
};

const QDate kApril10(2026, 4, 10);

class TransferRequestTest : public TransferFixture
{
protected:
    TransferRequestTest() { addLine({1, 11, kApril10}); }
};

TEST_F(TransferRequestTest, ChecksRefuseInOrderWithTheirMessageAndFocus)
{
    const QString one = QStringLiteral("1");
    const QString two = QStringLiteral("2");
    const QDate yearBegin(2026, 4, 1);
    const QDate yearEnd(2027, 3, 31);
    const QList<CheckCase> cases = {
        {"empty source", {QString(), two, kApril10, kApril10}, "Parent Company Not Correct", ToolsField::SourceCompany,
         false},
        {"edited source", {QStringLiteral("0"), two, kApril10, kApril10}, "Parent Company Not Correct",
         ToolsField::SourceCompany, false},
        {"unknown source", {QStringLiteral("77"), two, kApril10, kApril10}, "Parent Company Not Correct",
         ToolsField::SourceCompany, false},
        {"no destination", {one, QString(), kApril10, kApril10}, "Destination Company Not Correct",
         ToolsField::DestinationCompany, false},
        {"unknown destination", {one, QStringLiteral("99"), kApril10, kApril10}, "Destination Company Not Correct",
         ToolsField::DestinationCompany, false},
        {"reversed period", {one, two, kApril10, yearBegin}, "From Date Greater than Do Date", ToolsField::FromDate,
         false},
        {"from before the year", {one, two, yearBegin.addDays(-1), kApril10}, "From Date not in this Financial Period",
         ToolsField::FromDate, true},
        {"from after the year", {one, two, yearEnd.addDays(1), yearEnd.addDays(2)},
         "From Date not in this Financial Period", ToolsField::FromDate, true},
        {"to after the year", {one, two, kApril10, yearEnd.addDays(1)}, "to Date not in this Financial Period",
         ToolsField::ToDate, true},
        {"no voucher in the period", {one, two, kApril10.addDays(1), kApril10.addDays(5)},
         "No Transaction to Transfer for this period", ToolsField::None, false},
    };
    for (const CheckCase &c : cases) {
        SCOPED_TRACE(c.name);
        const auto refusal = checkTransferRequest(session, c.request);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->message, QString::fromLatin1(c.message));
        EXPECT_EQ(refusal->focus, c.focus);
        EXPECT_EQ(refusal->focusBeforeMessage, c.focusBeforeMessage);
    }
}

TEST_F(TransferRequestTest, YearBoundsAndOneDayPeriodsPass)
{
    addLine({1, 12, QDate(2026, 4, 1)});
    addLine({1, 13, QDate(2027, 3, 31)});
    EXPECT_FALSE(checkTransferRequest(session, {QStringLiteral("1"), QStringLiteral("3"), QDate(2026, 4, 1),
                                                QDate(2027, 3, 31)}));
    EXPECT_FALSE(checkTransferRequest(session, {QStringLiteral(" 1 "), QStringLiteral("2 "), kApril10, kApril10}));
    EXPECT_TRUE(prompts.boxes().isEmpty());
}

TEST_F(TransferRequestTest, BillwiseAndChequesAloneAreNoTransaction)
{
    addBillwise(1, 40, QDate(2026, 5, 2));
    addCheque(1, 40, QDate(2026, 5, 2));
    const auto refusal = checkTransferRequest(session, {QStringLiteral("1"), QStringLiteral("2"), QDate(2026, 5, 1),
                                                        QDate(2026, 5, 31)});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, u"No Transaction to Transfer for this period");
}

TEST_F(TransferRequestTest, FailedVoucherCountIsReportedAndRefused)
{
    session.VoucherTable = QStringLiteral("accvoucher1999");
    const auto refusal = checkTransferRequest(session, {QStringLiteral("1"), QStringLiteral("2"), kApril10, kApril10});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, u"No Transaction to Transfer for this period");
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::Critical);
    EXPECT_EQ(logLines().last(), u"ErrForm : frmVantTools    ErrEvent : CheckTransAvail");
}

TEST_F(TransferRequestTest, RowCountAddsTheThreeKindsUpToTheLimit)
{
    addLine({1, 11, kApril10, 201});
    addBillwise(1, 11, kApril10);
    addCheque(1, 11, kApril10);
    addCheque(1, 11, QDate(2026, 6, 1));
    const TransferRequest april{QStringLiteral("1"), QStringLiteral("2"), QDate(2026, 4, 1), QDate(2026, 4, 30)};
    EXPECT_EQ(transferRowCount(session, april), 4);

    exec({QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<200001) "
                         "insert into AccPending(CompanyCode,TransDate) select 1,'2026-04-11' from n")});
    EXPECT_EQ(transferRowCount(session, april), 200000);
}

TEST_F(TransferRequestTest, OverwriteIsAskedOnlyWhenTheDestinationHasVouchers)
{
    const TransferRequest april{QStringLiteral("1"), QStringLiteral("2"), QDate(2026, 4, 1), QDate(2026, 4, 30)};
    EXPECT_TRUE(confirmOverwrite(session, april));
    EXPECT_TRUE(prompts.boxes().isEmpty());

    addLine({2, 1, kApril10});
    const QString first = QStringLiteral("Data Transfer already done for this period.\r\n"
                                         " Do you want Overwrite with existing Data ? ");
    const QString second = QStringLiteral("Any modification made during this period in Shadow Company will be "
                                          "deleted.\r\nDo you want to proceed...?");
    prompts.answerQuestions({false});
    EXPECT_FALSE(confirmOverwrite(session, april));
    EXPECT_EQ(prompts.texts(), QStringList({first}));

    prompts.clear();
    prompts.answerQuestions({true, false});
    EXPECT_FALSE(confirmOverwrite(session, april));
    EXPECT_EQ(prompts.texts(), QStringList({first, second}));

    prompts.clear();
    prompts.answerQuestions({true, true});
    EXPECT_TRUE(confirmOverwrite(session, april));
    EXPECT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(prompts.boxes().first().title, u"VantProcess");
}

} // namespace
} // namespace vant::test
