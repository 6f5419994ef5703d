#include "transfer_fixture.h"

#include "session/error_report.h"
#include "session/ledger_accounts.h"
#include "transfer/purge_data.h"

namespace vant::test {
namespace {

const QString kQuestion = QStringLiteral("Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?");

class RefusingPurge : public LedgerAccounts
{
public:
    Status PURGEDATA(const QString &) override { return Error{-2147217865, QStringLiteral("Invalid object name")}; }
};

class PurgeDataTest : public TransferFixture
{
protected:
    PurgeDataTest()
    {
        exec({QStringLiteral("insert into AccOffLineVoucher(CompanyCode,VoucherNo,VoucherDt,CrDr,Moved) values "
                             "(1,1,'2026-04-10','D','Y')"),
              QStringLiteral("insert into AccOffLineVoucher(CompanyCode,VoucherNo,VoucherDt,CrDr,Moved) values "
                             "(1,2,'2026-04-10','D',null)")});
    }
};

TEST_F(PurgeDataTest, YesHandsTheVoucherTableToTheComponent)
{
    QString purgedTable;
    session.accountsFactory = [&purgedTable](const QString &progId) -> Outcome<std::unique_ptr<AccountsComponent>> {
        EXPECT_EQ(progId, u"KormoVant.clsQRXAccounts");
        class Recording : public LedgerAccounts
        {
        public:
            explicit Recording(QString &table) : m_table(table) {}
            Status PURGEDATA(const QString &voucherTable) override
            {
                m_table = voucherTable;
                return LedgerAccounts::PURGEDATA(voucherTable);
            }

        private:
            QString &m_table;
        };
        return std::unique_ptr<AccountsComponent>(std::make_unique<Recording>(purgedTable));
    };
    prompts.answerQuestions({true});

    EXPECT_TRUE(ProcessPurgeData(session));
    EXPECT_EQ(purgedTable, u"accvoucher2026");
    ASSERT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(prompts.boxes().at(0).text, kQuestion);
    EXPECT_EQ(prompts.boxes().at(0).kind, ScriptedPrompts::Kind::Question);
    EXPECT_EQ(prompts.boxes().at(1).text, u"Purge Data Completed");
    EXPECT_EQ(prompts.boxes().at(1).icon, PromptIcon::None);
    EXPECT_EQ(prompts.boxes().at(1).title, u"VantProcess");
    EXPECT_EQ(rows(QStringLiteral("select VoucherNo from AccOffLineVoucher")), QStringList({QStringLiteral("2")}));
}

TEST_F(PurgeDataTest, NoLeavesEverything)
{
    const QStringList before = snapshot();
    EXPECT_FALSE(ProcessPurgeData(session));
    EXPECT_EQ(prompts.texts(), QStringList({kQuestion}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(session.AccountsObject);
}

TEST_F(PurgeDataTest, FailedPurgeShowsItsOwnErrorBoxWithoutLogging)
{
    session.accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return std::unique_ptr<AccountsComponent>(std::make_unique<RefusingPurge>());
    };
    prompts.answerQuestions({true});

    EXPECT_FALSE(ProcessPurgeData(session));
    ASSERT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(prompts.boxes().at(1).text,
              u"Unexpected error in procedure: ProcessPurgeData\r\nError #-2147217865: Invalid object name");
    EXPECT_EQ(prompts.boxes().at(1).icon, PromptIcon::Critical);
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(PurgeDataTest, ComponentThatCannotBeCreatedIsReportedThenThePurgeFails)
{
    session.accountsFactory = [](const QString &) -> Outcome<std::unique_ptr<AccountsComponent>> {
        return Error{429, QStringLiteral("ActiveX component can't create object")};
    };
    prompts.answerQuestions({true});

    EXPECT_FALSE(ProcessPurgeData(session));
    EXPECT_EQ(prompts.texts(),
              QStringList({kQuestion, errorReportMessage({429, QStringLiteral("ActiveX component can't create object")}),
                           QStringLiteral("Unexpected error in procedure: ProcessPurgeData\r\nError #91: Object "
                                          "variable or With block variable not set")}));
    EXPECT_EQ(logLines().last(), u"ErrEvent : AccountsObjectCreation");
}

} // namespace
} // namespace vant::test
