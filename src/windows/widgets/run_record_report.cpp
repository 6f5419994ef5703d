#include "run_record_report.h"

#include "session/run_record.h"

#include <QDateTime>
#include <QJsonArray>

namespace vant {

namespace {

QString integer(const QJsonObject &object, const char *key)
{
    return QString::number(object.value(QLatin1String(key)).toInteger());
}

ReportTable tablesChanged(const QJsonObject &record)
{
    ReportTable table{RunRecordText::tr("Rows per table"),
                      {RunRecordText::tr("Table"), RunRecordText::tr("Removed"), RunRecordText::tr("Added"),
                       RunRecordText::tr("Changed")},
                      {}};
    for (const QJsonValue &value : record.value(QStringLiteral("tables")).toArray()) {
        const QJsonObject changes = value.toObject();
        table.rows << QStringList{changes.value(QStringLiteral("table")).toString(), integer(changes, "deleted"),
                                  integer(changes, "inserted"), integer(changes, "updated")};
    }
    return table;
}

ReportTable numbersDrawn(const QJsonObject &record)
{
    ReportTable table{RunRecordText::tr("Numbers drawn"),
                      {RunRecordText::tr("Numbers"), RunRecordText::tr("Voucher code"), RunRecordText::tr("Year"),
                       RunRecordText::tr("First"), RunRecordText::tr("Last")},
                      {}};
    const QJsonObject numbers = record.value(QStringLiteral("numbers")).toObject();
    if (numbers.contains(QStringLiteral("vouchers"))) {
        const QJsonObject range = numbers.value(QStringLiteral("vouchers")).toObject();
        table.rows << QStringList{RunRecordText::tr("Voucher numbers"), QString(), QString(), integer(range, "first"),
                                  integer(range, "last")};
    }
    for (const QJsonValue &value : numbers.value(QStringLiteral("subNumbers")).toArray()) {
        const QJsonObject sub = value.toObject();
        table.rows << QStringList{RunRecordText::tr("Sub-numbers"), integer(sub, "voucherCode"),
                                  sub.value(QStringLiteral("year")).toString(), integer(sub, "first"),
                                  integer(sub, "last")};
    }
    return table;
}

ReportTable vouchersNotPosted(const QJsonObject &record)
{
    ReportTable table{RunRecordText::tr("Vouchers not posted"),
                      {RunRecordText::tr("Voucher"), RunRecordText::tr("Outcome"), RunRecordText::tr("Reason")},
                      {}};
    for (const QJsonValue &value : record.value(QStringLiteral("failed")).toArray()) {
        const QJsonObject voucher = value.toObject();
        table.rows << QStringList{voucher.value(QStringLiteral("voucherNo")).toString(),
                                  voucher.value(QStringLiteral("tried")).toBool(true) ? RunRecordText::tr("Refused")
                                                                                      : RunRecordText::tr("Not tried"),
                                  voucher.value(QStringLiteral("reason")).toString()};
    }
    return table;
}

ReportTable questionsAsked(const QJsonObject &record)
{
    ReportTable table{
        RunRecordText::tr("Questions"), {RunRecordText::tr("Question"), RunRecordText::tr("Answer given")}, {}};
    for (const QJsonValue &value : record.value(QStringLiteral("questions")).toArray()) {
        const QJsonObject question = value.toObject();
        table.rows << QStringList{question.value(QStringLiteral("question")).toString().simplified(),
                                  question.value(QStringLiteral("answer")).toString() == u"yes"
                                      ? RunRecordText::tr("Yes")
                                      : RunRecordText::tr("No")};
    }
    return table;
}

// The period a transfer copied; the day of any other run.
QString period(const QJsonObject &record, const QString &dateFormat)
{
    const QJsonObject parameters = record.value(QStringLiteral("parameters")).toObject();
    const QDate from = QDate::fromString(parameters.value(QStringLiteral("from")).toString(), Qt::ISODate);
    const QDate to = QDate::fromString(parameters.value(QStringLiteral("to")).toString(), Qt::ISODate);
    if (from.isValid() && to.isValid())
        return RunRecordText::tr("%1 to %2").arg(from.toString(dateFormat), to.toString(dateFormat));
    return QDateTime::fromString(record.value(QStringLiteral("when")).toString(), Qt::ISODate)
        .toLocalTime()
        .date()
        .toString(dateFormat);
}

} // namespace

QString RunRecordText::jobName(const QString &job)
{
    if (job == u"transfer")
        return tr("Account Transfer");
    if (job == u"post")
        return tr("Accounts Posting");
    if (job == u"purge")
        return tr("Purge Data");
    return job;
}

QString RunRecordText::runName(const QJsonObject &record)
{
    const QString job = jobName(record.value(QStringLiteral("job")).toString());
    return record.value(QStringLiteral("dryRun")).toBool() ? tr("%1 (dry run)").arg(job) : job;
}

QString RunRecordText::result(const QJsonObject &record)
{
    if (!runEnded(record))
        return tr("Did not end");
    const QString result = record.value(QStringLiteral("result")).toString();
    const std::pair<const char *, QString> names[] = {
        {"completed", tr("Completed")}, {"incomplete", tr("Incomplete")}, {"refused", tr("Refused")},
        {"declined", tr("Declined")},   {"stopped", tr("Stopped")},       {"failed", tr("Failed")},
    };
    for (const auto &[stored, shown] : names) {
        if (result == QLatin1String(stored))
            return shown;
    }
    return result;
}

QString RunRecordText::duration(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    if (seconds < 60)
        return tr("%1 s").arg(QString::number(double(milliseconds) / 1000, 'f', 1));
    return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString RunRecordText::when(const QJsonObject &record, const QString &dateFormat)
{
    return QDateTime::fromString(record.value(QStringLiteral("when")).toString(), Qt::ISODate)
        .toLocalTime()
        .toString(dateFormat + QStringLiteral(" HH:mm:ss"));
}

Report runRecordReport(const QJsonObject &record, const QString &company, const QString &dateFormat)
{
    Report report;
    report.title = RunRecordText::tr("Run of %1").arg(RunRecordText::runName(record));
    report.company = company;
    report.period = period(record, dateFormat);
    report.user = record.value(QStringLiteral("user")).toString();
    report.lines << RunRecordText::tr("Started: %1").arg(RunRecordText::when(record, dateFormat))
                 << RunRecordText::tr("Product: %1").arg(record.value(QStringLiteral("product")).toString());
    if (const QString given = describeParameters(record.value(QStringLiteral("parameters")).toObject());
        !given.isEmpty())
        report.lines << RunRecordText::tr("Given: %1").arg(given);
    report.lines << RunRecordText::tr("Result: %1").arg(RunRecordText::result(record))
                 << RunRecordText::tr("Duration: %1")
                        .arg(RunRecordText::duration(record.value(QStringLiteral("durationMs")).toInteger()));
    if (record.contains(QStringLiteral("posted")))
        report.lines << RunRecordText::tr("Vouchers posted: %1").arg(integer(record, "posted"));
    if (const QString message = record.value(QStringLiteral("message")).toString(); !message.isEmpty())
        report.lines << RunRecordText::tr("Message: %1").arg(message);
    report.tables = runRecordTables(record);
    return report;
}

QList<ReportTable> runRecordTables(const QJsonObject &record)
{
    QList<ReportTable> tables{tablesChanged(record), numbersDrawn(record)};
    if (record.contains(QStringLiteral("failed")))
        tables << vouchersNotPosted(record);
    tables << questionsAsked(record);
    return tables;
}

} // namespace vant
