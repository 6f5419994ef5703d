#include "bench_table.h"

#include <QStringList>

#include <cstdio>

namespace vant::bench {

namespace {

QString mib(qint64 kib)
{
    return QStringLiteral("%1 MiB").arg(double(kib) / 1024, 0, 'f', 1);
}

QString millis(double ms)
{
    return ms < 10 ? QStringLiteral("%1 ms").arg(ms, 0, 'f', 2) : QStringLiteral("%L1 ms").arg(ms, 0, 'f', 0);
}

QString times(double ratio)
{
    return QStringLiteral("%1×").arg(ratio, 0, 'f', 1);
}

QString row(const Line &line, const QString &growth)
{
    const Measure &ours = line.engine;
    const double perThousand = ours.rows > 0 ? ours.statements * 1000.0 / ours.rows : 0;
    QStringList cells = {
        ours.action,
        line.size,
        millis(ours.ms),
        millis(line.reference.ms),
        line.reference.ms > 0 ? times(ours.ms / line.reference.ms) : QString(),
        millis(ours.cpuMs),
        millis(line.reference.cpuMs),
        line.reference.cpuMs > 0 ? times(ours.cpuMs / line.reference.cpuMs) : QString(),
        QStringLiteral("%L1").arg(ours.statements),
        QString::number(perThousand, 'f', perThousand < 1 ? 3 : 1),
        mib(line.peakKiB) + (line.growthKiB >= 0 ? QStringLiteral(" (+%1)").arg(mib(line.growthKiB)) : QString()),
    };
    if (!growth.isNull())
        cells << growth;
    return QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |");
}

} // namespace

QString tableText(const QList<Line> &lines, const QList<Line> &larger)
{
    const bool paired = !larger.isEmpty();
    QStringList text = {
        QStringLiteral("| job | size | time | lean reference | ratio | CPU time | reference's CPU time | CPU "
                       "ratio | statements | statements per 1,000 rows | peak memory |")
            + (paired ? QStringLiteral(" time growth |") : QString()),
        QStringLiteral("|---|---|---|---|---|---|---|---|---|---|---|")
            + (paired ? QStringLiteral("---|") : QString())};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        text << row(lines.at(i), paired ? QStringLiteral("") : QString());
        // A job measured at the same size in both runs (the data list) is shown once.
        if (i < larger.size() && larger.at(i).size != lines.at(i).size) {
            const double before = lines.at(i).engine.ms;
            text << row(larger.at(i), before > 0 ? times(larger.at(i).engine.ms / before) : QStringLiteral(""));
        }
    }
    return text.join(QLatin1Char('\n'));
}

bool sameResults(const QList<Line> &lines)
{
    bool same = true;
    for (const Line &line : lines) {
        if (line.engine.check == line.reference.check)
            continue;
        same = false;
        std::fprintf(stderr, "%s (%s): the results differ\n  engine:    %s\n  reference: %s\n",
                     qPrintable(line.engine.action), qPrintable(line.size), qPrintable(line.engine.check),
                     qPrintable(line.reference.check));
    }
    return same;
}

} // namespace vant::bench
