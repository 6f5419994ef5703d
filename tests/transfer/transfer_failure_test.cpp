#include "transfer_fixture.h"

#include "session/error_report.h"
#include "session/ledger_accounts.h"

namespace vant::test {
namespace {

const QDate kAprilFirst(2026, 4, 1);
const QDate kAprilLast(2026, 4, 30);

// The program's own component, except that its numbering can be made to fail or to
// answer with no number from a given voucher on.
class ScriptedAccounts : public LedgerAccounts
{
public:
    enum class Fault { Error, NoNumber };

    ScriptedAccounts(int failingVoucher, Fault fault) : m_failingVoucher(failingVoucher), m_fault(fault) {}

    Outcome<int> GetMaxVoucherNo(const QString &voucherTable, int company) override
    {
        if (++m_calls < m_failingVoucher)
            return LedgerAccounts::GetMaxVoucherNo(voucherTable, company);
        if (m_fault == Fault::Error)
            return Error{-2147217900, QStringLiteral("Numbering failed for the voucher table")};
        return 0;
    }

private:
    int m_failingVoucher;
    Fault m_fault;
    int m_calls = 0;
};

class TransferFailureTest : public TransferFixture
{
protected:
    // Four vouchers of company 1 in April, each with a bill-wise entry and a cheque.
    void seedVouchers()
    {
        for (int voucher = 1; voucher <= 4; ++voucher) {
            const QDate day(2026, 4, 10 + voucher);
            addLine({1, voucher, day, 101, QStringLiteral("201"), QStringLiteral("D"), 10.0 * voucher, 1});
            addLine({1, voucher, day, 201, QStringLiteral("101"), QStringLiteral("C"), 10.0 * voucher, 1});
            addBillwise(1, voucher, day);
            addCheque(1, voucher, day);
        }
    }

    void failFrom(int voucher, ScriptedAccounts::Fault fault)
    {
        session.accountsFactory = [voucher, fault](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
            return std::unique_ptr<AccountsComponent>(std::make_unique<ScriptedAccounts>(voucher, fault));
        };
    }

    void expectReported(const QString &description)
    {
        ASSERT_EQ(prompts.boxes().size(), 1);
        EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::Critical);
        EXPECT_TRUE(prompts.boxes().first().text.endsWith(QStringLiteral("Message : ") + description))
            << prompts.boxes().first().text.toStdString();
        const QStringList log = logLines();
        ASSERT_GE(log.size(), 5);
        EXPECT_EQ(log.last(), u"ErrForm : frmVantTools    ErrEvent : InsertRecordstoShadow");
        EXPECT_EQ(log.at(log.size() - 2), QStringLiteral("ErrMessage : ") + description);
    }
};

TEST_F(TransferFailureTest, NumberingFailureMidRunLeavesTheDatabaseAsBefore)
{
    seedVouchers();
    // An earlier copy, so that the failed run has cleared, logged and counted before failing.
    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));
    addLine({2, 900, QDate(2026, 4, 20), 102, QStringLiteral("201"), QStringLiteral("D"), 5, 1,
             QStringLiteral("Own"), QStringLiteral("null")});
    exec({QStringLiteral("delete from accdivisionmaster where CompanyCode=2")});
    const QStringList before = snapshot();
    captions.clear();

    failFrom(3, ScriptedAccounts::Fault::Error);
    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end));
    EXPECT_EQ(*end, TransferEnd::Stopped);
    EXPECT_EQ(snapshot(), before);
    expectReported(QStringLiteral("Numbering failed for the voucher table"));
    EXPECT_FALSE(captions.contains(QStringLiteral("Transfer    [ Completed ]")));
}

TEST_F(TransferFailureTest, VoucherWithoutANumberStopsTheRun)
{
    seedVouchers();
    const QStringList before = snapshot();
    failFrom(2, ScriptedAccounts::Fault::NoNumber);

    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end));
    EXPECT_EQ(*end, TransferEnd::Stopped);
    EXPECT_EQ(snapshot(), before);
    expectReported(QStringLiteral("No voucher number was given for voucher 2 of company 2 (the accounts component "
                                  "answered 0); nothing was transferred."));
}

TEST_F(TransferFailureTest, NumberAlreadyUsedInTheShadowStopsTheRun)
{
    seedVouchers();
    // The shadow's counter lags behind a voucher entered there: the next number is taken.
    addLine({2, 1, QDate(2026, 3, 31), 102, QStringLiteral("201"), QStringLiteral("D"), 5, 1});
    const QStringList before = snapshot();

    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end));
    EXPECT_EQ(*end, TransferEnd::Stopped);
    EXPECT_EQ(snapshot(), before);
    expectReported(QStringLiteral("No voucher number was given for voucher 1 of company 2 (the accounts component "
                                  "answered -1); nothing was transferred."));
}

TEST_F(TransferFailureTest, SourceRowWithoutVoucherNumberIsRefused)
{
    seedVouchers();
    exec({QStringLiteral("update accvoucher2026 set VoucherNo=null where CompanyCode=1 and VoucherNo=3")});
    const QStringList before = snapshot();

    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end));
    EXPECT_EQ(*end, TransferEnd::Stopped);
    EXPECT_EQ(snapshot(), before);
    expectReported(QStringLiteral("A voucher row of voucher code 1 dated 2026-04-13 has no voucher number (NULL); "
                                  "nothing was transferred."));
}

TEST_F(TransferFailureTest, ComponentThatCannotBeCreatedIsReportedTwice)
{
    seedVouchers();
    const QStringList before = snapshot();
    session.accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return Error{429, QStringLiteral("ActiveX component can't create object")};
    };

    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end));
    EXPECT_EQ(*end, TransferEnd::Stopped);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(prompts.texts(),
              QStringList({errorReportMessage({429, QStringLiteral("ActiveX component can't create object")}),
                           errorReportMessage({91, QStringLiteral("Object variable or With block variable not set")})}));
    EXPECT_TRUE(logLines().contains(QStringLiteral("ErrEvent : AccountsObjectCreation")));
    EXPECT_EQ(logLines().last(), u"ErrForm : frmVantTools    ErrEvent : InsertRecordstoShadow");
}

TEST_F(TransferFailureTest, TransactionThatCannotBeginIsReturnedUntouched)
{
    seedVouchers();
    ASSERT_TRUE(db().beginTransaction());
    const auto end = transfer(kAprilFirst, kAprilLast);
    EXPECT_FALSE(bool(end));
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_TRUE(captions.isEmpty());
    ASSERT_TRUE(db().rollbackTransaction());
    EXPECT_EQ(count(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=2")), 0);
}

} // namespace
} // namespace vant::test
