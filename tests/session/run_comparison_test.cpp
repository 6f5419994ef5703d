// A run is compared with its preview, a dry run with the same values: every point where the run
// did otherwise is named, with what the preview said and what the run did.
#include "session/run_comparison.h"

#include "support/qt_printers.h"
#include "support/sample_runs.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using namespace Qt::StringLiterals;

QStringList said(const QList<RunDifference> &differences)
{
    QStringList lines;
    for (const RunDifference &difference : differences)
        lines << difference.what + u": "_s + difference.preview + u" / "_s + difference.run;
    return lines;
}

TEST(RunComparison, ARunThatDidWhatThePreviewSaidHasNoDifference)
{
    const QList<RunDifference> differences = runDifferences(test::samplePosting(), test::samplePosting());
    EXPECT_EQ(said(differences), QStringList());
    EXPECT_EQ(comparisonSummary(differences), u"The run did what the preview showed.");
}

// Another user posted 702 between the preview and the run.
TEST(RunComparison, EachPointWhereTheRunDifferedIsNamed)
{
    RunRecord run = test::samplePosting();
    run.tables = {{u"AccOffLineVoucher"_s, 0, 0, 2}, {u"accvoucher2026"_s, 2, 0, 0}, {u"AccPending"_s, 1, 0, 0}};
    run.numbers.vouchers = {41, 41};
    run.numbers.subNumbers = {{5, u"2026"_s, {7, 7}}, {6, u"2026"_s, {1, 1}}};
    run.posted = 1;
    run.failed.prepend({u"702"_s, u"no line of the company left to post"_s});
    run.failed.last().reason = u"refused otherwise"_s;

    const QList<RunDifference> differences = runDifferences(test::samplePosting(), run);
    EXPECT_EQ(said(differences),
              QStringList({
                  u"AccOffLineVoucher: rows changed: 4 / 2"_s,
                  u"AccPending: rows added: 0 / 1"_s,
                  u"accvoucher2026: rows added: 4 / 2"_s,
                  u"Voucher numbers: 41-42 / 41"_s,
                  u"Sub-numbers of voucher code 5 (2026): 7-8 / 7"_s,
                  u"Sub-numbers of voucher code 6 (2026): none / 1"_s,
                  u"Vouchers posted: 2 / 1"_s,
                  u"Off-line voucher 703: not posted: its amount 0.00 is not above 0 / not "
                  "posted: refused otherwise"_s,
                  u"Off-line voucher 702: posted / not posted: no line of the company left to post"_s,
              }));
    EXPECT_EQ(comparisonSummary(differences),
              u"The run did not do what the preview showed, in 9 points: the data changed between the preview and "
              "the run, perhaps by another user.");
}

TEST(RunComparison, TheResultAndTheAnswersGivenAreCompared)
{
    RunRecord preview;
    preview.job = u"transfer"_s;
    preview.result = u"completed"_s;
    preview.questions = {{u"Overwrite?"_s, u"Overwrite?\r\n Sure?"_s, true}, {u"Proceed?"_s, u"Proceed?"_s, true}};
    RunRecord run = preview;
    run.result = u"declined"_s;
    run.questions.last().answer = false;
    EXPECT_EQ(said(runDifferences(preview, run)),
              QStringList({u"Result: completed / declined"_s, u"Question \"Proceed?\": Yes / No"_s}));
    // A question that only one of them asked.
    run.questions.removeLast();
    EXPECT_EQ(said(runDifferences(run, preview)).last(), u"Question \"Proceed?\": not asked / Yes");
}

} // namespace
} // namespace vant
