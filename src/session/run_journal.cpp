#include "run_journal.h"

#include "error_report.h"

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

} // namespace

RunJournal::RunJournal(QString path, const ErrorLog &log) : m_path(std::move(path)), m_log(log) {}

QString RunJournal::defaultPath()
{
    return QDir(ErrorLog::userStateFolder()).filePath(QStringLiteral("journal.jsonl"));
}

void RunJournal::append(const QJsonObject &record)
{
    QFile file(m_path);
    const bool written = QDir().mkpath(QFileInfo(m_path).path()) && file.open(QIODevice::Append | QIODevice::Text)
                         && file.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n') > 0;
    if (written || reportedPaths().contains(m_path))
        return;
    reportedPaths().insert(m_path);
    m_log.ReportError(Error{kPathFileAccessError, QStringLiteral("The run journal %1 cannot be written: %2")
                                                      .arg(QDir::toNativeSeparators(m_path), file.errorString())},
                      QString(), QStringLiteral("RunJournal"), false);
}

Outcome<QList<QJsonObject>> RunJournal::read(const JournalFilter &filter) const
{
    QList<QJsonObject> records;
    QFile file(m_path);
    if (!file.exists())
        return records;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Error{kPathFileAccessError, QStringLiteral("The run journal %1 cannot be read: %2")
                                               .arg(QDir::toNativeSeparators(m_path), file.errorString())};
    while (!file.atEnd()) {
        const QJsonObject record = QJsonDocument::fromJson(file.readLine()).object();
        if (record.isEmpty())
            continue;
        if (!filter.job.isEmpty() && record.value(QStringLiteral("job")).toString() != filter.job)
            continue;
        const QDateTime when = QDateTime::fromString(record.value(QStringLiteral("when")).toString(), Qt::ISODate);
        if (filter.since.isValid() && when.toLocalTime().date() < filter.since)
            continue;
        records << record;
    }
    if (filter.limit > 0 && records.size() > filter.limit)
        records = records.mid(records.size() - filter.limit);
    return records;
}

} // namespace vant
