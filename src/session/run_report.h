#pragma once

#include "run_comparison.h"
#include "run_record.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace vant {

// A table of a report: its heading, the heads of its columns and its rows, one text per column;
// what stands in its place when it has no row.
struct RunReportTable
{
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    QString emptyText;
};

// What a window shows of a run, in the user's language, in a form that goes as well on paper or
// into a file: a title, a few facts (a name and a value each) and tables.
struct RunReport
{
    QString title;
    QList<std::pair<QString, QString>> facts;
    QList<RunReportTable> tables;
};

// What the dry run of a job would do for real: the facts given (the values of the run), whether
// the run would succeed and why not, then the rows removed, added and changed per table, the
// numbers it would draw, the vouchers it would not post with the reason (a posting) and each
// question it asked with the answer given.
RunReport previewReport(const RunRecord &record, const QString &title, const QList<std::pair<QString, QString>> &facts);

// Whether the dry run's job would succeed, in a sentence.
QString previewOutcome(const RunRecord &record);

// The differences between a run and its preview, one row each.
RunReportTable differencesTable(const QList<RunDifference> &differences);

} // namespace vant
