// The benchmark of the jobs at real sizes: it makes the data, runs each job through the engine
// the windows use and the lean reference SQL on a copy of the same data, each in a process of
// its own so that its peak memory is its own, checks that both left the same results and prints
// a table. --large adds ten times the default sizes beside them; --profile times each statement
// of the transfer and the posting instead; --lookup measures the lookup alone, --posting the posting alone.
// Usage: vant_bench [--quick | --large] [--profile | --lookup | --posting]
#include "bench_data.h"
#include "bench_history.h"
#include "bench_jobs.h"
#include "bench_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

using namespace vant::bench;

// The data of one size in a temporary folder, removed with it, and the jobs run on it.
class SizeRun
{
public:
    SizeRun(const Sizes &sizes, bool profile) : m_sizes(sizes), m_profile(profile) {}

    // Makes the data of the jobs; the lookup's, the data list's and the journal only when they
    // are measured.
    bool makeData(bool withLookup);
    // Each job through the engine and the reference, as lines of the table.
    bool measure(QList<Line> &lines);
    // The transfer (twice) and the posting, each statement timed.
    bool profile();
    // The posting alone: its data, and the posting through the engine and the reference.
    bool makePostingData();
    bool measurePosting(QList<Line> &lines);
    // The lookup alone: its data, and its moves through the engine and the reference.
    bool makeLookupData();
    bool measureLookup(QList<Line> &lines);

private:
    QString path(const char *name) const { return QDir(m_folder.path()).filePath(QLatin1String(name)); }
    // A database file made by seed, and its copy for the reference when asked.
    bool make(const char *name, const std::function<bool(vant::Database &)> &seed, bool copy);
    bool runChild(const QString &job, const QString &file, JobRun &run);
    // The engine on the file and the reference on its copy (on the file itself when the job
    // changes nothing).
    bool both(const QString &job, const char *file, JobRun &engine, JobRun &reference, bool copied = true);
    void add(QList<Line> &lines, const QString &size, const JobRun &engine, const JobRun &reference,
             bool memoryGrowth = false);

    const Sizes m_sizes;
    const bool m_profile;
    QTemporaryDir m_folder;
};

bool SizeRun::make(const char *name, const std::function<bool(vant::Database &)> &seed, bool copy)
{
    {
        auto db = createDatabase(path(name));
        if (!db || !seed(*db))
            return false;
    }
    return !copy || QFile::copy(path(name), path(name) + QStringLiteral(".ref"));
}

bool SizeRun::makePostingData()
{
    std::fprintf(stderr, "making the posting's %d vouchers...\n", m_sizes.postingVouchers);
    return make(
        "posting.db", [&](vant::Database &db) { return seedPosting(db, m_sizes); }, true);
}

bool SizeRun::measurePosting(QList<Line> &lines)
{
    JobRun engine, reference;
    if (!both(QStringLiteral("posting"), "posting.db", engine, reference))
        return false;
    add(lines, QStringLiteral("%L1 vouchers × 3 lines").arg(m_sizes.postingVouchers), engine, reference);
    return true;
}

bool SizeRun::makeLookupData()
{
    std::fprintf(stderr, "making the lookup's %d rows...\n", m_sizes.lookupRows);
    return make(
        "lookup.db", [&](vant::Database &db) { return seedLookup(db, m_sizes); }, false);
}

bool SizeRun::measureLookup(QList<Line> &lines)
{
    JobRun engine, reference;
    if (!both(QStringLiteral("lookup"), "lookup.db", engine, reference, false))
        return false;
    add(lines, QStringLiteral("query of %L1 rows").arg(m_sizes.lookupRows), engine, reference, true);
    return true;
}

bool SizeRun::makeData(bool withLookup)
{
    std::fprintf(stderr, "making the data of %d voucher lines...\n", m_sizes.transferLines);
    const auto transfer = [&](vant::Database &db) { return seedTransfer(db, m_sizes); };
    if (!make("transfer.db", transfer, true) || !makePostingData())
        return false;
    if (!withLookup)
        return true;
    // The lookup and the history change nothing: the reference reads the same data.
    return makeLookupData()
           && make(
               "datalist.db", [](vant::Database &) { return true; }, true)
           && seedJournal(path("journal.jsonl"), m_sizes.journalRuns)
           && QFile::link(path("journal.jsonl"), path("journal.jsonl.ref"));
}

bool SizeRun::runChild(const QString &job, const QString &file, JobRun &run)
{
    QStringList arguments = {QStringLiteral("--job"),    job,
                             QStringLiteral("--db"),     file,
                             QStringLiteral("--values"), QString::number(m_sizes.dataListValues)};
    if (m_profile)
        arguments << QStringLiteral("--profile");
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(job));
        return false;
    }
    return parseRun(QString::fromUtf8(child.readAllStandardOutput()), run);
}

