#pragma once

#include "db/outcome.h"

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace vant {

class ErrorLog;

// Which records of the journal to list.
struct JournalFilter
{
    QString job;   // empty: every job
    QDate since;   // invalid: from the first record
    int limit = 0; // the latest records only; 0: all
};

// The run journal: one JSON object per line for every job run, dry runs included, appended
// to "journal.jsonl" in the user's state folder. Writing it never fails a job: a journal that
// cannot be written is reported in the error log once while the program runs, and the job goes on.
class RunJournal
{
public:
    RunJournal(QString path, const ErrorLog &log);

    // journal.jsonl in the user's state folder, beside the log of an installed program.
    static QString defaultPath();

    void append(const QJsonObject &record);

    // The records that pass the filter, oldest first; lines that are no record are skipped.
    Outcome<QList<QJsonObject>> read(const JournalFilter &filter) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
    const ErrorLog &m_log;
};

} // namespace vant
