// The benchmark of the jobs at real sizes: it makes the data, runs each job through the engine
// the windows use and the set-based reference SQL on a copy of the same data, each in a process
// of its own so that its peak memory is its own, checks that both left the same results and
// prints a table. Usage: vant_bench [--quick]
#include "bench_data.h"
#include "bench_history.h"
#include "bench_jobs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace vant::bench;

// Runs one job in a child process on the database file.
bool runChild(const QString &job, const QString &file, const Sizes &sizes, JobRun &run)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--job"), job, QStringLiteral("--db"), file, QStringLiteral("--values"),
                 QString::number(sizes.dataListValues)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(job));
        return false;
    }
    return parseRun(QString::fromUtf8(child.readAllStandardOutput()), run);
}

QString mib(qint64 kib)
{
    return QStringLiteral("%1 MiB").arg(double(kib) / 1024, 0, 'f', 1);
}

QString millis(double ms)
{
    return ms < 10 ? QStringLiteral("%1 ms").arg(ms, 0, 'f', 2) : QStringLiteral("%1 ms").arg(ms, 0, 'f', 0);
}

struct Table
{
    QStringList lines = {
        QStringLiteral("| job | size | time | reference time | ratio | statements per 1,000 rows | peak "
                       "memory |"),
        QStringLiteral("|---|---|---|---|---|---|---|")};
    bool same = true;

    // One line per measured action of the engine's run, beside the reference's.
    void add(const QString &size, const JobRun &engine, const JobRun &reference, const QString &memoryNote = {})
    {
        for (qsizetype i = 0; i < engine.measures.size(); ++i) {
            const Measure &ours = engine.measures.at(i);
            const Measure theirs = reference.measures.value(i);
            if (ours.check != theirs.check) {
                same = false;
                std::fprintf(stderr, "%s: the results differ\n  engine:    %s\n  reference: %s\n",
                             qPrintable(ours.action), qPrintable(ours.check), qPrintable(theirs.check));
            }
            const double perThousand = ours.rows > 0 ? ours.statements * 1000.0 / ours.rows : 0;
            lines << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 |")
                         .arg(ours.action, size, millis(ours.ms), millis(theirs.ms),
                              theirs.ms > 0 ? QStringLiteral("%1×").arg(ours.ms / theirs.ms, 0, 'f', 1) : QString(),
                              QString::number(perThousand, 'f', perThousand < 1 ? 3 : 1),
                              mib(engine.peakKiB) + memoryNote);
        }
    }
};

int benchmark(bool quick)
{
    const Sizes sizes = quick ? Sizes::quick() : Sizes();
    QTemporaryDir folder;
    const auto path = [&folder](const char *name) { return QDir(folder.path()).filePath(QLatin1String(name)); };
    // Each job's data, and a copy of it for the reference.
    const auto makeData = [&](const char *name, const std::function<bool(vant::Database &)> &seed) {
        {
            auto db = createDatabase(path(name));
            if (!db || !seed(*db))
                return false;
        }
        return QFile::copy(path(name), path(name) + QStringLiteral(".ref"));
    };
    std::fprintf(stderr, "making the data...\n");
    if (!makeData("transfer.db", [&](vant::Database &db) { return seedTransfer(db, sizes); })
        || !makeData("posting.db", [&](vant::Database &db) { return seedPosting(db, sizes); })
        || !makeData("lookup.db", [&](vant::Database &db) { return seedLookup(db, sizes); })
        || !makeData("datalist.db", [](vant::Database &) { return true; })
        || !seedJournal(path("journal.jsonl"), sizes.journalRuns)
        || !QFile::link(path("journal.jsonl"), path("journal.jsonl.ref")))
        return 1;

    Table table;
    const auto both = [&](const QString &job, const char *file, JobRun &engine, JobRun &reference) {
        std::fprintf(stderr, "running %s...\n", qPrintable(job));
        return runChild(job, path(file), sizes, engine)
               && runChild(job + QStringLiteral("-ref"), path(file) + QStringLiteral(".ref"), sizes, reference);
    };
    const QString transferSize = QStringLiteral("%L1 lines + %L2 bill-wise + %L3 cheques")
                                     .arg(sizes.transferLines)
                                     .arg(sizes.transferBillwise)
                                     .arg(sizes.transferCheques);
    for (const QString &run : {QStringLiteral("first"), QStringLiteral("repeated")}) {
        JobRun engine, reference;
        if (!both(QStringLiteral("transfer"), "transfer.db", engine, reference))
            return 1;
        engine.measures.first().action = QStringLiteral("transfer, ") + run;
        table.add(transferSize, engine, reference);
    }
    JobRun engine, reference;
    if (!both(QStringLiteral("posting"), "posting.db", engine, reference))
        return 1;
    table.add(QStringLiteral("%L1 vouchers × 3 lines").arg(sizes.postingVouchers), engine, reference);
    engine = {};
    reference = {};
    if (!both(QStringLiteral("lookup"), "lookup.db", engine, reference))
        return 1;
    table.add(QStringLiteral("query of %L1 rows").arg(sizes.lookupRows), engine, reference,
              QStringLiteral(" (+%1)").arg(mib(engine.peakKiB - engine.startKiB)));
    engine = {};
    reference = {};
    if (!both(QStringLiteral("datalist"), "datalist.db", engine, reference))
        return 1;
    table.add(QStringLiteral("%L1 values").arg(sizes.dataListValues), engine, reference);
    engine = {};
    reference = {};
    if (!both(QStringLiteral("history"), "journal.jsonl", engine, reference))
        return 1;
    table.add(QStringLiteral("journal of %L1 runs (%2)")
                  .arg(sizes.journalRuns)
                  .arg(mib(QFileInfo(path("journal.jsonl")).size() / 1024)),
              engine, reference, QStringLiteral(" (+%1)").arg(mib(engine.peakKiB - engine.startKiB)));

    std::printf("%s\n", qPrintable(table.lines.join(QLatin1Char('\n'))));
    if (!table.same) {
        std::fprintf(stderr, "the engines and the reference left different results\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const qsizetype job = args.indexOf(QStringLiteral("--job"));
    if (job >= 0) {
        JobRun run;
        const QString file = args.value(args.indexOf(QStringLiteral("--db")) + 1);
        const int values = args.value(args.indexOf(QStringLiteral("--values")) + 1).toInt();
        if (!runJob(args.value(job + 1), file, values, run))
            return 1;
        std::printf("%s", qPrintable(formatRun(run)));
        return 0;
    }
    for (const QString &arg : args) {
        if (arg != u"--quick") {
            std::fprintf(stderr, "Usage: vant_bench [--quick]\n");
            return 2;
        }
    }
    return benchmark(args.contains(QStringLiteral("--quick")));
}
