#pragma once

#include "bench_jobs.h"

#include <QString>

namespace vant::bench {

// A run journal of that many posting runs, each written when it started and when it ended.
bool seedJournal(const QString &file, int runs);

// The latest three runs of the journal through the program's reader ("history"), and as the
// reference ("history-ref") the same runs taken from the file's last 64 KiB.
bool historyJob(const QString &journal, JobRun &run);
bool historyReference(const QString &journal, JobRun &run);

} // namespace vant::bench
