#include "run_preview_report.h"

#include "run_record_report.h"

namespace vant {

namespace {

// The context in which the job's own texts are translated.
const char *jobContext(const QString &job)
{
    if (job == u"post")
        return "vant::PostingJob";
    if (job == u"purge")
        return "vant::PurgeJob";
    return "vant::TransferJob";
}

} // namespace

QString RunPreviewText::outcome(const RunRecord &record)
{
    if (record.succeeded())
        return tr("The run would succeed.");
    if (record.result == u"incomplete")
        return tr("The run would succeed in part: %1 of the %2 marked vouchers would not be posted.")
            .arg(record.failed.size())
            .arg(record.posted + record.failed.size());
    if (record.result == u"declined")
        return tr("The run would not start: a question was answered No.");
    // The refusals and stops that the job words itself are shown as it shows them.
    const QString message = QCoreApplication::translate(jobContext(record.job), record.message.toUtf8().constData());
    return tr("The run would not succeed: %1").arg(message);
}

Report previewReport(const RunRecord &record, Report heading)
{
    heading.lines << RunPreviewText::tr("Outcome: %1").arg(RunPreviewText::outcome(record));
    if (record.job == u"post")
        heading.lines << RunPreviewText::tr("Vouchers to post: %1").arg(record.posted);
    heading.tables = runRecordTables(record.toJson());
    return heading;
}

ReportTable differencesTable(const QList<RunDifference> &differences)
{
    ReportTable table{RunPreviewText::tr("Differences"),
                      {RunPreviewText::tr("What"), RunPreviewText::tr("Preview"), RunPreviewText::tr("Run")},
                      {}};
    for (const RunDifference &difference : differences)
        table.rows.append({difference.what, difference.preview, difference.run});
    return table;
}

} // namespace vant
