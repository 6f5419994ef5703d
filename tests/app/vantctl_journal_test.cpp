// What vantctl tells before and after a job: the reconciliation of a transferred period and
// the run journal's history.
#include "vantctl_fixture.h"

#include "session/run_journal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class VantctlJournalTest : public VantctlTest
{
protected:
    VantctlJournalTest()
    {
        QFile::remove(RunJournal::defaultPath());
        executeScript(u"may_vouchers.sql"_s);
    }

    CtlRun transferMay(const QString &more = QString())
    {
        return runAsAdmin((u"transfer --dest 2 --from 2026-05-01 --to 2026-05-31 --yes"_s + more).split(u' '));
    }
    CtlRun reconcileMay(const QString &more = QString())
    {
        return runAsAdmin((u"reconcile --dest 2 --from 2026-05-01 --to 2026-05-31"_s + more).split(u' '));
    }
    // The journal of a .jsonl file of tests/app/.
    static void useJournal(const char *name)
    {
        QDir().mkpath(QFileInfo(RunJournal::defaultPath()).path());
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANT_SOURCE_DIR "/tests/app/") + QLatin1String(name),
                                RunJournal::defaultPath()));
    }
};

// Known before: the dry run does the whole transfer and undoes it. Known after: both runs are in
// the journal with the same rows and numbers, and the reconciliation tells the copy from the source.
TEST_F(VantctlJournalTest, ATransferDryRunChangesNothingAndTheJournalHoldsBothRuns)
{
    const QString before = dump();
    const CtlRun dry = transferMay(u" --dry-run"_s);
    EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(u"Copied 3 voucher rows of 01-05-2026 to 31-05-2026 from Kormo Traders (1) into "
                                 u"Kormo Shadow One (2).\nDry run: nothing was changed. The run would succeed; it "
                                 u"would leave:\n"_s))
        << dry.out.toStdString();
    EXPECT_TRUE(dry.out.contains(u"  AccPending: 1 added\n"_s)) << dry.out.toStdString();
    EXPECT_TRUE(dry.out.contains(u"  accvoucher2026: 3 added\n"_s));
    EXPECT_EQ(dump(), before);

    ASSERT_EQ(transferMay().exitCode, 0);
    EXPECT_NE(dump(), before);
    const QStringList lines = run(u"history --json"_s.split(u' ')).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject dryRecord = QJsonDocument::fromJson(lines.at(0).toUtf8()).object();
    const QJsonObject record = QJsonDocument::fromJson(lines.at(1).toUtf8()).object();
    expectDryRunOf(dryRecord, record, {u"tables"_s, u"numbers"_s, u"result"_s, u"job"_s});
    EXPECT_EQ(record.value(u"user"_s).toString(), u"Admin"_s);
    EXPECT_EQ(record.value(u"parameters"_s).toObject().value(u"destination"_s).toString(), u"2"_s);
    EXPECT_FALSE(record.value(u"numbers"_s).toObject().isEmpty());

    // A refused dry run says why and that the real run would not succeed either.
    const CtlRun refused =
        runAsAdmin(u"transfer --dest 2 --from 2026-07-01 --to 2026-07-31 --dry-run --json"_s.split(u' '));
    EXPECT_EQ(refused.exitCode, 1);
    const QJsonObject refusal = QJsonDocument::fromJson(refused.out.toUtf8()).object();
    EXPECT_EQ(refusal.value(u"result"_s).toString(), u"refused"_s);
    EXPECT_EQ(refusal.value(u"message"_s).toString(), u"No Transaction to Transfer for this period"_s);

    // The reconciliation of the period matches after the transfer and names a hand-edited voucher.
    const CtlRun matched = reconcileMay();
    EXPECT_EQ(matched.exitCode, 0) << matched.out.toStdString();
    EXPECT_TRUE(matched.out.startsWith(u"Period 01-05-2026 to 31-05-2026 of Kormo Traders (1) beside its copy in "
                                       u"Kormo Shadow One (2)\n"_s))
        << matched.out.toStdString();
    EXPECT_TRUE(matched.out.endsWith(u"\nThe copy matches the source.\n"_s));
    EXPECT_TRUE(matched.out.contains(u"  5           source          2        3          350.00          100.00\n"
                                     u"              copy            2        3          350.00          100.00\n"_s))
        << matched.out.toStdString();

    const QString copyOf12 = scalar(u"select VoucherNo from accvoucher2026 where CompanyCode=2 and OldVoucherNo=12"_s);
    execute({u"update accvoucher2026 set Amount=260 where CompanyCode=2 and OldVoucherNo=12"_s});
    const CtlRun edited = reconcileMay(u" --json"_s);
    EXPECT_EQ(edited.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(edited.out.toUtf8()).object();
    EXPECT_FALSE(json.value(u"matches"_s).toBool());
    const QJsonArray differences = json.value(u"differences"_s).toArray();
    ASSERT_EQ(differences.size(), 1) << edited.out.toStdString();
    const QJsonObject difference = differences.first().toObject();
    EXPECT_EQ(difference.value(u"sourceVoucherNo"_s).toString(), u"12"_s);
    EXPECT_EQ(difference.value(u"copyVoucherNo"_s).toString(), copyOf12);
    EXPECT_EQ(difference.value(u"what"_s).toString(), u"line 1, Amount: 250.00 in the source, 260.00 in the copy"_s);
    EXPECT_EQ(difference.value(u"column"_s).toString(), u"Amount"_s);

    // A hand edit that leaves every total as it was.
    execute({u"update accvoucher2026 set Amount=250,Narration='Mended' where CompanyCode=2 and OldVoucherNo=12"_s});
    const CtlRun narration = reconcileMay();
    EXPECT_EQ(narration.exitCode, 1);
    EXPECT_TRUE(narration.out.endsWith(u"\n1 difference:\n  voucher code 5, voucher 12 (copy "_s + copyOf12
                                       + u"): line 1, Narration: \"May sale\" in the source, \"Mended\" in the "
                                         u"copy\n"_s))
        << narration.out.toStdString();

    const CtlRun notShadow = runAsAdmin(u"reconcile --dest 9 --from 2026-05-01 --to 2026-05-31"_s.split(u' '));
    EXPECT_EQ(notShadow.exitCode, 1);
    EXPECT_EQ(notShadow.err, u"Destination Company Not Correct\n"_s);
}

