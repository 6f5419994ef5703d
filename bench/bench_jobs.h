#pragma once

#include <QList>
#include <QString>

namespace vant::bench {

// One measured action of a job, as a child process reports it.
struct Measure
{
    QString action; // "transfer", "lookup first page", ...
    double ms = 0;
    int statements = 0;
    int rows = 0;     // the rows the statements are counted against
    QString check;    // what the action left or showed, to compare with the reference
    double cpuMs = 0; // the process's CPU time (user and system): on a shared machine it
                      // counts only this job's work, where the wall time also counts the others'
};

// What one child process did: its actions, and its memory in KiB (peak, and at the start of
// the measured work).
struct JobRun
{
    QList<Measure> measures;
    qint64 peakKiB = 0;
    qint64 startKiB = 0;
};

// The jobs a child runs on a database file: through the program's engines ("transfer",
// "posting", "lookup", "datalist") or as the set-based reference SQL ("...-ref"); and on a run
// journal, "history" and its reference.
QStringList jobNames();
// With a profile, each statement of the measured work is timed (bench_profile.h).
bool runJob(const QString &job, const QString &databaseFile, int dataListValues, bool profile, JobRun &run);

// The child's report on standard output, and the parent's reading of it.
QString formatRun(const JobRun &run);
bool parseRun(const QString &text, JobRun &run);

} // namespace vant::bench
