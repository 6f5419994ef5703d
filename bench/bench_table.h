#pragma once

#include "bench_jobs.h"

#include <QList>
#include <QString>

namespace vant::bench {

// One line of the table: an action of the engine beside the same action of the reference.
struct Line
{
    QString size;
    Measure engine;
    Measure reference;
    qint64 peakKiB = 0;    // the engine's process
    qint64 growthKiB = -1; // what the action added to it, where that is the point
};

// The table in Markdown. With lines of ten times the size, each follows its line of the default
// size, with the growth of its time (unless the size is the same).
QString tableText(const QList<Line> &lines, const QList<Line> &larger);

// Whether the engine and the reference left the same results on every line; each difference is
// shown on standard error.
bool sameResults(const QList<Line> &lines);

} // namespace vant::bench