bool SizeRun::both(const QString &job, const char *file, JobRun &engine, JobRun &reference, bool copied)
{
    std::fprintf(stderr, "running %s...\n", qPrintable(job));
    return runChild(job, path(file), engine)
           && runChild(job + QStringLiteral("-ref"), path(file) + (copied ? QStringLiteral(".ref") : QString()),
                       reference);
}

void SizeRun::add(QList<Line> &lines, const QString &size, const JobRun &engine, const JobRun &reference,
                  bool memoryGrowth)
{
    for (qsizetype i = 0; i < engine.measures.size(); ++i) {
        lines << Line{size, engine.measures.at(i), reference.measures.value(i), engine.peakKiB,
                      memoryGrowth ? engine.peakKiB - engine.startKiB : -1};
    }
}

bool SizeRun::measure(QList<Line> &lines)
{
    const QString transferSize = QStringLiteral("%L1 lines + %L2 bill-wise + %L3 cheques")
                                     .arg(m_sizes.transferLines)
                                     .arg(m_sizes.transferBillwise)
                                     .arg(m_sizes.transferCheques);
    for (const QString &run : {QStringLiteral("first"), QStringLiteral("repeated")}) {
        JobRun engine, reference;
        if (!both(QStringLiteral("transfer"), "transfer.db", engine, reference))
            return false;
        engine.measures.first().action = QStringLiteral("transfer, ") + run;
        add(lines, transferSize, engine, reference);
    }
    if (!measurePosting(lines) || !measureLookup(lines))
        return false;
    JobRun engine, reference;
    if (!both(QStringLiteral("datalist"), "datalist.db", engine, reference))
        return false;
    add(lines, QStringLiteral("%L1 values").arg(m_sizes.dataListValues), engine, reference);
    engine = {};
    reference = {};
    if (!both(QStringLiteral("history"), "journal.jsonl", engine, reference))
        return false;
    add(lines,
        QStringLiteral("journal of %L1 runs (%2 MiB)")
            .arg(m_sizes.journalRuns)
            .arg(QFileInfo(path("journal.jsonl")).size() / (1024 * 1024)),
        engine, reference, true);
    return true;
}

bool SizeRun::profile()
{
    for (const char *job : {"transfer", "transfer", "posting"}) {
        JobRun engine, reference;
        if (!both(QLatin1String(job), job == QByteArrayView("posting") ? "posting.db" : "transfer.db", engine,
                  reference))
            return false;
    }
    return true;
}

int benchmark(const QStringList &args)
{
    const bool large = args.contains(QStringLiteral("--large"));
    const Sizes sizes = args.contains(QStringLiteral("--quick")) ? Sizes::quick() : Sizes();
    if (args.contains(QStringLiteral("--profile"))) {
        SizeRun run(large ? Sizes::large() : sizes, true);
        return run.makeData(false) && run.profile() ? 0 : 1;
    }
    QList<Line> lines;
    QList<Line> largeLines;
    const bool lookupOnly = args.contains(QStringLiteral("--lookup"));
    if (lookupOnly || args.contains(QStringLiteral("--posting"))) {
        // Only the lookup or only the posting: at the size asked, or at both with --large.
        for (const bool tenfold : large ? QList<bool>{false, true} : QList<bool>{false}) {
            SizeRun run(tenfold ? Sizes::large() : sizes, false);
            QList<Line> &into = tenfold ? largeLines : lines;
            if (lookupOnly ? !run.makeLookupData() || !run.measureLookup(into)
                           : !run.makePostingData() || !run.measurePosting(into))
                return 1;
        }
        std::printf("%s\n", qPrintable(tableText(lines, largeLines)));
        return sameResults(lines + largeLines) ? 0 : 1;
    }
    {
        SizeRun run(sizes, false);
        if (!run.makeData(true) || !run.measure(lines))
            return 1;
    }
    if (large) {
        SizeRun run(Sizes::large(), false);
        if (!run.makeData(true) || !run.measure(largeLines))
            return 1;
    }
    std::printf("%s\n", qPrintable(tableText(lines, largeLines)));
    if (!sameResults(lines + largeLines)) {
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
        if (!runJob(args.value(job + 1), file, values, args.contains(QStringLiteral("--profile")), run))
            return 1;
        std::printf("%s", qPrintable(formatRun(run)));
        return 0;
    }
    const QStringList options = {QStringLiteral("--quick"), QStringLiteral("--large"), QStringLiteral("--profile"),
                                 QStringLiteral("--lookup"), QStringLiteral("--posting")};
    const int only = int(args.contains(QStringLiteral("--profile"))) + int(args.contains(QStringLiteral("--lookup")))
                     + int(args.contains(QStringLiteral("--posting")));
    for (const QString &arg : args) {
        if (!options.contains(arg) || only > 1 || (arg == u"--large" && args.contains(QStringLiteral("--quick")))) {
            std::fprintf(stderr, "Usage: vant_bench [--quick | --large] [--profile | --lookup | --posting]\n");
            return 2;
        }
    }
    return benchmark(args);
}
