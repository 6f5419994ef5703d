#include "run_report.h"

#include <QCoreApplication>

namespace vant {

namespace {

QString said(const char *text)
{
    return QCoreApplication::translate("vant::RunReport", text);
}

// The context in which the job's own texts are translated.
const char *jobContext(const QString &job)
{
    if (job == u"post")
        return "vant::PostingJob";
    if (job == u"purge")
        return "vant::PurgeJob";
    return "vant::TransferJob";
}

// A table without rows yet: its title, the heads of its columns and the text for no row, each
// translated.
RunReportTable emptyTable(const char *title, std::initializer_list<const char *> headers, const char *none)
{
    RunReportTable table{said(title), {}, {}, said(none)};
    for (const char *header : headers)
        table.headers << said(header);
    return table;
}

RunReportTable tableChanges(const RunRecord &record)
{
    RunReportTable table =
        emptyTable(QT_TRANSLATE_NOOP("vant::RunReport", "Rows per table"),
                   {QT_TRANSLATE_NOOP("vant::RunReport", "Table"), QT_TRANSLATE_NOOP("vant::RunReport", "Removed"),
                    QT_TRANSLATE_NOOP("vant::RunReport", "Added"), QT_TRANSLATE_NOOP("vant::RunReport", "Changed")},
                   QT_TRANSLATE_NOOP("vant::RunReport", "No row would change."));
    for (const TableChanges &changes : record.tables) {
        table.rows.append({changes.table, QString::number(changes.deleted), QString::number(changes.inserted),
                           QString::number(changes.updated)});
    }
    return table;
}

RunReportTable numbersDrawn(const AssignedNumbers &numbers)
{
    RunReportTable table =
        emptyTable(QT_TRANSLATE_NOOP("vant::RunReport", "Numbers drawn"),
                   {QT_TRANSLATE_NOOP("vant::RunReport", "Numbers"),
                    QT_TRANSLATE_NOOP("vant::RunReport", "Voucher code"), QT_TRANSLATE_NOOP("vant::RunReport", "Year"),
                    QT_TRANSLATE_NOOP("vant::RunReport", "First"), QT_TRANSLATE_NOOP("vant::RunReport", "Last")},
                   QT_TRANSLATE_NOOP("vant::RunReport", "No number would be drawn."));
    if (!numbers.vouchers.isEmpty()) {
        table.rows.append({said(QT_TRANSLATE_NOOP("vant::RunReport", "Voucher numbers")), QString(), QString(),
                           QString::number(numbers.vouchers.first), QString::number(numbers.vouchers.last)});
    }
    for (const SubNumberRange &sub : numbers.subNumbers) {
        table.rows.append({said(QT_TRANSLATE_NOOP("vant::RunReport", "Sub-numbers")), QString::number(sub.voucherCode),
                           sub.year, QString::number(sub.range.first), QString::number(sub.range.last)});
    }
    return table;
}

RunReportTable vouchersNotPosted(const RunRecord &record)
{
    RunReportTable table = emptyTable(
        QT_TRANSLATE_NOOP("vant::RunReport", "Vouchers not posted"),
        {QT_TRANSLATE_NOOP("vant::RunReport", "Off-line voucher"), QT_TRANSLATE_NOOP("vant::RunReport", "Reason")},
        QT_TRANSLATE_NOOP("vant::RunReport", "Every marked voucher would be posted."));
    for (const FailedVoucher &voucher : record.failed)
        table.rows.append({voucher.voucherNo, voucher.reason});
    return table;
}

RunReportTable questionsAsked(const RunRecord &record)
{
    RunReportTable table = emptyTable(
        QT_TRANSLATE_NOOP("vant::RunReport", "Questions"),
        {QT_TRANSLATE_NOOP("vant::RunReport", "Question"), QT_TRANSLATE_NOOP("vant::RunReport", "Answer given")},
        QT_TRANSLATE_NOOP("vant::RunReport", "No question was asked."));
    const QString yes = said(QT_TRANSLATE_NOOP("vant::RunReport", "Yes"));
    const QString no = said(QT_TRANSLATE_NOOP("vant::RunReport", "No"));
    for (const AskedQuestion &question : record.questions)
        table.rows.append({question.shown.simplified(), question.answer ? yes : no});
    return table;
}

} // namespace

QString previewOutcome(const RunRecord &record)
{
    if (record.succeeded())
        return said(QT_TRANSLATE_NOOP("vant::RunReport", "The run would succeed."));
    if (record.result == u"incomplete")
        return said(QT_TRANSLATE_NOOP("vant::RunReport",
                                      "The run would succeed in part: %1 of the %2 marked vouchers would not be "
                                      "posted."))
            .arg(record.failed.size())
            .arg(record.posted + record.failed.size());
    if (record.result == u"declined")
        return said(QT_TRANSLATE_NOOP("vant::RunReport", "The run would not start: a question was answered No."));
    // The refusals and stops that the job words itself are shown as it shows them.
    const QString message = QCoreApplication::translate(jobContext(record.job), record.message.toUtf8().constData());
    return said(QT_TRANSLATE_NOOP("vant::RunReport", "The run would not succeed: %1")).arg(message);
}

RunReport previewReport(const RunRecord &record, const QString &title, const QList<std::pair<QString, QString>> &facts)
{
    RunReport report{title, facts, {}};
    report.facts.append({said(QT_TRANSLATE_NOOP("vant::RunReport", "Outcome")), previewOutcome(record)});
    report.tables.append(tableChanges(record));
    report.tables.append(numbersDrawn(record.numbers));
    if (record.job == u"post") {
        report.facts.append(
            {said(QT_TRANSLATE_NOOP("vant::RunReport", "Vouchers to post")), QString::number(record.posted)});
        report.tables.append(vouchersNotPosted(record));
    }
    report.tables.append(questionsAsked(record));
    return report;
}

RunReportTable differencesTable(const QList<RunDifference> &differences)
{
    RunReportTable table =
        emptyTable(QT_TRANSLATE_NOOP("vant::RunReport", "Differences"),
                   {QT_TRANSLATE_NOOP("vant::RunReport", "What"), QT_TRANSLATE_NOOP("vant::RunReport", "Preview"),
                    QT_TRANSLATE_NOOP("vant::RunReport", "Run")},
                   QT_TRANSLATE_NOOP("vant::RunReport", "None."));
    for (const RunDifference &difference : differences)
        table.rows.append({difference.what, difference.preview, difference.run});
    return table;
}

} // namespace vant
