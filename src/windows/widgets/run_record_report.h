#pragma once

#include "report_paper.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace vant {

// A run of the journal as a person reads it, in the windows and on paper.
class RunRecordText
{
    Q_DECLARE_TR_FUNCTIONS(vant::RunRecordText)

public:
    // "transfer", "post", "purge" by the menu entry that starts the job.
    static QString jobName(const QString &job);
    // The job's name, and that the run was a dry run.
    static QString runName(const QJsonObject &record);
    // How the run ended; a run without its end did not end.
    static QString result(const QJsonObject &record);
    static QString duration(qint64 milliseconds);
    // When the run began, in local time and the session's date format.
    static QString when(const QJsonObject &record, const QString &dateFormat);
};

// The tables of a run's record: the rows per table, the numbers drawn, the vouchers a posting
// did not post with the reason, and the questions the run asked with the answer given.
QList<ReportTable> runRecordTables(const QJsonObject &record);

// The whole record of a run: what it was given and how it ended, then the rows per table, the
// numbers drawn, the vouchers a posting did not post and the questions asked. The company is named
// as the caller gives it.
Report runRecordReport(const QJsonObject &record, const QString &company, const QString &dateFormat);

} // namespace vant
