#include "ctl_commands.h"

#include "session/error_report.h"
#include "session/run_journal.h"
#include "session/run_record.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vant::ctl {

namespace {

// One line for the run, then what it changed.
void writeRecord(QTextStream &out, const QJsonObject &record)
{
    const auto text = [&record](const char *key) { return record.value(QLatin1String(key)).toString(); };
    const QDateTime when = QDateTime::fromString(text("when"), Qt::ISODate).toLocalTime();
    out << when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  " << text("job").leftJustified(9)
        << (record.value(QStringLiteral("dryRun")).toBool() ? "dry run  " : "") << text("result") << "  user "
        << text("user") << ", " << text("product") << ", company " << text("company") << ", "
        << record.value(QStringLiteral("durationMs")).toInteger() << " ms\n";
    const QJsonObject parameters = record.value(QStringLiteral("parameters")).toObject();
    QStringList given;
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        given << it.key() + QLatin1Char('=') + it.value().toVariant().toString();
    if (!given.isEmpty())
        out << "  " << given.join(u' ') << '\n';
    for (const QString &line : describeRecord(record))
        out << line << '\n';
}

} // namespace

int runHistory(const HistoryOptions &options, bool json, const ErrorLog &log, QTextStream &out, QTextStream &err)
{
    const RunJournal journal(RunJournal::defaultPath(), log);
    const Outcome<QList<QJsonObject>> records = journal.read({options.job, options.since, options.limit});
    if (!records) {
        err << records.error().description << '\n';
        return kRefused;
    }
    for (const QJsonObject &record : *records) {
        if (json)
            out << QJsonDocument(record).toJson(QJsonDocument::Compact) << '\n';
        else
            writeRecord(out, record);
    }
    return kDone;
}

} // namespace vant::ctl
