#pragma once

#include "run_record.h"

#include <QList>
#include <QString>

namespace vant {

// One thing that a run did otherwise than its preview said: what it is, and how each put it, in
// the user's language.
struct RunDifference
{
    QString what;
    QString preview;
    QString run;
};

// Where the record of a run differs from the record of its preview, a dry run with the same
// values: the result, the rows per table, the numbers drawn, the vouchers posted and not posted,
// and the answers to the questions asked. Empty when the run did what the preview said.
QList<RunDifference> runDifferences(const RunRecord &preview, const RunRecord &run);

// The differences said plainly in a sentence, in the user's language.
QString comparisonSummary(const QList<RunDifference> &differences);

// A range of numbers as the user reads it: "none", "7" or "7-9".
QString rangeText(const NumberRange &range);

// A run's result ("completed", "failed", ...) in the user's language.
QString resultText(const QString &result);

} // namespace vant
