#pragma once

#include "db/outcome.h"

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>

class QIODevice;

namespace vant {

class ErrorLog;

// Which runs of the journal to list.
struct JournalFilter
{
    QString job;   // empty: every job
    QDate since;   // invalid: from the first run
    QDate until;   // invalid: up to the last run
    int limit = 0; // the latest runs only; 0: all
};

// The run journal: JSON objects, one per line, appended to "journal.jsonl" in the user's state
// folder. A run writes a record when it starts and again as it goes on and when it ends, all under
// the run's id; its latest record says what it did. Writing never fails a job: a journal that
// cannot be written is reported in the error log once while the program runs, and the job goes on.
class RunJournal
{
public:
    RunJournal(QString path, const ErrorLog &log);

    // journal.jsonl in the user's state folder, beside the log of an installed program.
    static QString defaultPath();

    // Appends the record on a line of its own, also after a line that an earlier write left
    // unfinished, and checks that the disk took it.
    void append(const QJsonObject &record);

    // Each run that passes the filter, as its latest record tells it, newest first. The journal
    // is read from its end up to the runs wanted: time and memory follow the runs read, not the
    // journal's size. Lines that are no record are passed over.
    Outcome<QList<QJsonObject>> read(const JournalFilter &filter) const;
    // The same from a journal open for reading.
    static Outcome<QList<QJsonObject>> readRuns(QIODevice &journal, const JournalFilter &filter);

    const QString &path() const { return m_path; }

private:
    QString m_path;
    const ErrorLog &m_log;
};

} // namespace vant
