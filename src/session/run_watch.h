#pragma once

#include "run_record.h"

#include <QElapsedTimer>

#include <optional>

namespace vant {

struct Session;

// A dry run does the whole job in a transaction that its caller then rolls back.
enum class RunMode { Real, DryRun };

// Watches one run of a job, from its start to its end, and keeps its record in the run journal:
// who started it with what, the rows it changed per table, the numbers it drew and how it ended.
// The record is written when the run starts, after each part of its work that is committed, and
// when it ends, so that the journal holds all committed work even of a run that never ends.
// Watching only reads; nothing it does can fail the job.
class RunWatch
{
public:
    RunWatch(Session &session, const QString &job, const QJsonObject &parameters, RunMode mode);
    ~RunWatch();
    RunWatch(const RunWatch &) = delete;
    RunWatch &operator=(const RunWatch &) = delete;

    // The job draws voucher numbers and sub-numbers of that company: its counters are read now
    // and again at the end.
    void watchNumbers(const QString &companyCode);
    RunRecord &record() { return m_record; }
    // The last error reported since the watch began ("procedure: message"), or empty.
    QString reportedSince() const;

    // Asks the question through the session's prompts, in the user's language, and keeps it in the
    // record with the answer given: true on Yes.
    bool ask(const char *context, const char *question);

    // Work of the run is committed: the record as it now stands is written. Nothing is written
    // for a dry run, whose work is all undone.
    void committed();

    // The job ended so: the record is completed and appended to the journal. Call it while the
    // job's work stands, before a dry run is rolled back.
    const RunRecord &finish(const QString &result, const QString &message = QString());

private:
    // The record with what the run did so far, written to the journal.
    void write(const QString &result);

    Session &m_session;
    RunRecord m_record;
    ChangeTally m_tally;
    QString m_numberingCompany;
    std::optional<VoucherCounters> m_counters;
    QElapsedTimer m_timer;
    int m_reportsBefore = 0;
    bool m_finished = false;
};

} // namespace vant
