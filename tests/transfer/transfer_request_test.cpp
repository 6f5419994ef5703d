#include "transfer_fixture.h"

#include "transfer/transfer_request.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

TEST_F(TransferFixture, PeriodOnTheYearsBoundsPasses)
{
    addLine(1, 12, QDate(2026, 4, 1));
    addLine(1, 13, QDate(2027, 3, 31));
    EXPECT_FALSE(checkTransferRequest(session, {u" 1 "_s, u"3"_s, QDate(2026, 4, 1), QDate(2027, 3, 31)}));
    EXPECT_FALSE(checkTransferRequest(session, {u"1"_s, u"2 "_s, QDate(2027, 3, 31), QDate(2027, 3, 31)}));
    EXPECT_TRUE(prompts.boxes().isEmpty());
}

TEST_F(TransferFixture, FailedVoucherCountIsReportedAndRefused)
{
    session.VoucherTable = u"accvoucher1999"_s;
    const auto refusal = checkTransferRequest(session, {u"1"_s, u"2"_s, QDate(2026, 4, 10), QDate(2026, 4, 10)});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, u"No Transaction to Transfer for this period");
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::Critical);
    EXPECT_EQ(logLines().last(), u"ErrForm : frmVantTools    ErrEvent : CheckTransAvail");
}

// The bar's maximum: the period's rows of the three kinds, at most 200000.
TEST_F(TransferFixture, RowCountAddsTheThreeKindsUpToTheLimit)
{
    addLine(1, 11, QDate(2026, 4, 10));
    addBillwise(1, 11, QDate(2026, 4, 10));
    addCheque(1, 11, QDate(2026, 4, 10));
    addCheque(1, 11, QDate(2026, 6, 1));
    const TransferRequest april{u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)};
    EXPECT_EQ(transferRowCount(session, april), 3);

    exec({u"with recursive n(i) as (select 1 union all select i+1 from n where i<200001) "
          "insert into AccPending(CompanyCode,TransDate) select 1,'2026-04-11' from n"_s});
    EXPECT_EQ(transferRowCount(session, april), 200000);
}

} // namespace
} // namespace vant::test
