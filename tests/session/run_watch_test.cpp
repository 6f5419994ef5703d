#include "session/accounts_guard.h"
#include "session/products.h"
#include "session/run_journal.h"
#include "session/run_watch.h"

#include "session_fixture.h"

#include <QJsonArray>

namespace vant {
namespace {

using namespace Qt::StringLiterals;

class RunWatchTest : public test::SessionTest
{
protected:
    void SetUp() override
    {
        connectSeeded();
        QFile::remove(RunJournal::defaultPath());
        m_session.userName = u"Admin"_s;
        m_session.productCode = products().first().code;
        m_session.companyCode = u"1"_s;
        ASSERT_TRUE(m_accounts.AccountsObjectCreation());
    }

    // What a job does with the numbering: voucher numbers 42 and 43, sub-numbers 1 and 2 of code 5.
    void drawNumbers()
    {
        AccountsComponent &accounts = *m_accounts.get();
        for (int i = 0; i < 2; ++i) {
            const Outcome<int> voucherNo = accounts.GetMaxVoucherNo(u"accvoucher2026"_s, 2);
            const Outcome<int> serial = accounts.GetMaxSubVNo(5, 2, 1, u"2026"_s);
            ASSERT_TRUE(voucherNo && serial);
            ASSERT_TRUE(accounts.UpdateVoucherNo(*voucherNo, u"2"_s));
            exec(u"update AccCompanyVoucherNo set VoucherSlno=%1 where CompanyCode='2' and VoucherCode=5"_s.arg(
                *serial));
            exec(u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,VoucherCode,VoucherSlno) "
                 "values (2,%1,'2026-05-01',5,%2)"_s.arg(*voucherNo)
                     .arg(*serial));
        }
    }

    AccountsGuard m_accounts{m_session};
};

// A dry run's record tells what the job did, though all of it is then undone.
TEST_F(RunWatchTest, RecordsTheStartThenTheRowsAndNumbersOfTheRunInTheJournal)
{
    exec(u"update acccompanymaster set Voucherno=41 where CompanyCode=2"_s);
    TransactionGuard dryRun(*m_session.db());
    ASSERT_TRUE(dryRun.begin());
    {
        RunWatch watch(m_session, u"transfer"_s, {{u"dest"_s, u"2"_s}}, RunMode::DryRun);
        watch.watchNumbers(u"2"_s);
        // A run that never ends (the program killed, the machine down) still tells who started
        // what: its record is written when it starts, and again when it ends.
        const auto started = RunJournal(RunJournal::defaultPath(), m_session.errorLog).read({});
        ASSERT_TRUE(started && started->size() == 1);
        EXPECT_EQ(started->first().value(u"result"_s).toString(), u"started"_s);
        EXPECT_EQ(started->first().value(u"user"_s).toString(), u"Admin"_s);
        EXPECT_EQ(started->first().value(u"parameters"_s).toObject().value(u"dest"_s).toString(), u"2"_s);
        {
            // The job's own transaction: a part rolled back leaves nothing in the record.
            TransactionGuard job(*m_session.db());
            ASSERT_TRUE(job.begin());
            drawNumbers();
            {
                TransactionGuard undone(*m_session.db());
                ASSERT_TRUE(undone.begin());
                exec(u"delete from accvoucher2026"_s);
            }
            exec(u"delete from accledgermaster where ledgercode=101"_s);
            ASSERT_TRUE(job.commit());
        }
        EXPECT_EQ(watch.finish(u"completed"_s).product, products().first().name);
    }
    dryRun.rollback();
    EXPECT_EQ(scalar(u"select Voucherno from acccompanymaster where CompanyCode=2"_s), u"41"_s);

    const auto records = RunJournal(RunJournal::defaultPath(), m_session.errorLog).read({});
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1);
    // The tables, rows and numbers as the journal keeps them.
    const QJsonObject json = records->first();
    EXPECT_EQ(json.value(u"job"_s).toString(), u"transfer"_s);
    EXPECT_EQ(json.value(u"result"_s).toString(), u"completed"_s);
    EXPECT_TRUE(json.value(u"dryRun"_s).toBool());
    EXPECT_EQ(describeRecord(json),
              QStringList({u"  acccompanymaster: 2 changed"_s, u"  AccCompanyVoucherNo: 1 added, 2 changed"_s,
                           u"  accledgermaster: 1 removed"_s, u"  accvoucher2026: 2 added"_s,
                           u"  voucher numbers 42-43"_s, u"  sub-numbers of voucher code 5 (2026) 1-2"_s}));
}

// A question of a run is asked through the session's prompts and kept with the answer given, in the
// program's words for the journal.
TEST_F(RunWatchTest, AQuestionIsAskedThroughThePromptsAndKeptWithItsAnswer)
{
    RunWatch watch(m_session, u"transfer"_s, {}, RunMode::Real);
    m_prompts.answerQuestions({true, false});
    EXPECT_TRUE(watch.ask("vant::TransferJob", "Overwrite?"));
    EXPECT_FALSE(watch.ask("vant::TransferJob", "Proceed?"));
    EXPECT_EQ(m_prompts.texts(), QStringList({u"Overwrite?"_s, u"Proceed?"_s}));
    const QJsonObject json = watch.finish(u"declined"_s).toJson();
    EXPECT_EQ(json.value(u"questions"_s).toArray(),
              QJsonArray({QJsonObject{{u"question"_s, u"Overwrite?"_s}, {u"answer"_s, u"yes"_s}},
                          QJsonObject{{u"question"_s, u"Proceed?"_s}, {u"answer"_s, u"no"_s}}}));
}

} // namespace
} // namespace vant
