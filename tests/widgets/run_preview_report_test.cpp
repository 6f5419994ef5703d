// The report of a run's preview: whether the run would succeed, said in a line, above the tables
// of the dry run's record.
#include "widgets/run_preview_report.h"

#include "support/qt_printers.h"
#include "support/sample_runs.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using namespace Qt::StringLiterals;

TEST(RunPreviewReport, TheOutcomeFollowsTheWindowsLinesAndTheTablesTheRecord)
{
    Report heading;
    heading.title = u"Preview"_s;
    heading.lines = {u"Division: Main"_s};
    const Report report = previewReport(test::samplePosting(), heading);
    EXPECT_EQ(report.title, u"Preview");
    EXPECT_EQ(report.lines, QStringList({u"Division: Main"_s,
                                         u"Outcome: The run would succeed in part: 1 of the 3 marked vouchers would "
                                         "not be posted."_s,
                                         u"Vouchers to post: 2"_s}));
    ASSERT_EQ(report.tables.size(), 4);
    EXPECT_EQ(report.tables.at(2).rows,
              QList<QStringList>({{u"703"_s, u"Refused"_s, u"its amount 0.00 is not above 0"_s}}));

    RunRecord stopped = test::samplePosting();
    stopped.result = u"failed"_s;
    stopped.message = u"VoucherNO is duplicated. Contact Software Vendor..."_s;
    EXPECT_EQ(RunPreviewText::outcome(stopped),
              u"The run would not succeed: VoucherNO is duplicated. Contact Software Vendor..."_s);
    RunRecord declined = test::samplePosting();
    declined.result = u"declined"_s;
    EXPECT_EQ(RunPreviewText::outcome(declined), u"The run would not start: a question was answered No.");
}

} // namespace
} // namespace vant
