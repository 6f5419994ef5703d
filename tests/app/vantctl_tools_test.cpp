// vantctl transfer and purge, the tools window's two jobs: its checks and questions, answered
// by --yes, then the run, against a real database.
#include "vantctl_fixture.h"

#include "support/test_server.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// Two vouchers of May, one of them with two lines and a bill-wise row, and one of June.
class VantctlTransferTest : public VantctlTest
{
protected:
    VantctlTransferTest() { executeScript(u"may_vouchers.sql"_s); }

    CtlRun transfer(const QString &dest, const QString &options)
    {
        return runAsAdmin(QStringList{u"transfer"_s, u"--dest"_s, dest} + options.split(u' '));
    }

    const QString may = u"--from 2026-05-01 --to 2026-05-31"_s;
};

// The rows a transfer copies, and that an overwrite answered No keeps them, are the engine's and the
// tools window's tests; here, vantctl's refusals, captions, questions and answers.
TEST_F(VantctlTransferTest, TransferCopiesAndOverwritesOnlyWithYes)
{
    // The job's checks and their texts are the window's; a refusal is an error on its own line. The
    // default company is no shadow of itself: the lookup would not offer it.
    const CtlRun notShadow = transfer(u"1"_s, may + u" --yes"_s);
    EXPECT_EQ(notShadow.exitCode, 1);
    EXPECT_EQ(notShadow.err, u"Destination Company Not Correct\n"_s);
    EXPECT_EQ(notShadow.out, QString());

    // The destination may be named, in any case and with blanks around it.
    const QString copied = u"Transfer    [ Completed ]\nCopied 3 voucher rows of 01-05-2026 to 31-05-2026 from Kormo "
                           u"Traders (1) into Kormo Shadow One (2).\n"_s;
    const CtlRun first = transfer(u" kormo shadow one "_s, may);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, u"Transfer    [ Clear Old Records...]\nTransfer    [ Transfer Division Details...]\n"
                         u"Transfer    [ Transfer Voucher Details...]\n"
                         u"Transfer    [ Transfer Billwise Outstanding Details ...]\n"
                         u"Transfer    [ Transfer Cheque Details...]\n"_s
                             + copied);

    const QString overwrite =
        u"Data Transfer already done for this period.\n Do you want Overwrite with existing Data ? \n"_s;
    const CtlRun refused = transfer(u"2"_s, may);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, overwrite + u"No: run again with --yes to answer Yes\n"_s);
    EXPECT_EQ(refused.out, QString());

    const CtlRun confirmed = transfer(u"2"_s, may + u" --yes"_s);
    EXPECT_EQ(confirmed.exitCode, 0);
    EXPECT_EQ(confirmed.err, overwrite
                                 + u"Yes (--yes)\nAny modification made during this period in Shadow Company "
                                   u"will be deleted.\nDo you want to proceed...?\nYes (--yes)\n"_s);
    EXPECT_TRUE(confirmed.out.endsWith(copied));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlTransferTest, AFailedTransferIsReported)
{
    VANT_SQLITE_ONLY("a SQLite trigger injects the failure");
    ASSERT_EQ(transfer(u"2"_s, may).exitCode, 0);
    execute({u"create trigger refuse_shadow before insert on accvoucher2026 when new.CompanyCode = 2 "
             "begin select raise(abort, 'shadow refused'); end"_s});
    const CtlRun failed = transfer(u"2"_s, may + u" --yes"_s);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains(u"Yes (--yes)\nError Number : "_s) && failed.err.contains(u"shadow refused"_s))
        << failed.err.toStdString();
}

// What the purge removes is the accounts component's tests; that No keeps it, the tools window's.
TEST_F(VantctlTest, PurgeRemovesThePostedVouchersOnlyWithYes)
{
    executeScript(u"purge_vouchers.sql"_s);
    const QString question = u"Recovery of Data is not Possible ?\nDo you Whis to Proceed ?\n"_s;

    const CtlRun refused = runAsAdmin({u"purge"_s});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, question + u"No: run again with --yes to answer Yes\n"_s);
    EXPECT_EQ(refused.out, QString());

    // The dry run purges and undoes it, then tells what the purge would remove.
    const CtlRun dry = runAsAdmin({u"purge"_s, u"--yes"_s, u"--dry-run"_s});
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_EQ(dry.out, u"Purged 2 posted off-line voucher lines of Kormo Traders (1).\nDry run: nothing was changed. "
                       u"The run would succeed; it would leave:\n  AccOffLinePending: 1 removed\n"
                       u"  AccOffLineVoucher: 2 removed\n"_s);

    const CtlRun run = runAsAdmin({u"purge"_s, u"--yes"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, question + u"Yes (--yes)\nPurge Data Completed\n"_s);
    EXPECT_EQ(run.out, u"Purged 2 posted off-line voucher lines of Kormo Traders (1).\n"_s);

    // A failed purge shows its own message and removes nothing.
    execute({u"update AccOffLineVoucher set Moved='Y'"_s, u"drop table accvoucher2026"_s});
    const CtlRun failed = runAsAdmin({u"purge"_s, u"--yes"_s});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.startsWith(question
                                      + u"Yes (--yes)\nUnexpected error in procedure: ProcessPurgeData\n"
                                        u"Error #"_s))
        << failed.err.toStdString();
    EXPECT_EQ(failed.out, QString());
}

// A reader that stops reading (vantctl ... | head -c 20) does not end the job.
TEST_F(VantctlTransferTest, AReaderThatGoesAwayDoesNotEndTheJob)
{
    // As from a shell: the broken pipe's signal at its default, the reader gone after 20 bytes.
    const CtlRun piped = runProgram(u"bash"_s, {u"-c"_s,
                                                u"env --default-signal=PIPE \"$0\" \"$@\" | head -c 20 >/dev/null; "
                                                "echo ${PIPESTATUS[0]}"_s,
                                                m_program, u"--user"_s, u"Admin"_s, u"--password"_s, u"vant"_s,
                                                u"transfer"_s, u"--dest"_s, u"2"_s, u"--from"_s, u"2026-05-01"_s,
                                                u"--to"_s, u"2026-05-31"_s, u"--yes"_s});
    EXPECT_EQ(piped.out, u"0\n"_s) << piped.err.toStdString();
    EXPECT_EQ(scalar(u"select count(*) from accvoucher2026 where CompanyCode=2"_s), u"3"_s);
}

} // namespace
} // namespace vant::test
