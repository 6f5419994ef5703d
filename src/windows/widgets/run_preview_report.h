#pragma once

#include "report_paper.h"

#include "session/run_comparison.h"
#include "session/run_record.h"

#include <QCoreApplication>

namespace vant {

// The texts of a run's preview, in the user's language.
class RunPreviewText
{
    Q_DECLARE_TR_FUNCTIONS(vant::RunPreviewText)

public:
    // Whether the dry run's job would succeed, in a sentence.
    static QString outcome(const RunRecord &record);
};

// What the dry run of a job would do for real, under the heading the window gives (title,
// company, period, user, the values of the run as lines): whether the run would succeed and why
// not, then the tables of its record.
Report previewReport(const RunRecord &record, Report heading);

// The differences between a run and its preview, one row each.
ReportTable differencesTable(const QList<RunDifference> &differences);

} // namespace vant