TEST_F(VantctlJournalTest, HistoryListsTheJournalWithoutALogin)
{
    useJournal("two_runs.jsonl");

    const CtlRun all = run({u"history"_s});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_EQ(all.out.count(u'\n'), 8) << all.out.toStdString();
    EXPECT_TRUE(all.out.contains(u"  transfer dry run  completed  user Admin, Kormo Vant, company 1, 12 ms\n  dest=2\n"
                                 u"  accvoucher2026: 3 added\n  voucher numbers 1-2\n"_s))
        << all.out.toStdString();
    EXPECT_TRUE(all.out.contains(u"  vouchers posted 0\n  voucher 7 not posted: Voucher No is 0\n"_s));

    const CtlRun posts = run(u"history --job post --json"_s.split(u' '));
    EXPECT_EQ(posts.exitCode, 0);
    const QStringList lines = posts.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(QJsonDocument::fromJson(lines.first().toUtf8()).object().value(u"result"_s).toString(), u"failed"_s);
    EXPECT_EQ(run(u"history --since 2026-12-02"_s.split(u' ')).out.count(u"  post "_s), 1);
    EXPECT_EQ(run(u"history --limit 1 --json"_s.split(u' ')).out.count(u'\n'), 1);

    const CtlRun wrong = run(u"history --job copy"_s.split(u' '));
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.startsWith(u"vantctl: --job is transfer, post or purge, not \"copy\"\n"_s));
}

// The text form is read by people and by scripts that grep it: every line it prints is one of its
// own, every list of the record is shown, and a run that never ended says so.
TEST_F(VantctlJournalTest, TextHistoryShowsListsEscapesControlsAndRunsThatNeverEnded)
{
    useJournal("unfinished_run.jsonl");

    const CtlRun history = run({u"history"_s});
    EXPECT_EQ(history.exitCode, 0) << history.err.toStdString();
    EXPECT_EQ(history.out.count(u'\n'), 4) << history.out.toStdString();
    EXPECT_TRUE(history.out.contains(u"  post     did not end  user Admin\\n2026-12-02 09:31:00  purge    "
                                     u"completed  user Root, Kormo Vant, company 1, 900 ms\n"
                                     u"  acType=0 marked=701,702\n"_s))
        << history.out.toStdString();
    EXPECT_TRUE(history.out.endsWith(u"  vouchers posted 1\n"_s)) << history.out.toStdString();
}

} // namespace
} // namespace vant::test
