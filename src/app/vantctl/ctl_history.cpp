#include "ctl_commands.h"

#include "session/error_report.h"
#include "session/run_journal.h"
#include "session/run_record.h"
#include "session/text_helpers.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vant::ctl {

namespace {

// One line for the run, then what it was given and what it changed. Every text of the record
// is escaped: a name holding a line break cannot pass for a run of its own.
void writeRecord(QTextStream &out, const QJsonObject &record)
{
    const auto text = [&record](const char *key) {
        return escapedControls(record.value(QLatin1String(key)).toString());
    };
    const QDateTime when = QDateTime::fromString(text("when"), Qt::ISODate).toLocalTime();
    // A run whose last record is not its end was cut short, or is still running.
    const QString result = runEnded(record) ? text("result") : QStringLiteral("did not end");
    out << when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  " << text("job").leftJustified(9)
        << (record.value(QStringLiteral("dryRun")).toBool() ? "dry run  " : "") << result << "  user " << text("user")
        << ", " << text("product") << ", company " << text("company") << ", "
        << record.value(QStringLiteral("durationMs")).toInteger() << " ms\n";
    const QString given = describeParameters(record.value(QStringLiteral("parameters")).toObject());
    if (!given.isEmpty())
        out << "  " << given << '\n';
    for (const QString &line : describeRecord(record))
        out << line << '\n';
}

} // namespace

int runHistory(const HistoryOptions &options, bool json, const ErrorLog &log, QTextStream &out, QTextStream &err)
{
    const RunJournal journal(RunJournal::defaultPath(), log);
    const Outcome<QList<QJsonObject>> records = journal.read({options.job, options.since, {}, options.limit});
    if (!records) {
        err << records.error().description << '\n';
        return kRefused;
    }
    // The journal gives the newest first; the history reads as it happened.
    for (auto record = records->crbegin(); record != records->crend(); ++record) {
        if (json)
            out << QJsonDocument(*record).toJson(QJsonDocument::Compact) << '\n';
        else
            writeRecord(out, *record);
    }
    return kDone;
}

} // namespace vant::ctl
