#include "run_journal.h"

#include "error_report.h"
#include "lines_from_end.h"
#include "run_record.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>

namespace vant {

namespace {

// The error number of a file that cannot be opened, as the client library gives it.
constexpr int kPathFileAccessError = 75;

// The journals found unwritable while the program runs: each is reported once.
QSet<QString> &reportedPaths()
{
    static QSet<QString> paths;
    return paths;
}

// A line that an earlier write left without its end: a crash or a full disk in the middle of it.
bool endsUnfinished(QFile &file)
{
    const qint64 size = file.size();
    if (size <= 0 || file.isSequential())
        return false;
    char last = '\n';
    const bool unfinished = file.seek(size - 1) && file.getChar(&last) && last != '\n';
    file.seek(size);
    return unfinished;
}

// The day the run began, in local time.
QDate startDay(const QJsonObject &record)
{
    return QDateTime::fromString(record.value(QStringLiteral("when")).toString(), Qt::ISODate).toLocalTime().date();
}

bool passes(const QJsonObject &record, const JournalFilter &filter)
{
    if (!filter.job.isEmpty() && record.value(QStringLiteral("job")).toString() != filter.job)
        return false;
    const QDate day = startDay(record);
    return (!filter.since.isValid() || day >= filter.since) && (!filter.until.isValid() || day <= filter.until);
}

} // namespace

RunJournal::RunJournal(QString path, const ErrorLog &log) : m_path(std::move(path)), m_log(log) {}

QString RunJournal::defaultPath()
{
    return QDir(ErrorLog::userStateFolder()).filePath(QStringLiteral("journal.jsonl"));
}

void RunJournal::append(const QJsonObject &record)
{
    QDir().mkpath(QFileInfo(m_path).path());
    QFile file(m_path);
    // Append mode: the window and vantctl may write at the same time, each a whole line at the end.
    bool written = file.open(QIODevice::ReadWrite | QIODevice::Append);
    if (written) {
        QByteArray line = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
        if (endsUnfinished(file))
            line.prepend('\n');
        // The write only fills a buffer: a full disk shows in the flush.
        written = file.write(line) == line.size() && file.flush();
    }
    if (written || reportedPaths().contains(m_path))
        return;
    reportedPaths().insert(m_path);
    m_log.ReportError(Error{kPathFileAccessError, QStringLiteral("The run journal %1 cannot be written: %2")
                                                      .arg(QDir::toNativeSeparators(m_path), file.errorString())},
                      QString(), QStringLiteral("RunJournal"), false);
}

Outcome<QList<QJsonObject>> RunJournal::read(const JournalFilter &filter) const
{
    QFile file(m_path);
    if (!file.exists())
        return QList<QJsonObject>();
    Outcome<QList<QJsonObject>> runs = file.open(QIODevice::ReadOnly) ? readRuns(file, filter) : Error();
    if (!runs) {
        return Error{kPathFileAccessError, QStringLiteral("The run journal %1 cannot be read: %2")
                                               .arg(QDir::toNativeSeparators(m_path), file.errorString())};
    }
    return runs;
}

Outcome<QList<QJsonObject>> RunJournal::readRuns(QIODevice &journal, const JournalFilter &filter)
{
    QList<QJsonObject> runs;
    // Runs whose latest record is read and whose start record lies further back.
    QSet<QString> readBefore;
    LinesFromEnd lines(journal);
    while (const auto line = lines.previous()) {
        const QJsonObject record = QJsonDocument::fromJson(*line).object();
        if (record.isEmpty())
            continue;
        const QString run = record.value(QStringLiteral("run")).toString();
        const bool start = record.value(QStringLiteral("result")).toString() == kRunStarted;
        // Start records follow one another in the order the runs began: every line before one
        // of a run begun before the period belongs to a run begun before it too.
        if (start && filter.since.isValid() && startDay(record) < filter.since)
            break;
        if (!run.isEmpty() && readBefore.contains(run)) {
            if (start)
                readBefore.remove(run);
            continue;
        }
        if (!run.isEmpty() && !start)
            readBefore.insert(run);
        if (!passes(record, filter))
            continue;
        runs << record;
        if (filter.limit > 0 && runs.size() >= filter.limit)
            break;
    }
    if (lines.failed())
        return Error{kPathFileAccessError, journal.errorString()};
    return runs;
}

} // namespace vant
