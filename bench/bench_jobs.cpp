#include "bench_jobs.h"

#include "bench_history.h"
#include "bench_support.h"

#include "lookup/lov_controller.h"
#include "lookup/lov_presenter.h"
#include "lookup/mod_vant_lov.h"

#include <algorithm>
#include <functional>

namespace vant::bench {

namespace {

// Plays the user in the lookup window: each move is timed.
class TimedPresenter : public LovPresenter
{
public:
    explicit TimedPresenter(Bench &bench) : m_bench(bench) {}

    void present(LovController &window) override
    {
        shown << m_bench.stop(QStringLiteral("lookup first page"), 0);
        shown.last().check = window.cell(1, 1);
        // The rows are counted for the label once the page shows.
        m_bench.start();
        const QString label = window.countLabel();
        shown << m_bench.stop(QStringLiteral("lookup count label"), 0);
        shown.last().check = label;
        if (moves)
            moves(window);
        window.leave();
    }

    std::function<void(LovController &)> moves;
    QList<Measure> shown;

private:
    Bench &m_bench;
};

const QString kLookupQuery = QStringLiteral("select Name,Code,City from benchitems");

bool lookupJob(Bench &bench, JobRun &run)
{
    const int rows = scalarText(bench.db(), QStringLiteral("select count(*) from benchitems")).toInt();
    TimedPresenter presenter(bench);
    presenter.moves = [&](LovController &window) {
        const auto timed = [&](const QString &action, const std::function<QString()> &move) {
            bench.start();
            const QString check = move();
            Measure measure = bench.stop(action, rows);
            measure.check = check;
            presenter.shown << measure;
        };
        timed(QStringLiteral("lookup Page Down"), [&] {
            window.nextPage();
            return window.countLabel() + QLatin1Char('|') + window.cell(1, 1);
        });
        timed(QStringLiteral("lookup search key"), [&] {
            window.typeText(QStringLiteral("K"));
            return window.cell(window.currentRow(), 1);
        });
        timed(QStringLiteral("lookup search key"), [&] {
            window.typeText(QStringLiteral("o"));
            return window.cell(window.currentRow(), 1);
        });
        timed(QStringLiteral("lookup sort by another column"), [&] {
            window.sortByHead(3);
            return window.cell(1, 3);
        });
    };
    ModVantLov lov(bench.session);
    lov.state().searchField = QStringLiteral("Name");
    LovRequest request;
    request.Query = kLookupQuery;
    request.ColumnWidths = QStringLiteral("3000,1000,2000");
    request.ColumnHeads = QStringLiteral("Name,Code,City");
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    if (!lov.ShowLov(request, &presenter) || presenter.shown.size() != 6)
        return false;
    presenter.shown[0].rows = rows;
    presenter.shown[1].rows = rows;
    // The two keys count as one search: the slower is reported.
    Measure search = presenter.shown.at(3);
    search.ms = std::max(search.ms, presenter.shown.at(4).ms);
    search.cpuMs = std::max(search.cpuMs, presenter.shown.at(4).cpuMs);
    search.check += QLatin1Char('|') + presenter.shown.at(4).check;
    run.measures << presenter.shown.at(0) << presenter.shown.at(1) << presenter.shown.at(2) << search
                 << presenter.shown.at(5);
    return true;
}

// A paged top/limit query for each move, and the values the window should then show.
bool lookupReference(Bench &bench, JobRun &run)
{
    const int rows = scalarText(bench.db(), QStringLiteral("select count(*) from benchitems")).toInt();
    const auto timed = [&](const QString &action, const QString &statement, const QString &check) {
        bench.start();
        auto rs = bench.db().openRecordset(statement);
        Measure measure = bench.stop(action, rows);
        if (!rs)
            return false;
        measure.check = check;
        run.measures << measure;
        return true;
    };
    const QString ordered = kLookupQuery + QStringLiteral(" order by Name,Code,City");
    const QString first =
        scalarText(bench.db(), QStringLiteral("select top 1 Name from benchitems order by Name,Code"));
    const QString second = scalarText(bench.db(), ordered + QStringLiteral(" offset 20 rows fetch next 1 rows only"));
    const QString k = scalarText(bench.db(), QStringLiteral("select min(Name) from benchitems where Name like 'K%'"));
    const QString ko = scalarText(bench.db(), QStringLiteral("select min(Name) from benchitems where Name like 'Ko%'"));
    const QString city = scalarText(bench.db(), QStringLiteral("select min(City) from benchitems"));
    run.startKiB = statusKiB("VmRSS");
    return timed(QStringLiteral("lookup first page"),
                 QStringLiteral("select top 20 Name,Code,City from benchitems "
                                "order by Name"),
                 first)
           && timed(QStringLiteral("lookup count label"), QStringLiteral("select count(*) from benchitems"),
                    QStringLiteral("Records : 1/%1").arg(rows))
           && timed(QStringLiteral("lookup Page Down"),
                    ordered + QStringLiteral(" offset 20 rows fetch next 20 rows only"),
                    QStringLiteral("Records : 21/%1|%2").arg(rows).arg(second))
           && timed(QStringLiteral("lookup search key"),
                    QStringLiteral("select top 20 Name,Code,City from benchitems "
                                   "where Name>='Ko' order by Name"),
                    k + QLatin1Char('|') + ko)
           && timed(QStringLiteral("lookup sort by another column"),
                    QStringLiteral("select top 20 Name,Code,City from benchitems order by City"), city);
}

QString dataList(int values)
{
    QStringList rows;
    for (int i = 1; i <= values; ++i)
        rows << QStringLiteral("Value %1").arg(i, 5, 10, QLatin1Char('0')) + QStringLiteral("!@#$%")
                    + QString::number(i);
    return rows.join(QStringLiteral("^&*()"));
}

bool dataListJob(Bench &bench, int values, JobRun &run)
{
    TimedPresenter presenter(bench);
    ModVantLov lov(bench.session);
    LovRequest request;
    request.Query = dataList(values);
    request.DataList = 1;
    request.ColumnWidths = QStringLiteral("3000,1000");
    request.ColumnHeads = QStringLiteral("Value,Code");
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    if (!lov.ShowLov(request, &presenter) || presenter.shown.size() != 2)
        return false;
    // A data list is read whole: its page and its count are one action.
    Measure measure = presenter.shown.first();
    const Measure &label = presenter.shown.last();
    measure.ms += label.ms;
    measure.cpuMs += label.cpuMs;
    measure.statements += label.statements;
    measure.check = label.check + QLatin1Char('|') + measure.check;
    measure.action = QStringLiteral("lookup of a data list");
    measure.rows = values;
    run.measures << measure;
    return true;
}

// One insert of all values (two statements: SQL Server takes 1,000 rows per values list).
bool dataListReference(Bench &bench, int values, JobRun &run)
{
    QStringList lists;
    for (int i = 1; i <= values; ++i)
        lists << QStringLiteral("('Value %1','%2')").arg(i, 5, 10, QLatin1Char('0')).arg(i);
    QStringList statements = {QStringLiteral("create table BenchList (Field1 varchar(500),Field2 varchar(500))")};
    for (qsizetype start = 0; start < lists.size(); start += 1000)
        statements << QStringLiteral("insert into BenchList values ") + lists.mid(start, 1000).join(QLatin1Char(','));
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll(statements);
    Measure measure = bench.stop(QStringLiteral("lookup of a data list"), values);
    if (!done)
        return false;
    measure.check = QStringLiteral("Records : 1/%1|Value 00001").arg(values);
    run.measures << measure;
    return true;
}

} // namespace

QStringList jobNames()
{
    return {QStringLiteral("transfer"),    QStringLiteral("transfer-ref"), QStringLiteral("posting"),
            QStringLiteral("posting-ref"), QStringLiteral("lookup"),       QStringLiteral("lookup-ref"),
            QStringLiteral("datalist"),    QStringLiteral("datalist-ref"), QStringLiteral("history"),
            QStringLiteral("history-ref")};
}

bool runJob(const QString &job, const QString &databaseFile, int dataListValues, bool profile, JobRun &run)
{
    // The history reads a journal file, not a database.
    if (job.startsWith(u"history")) {
        const bool done = job == u"history" ? historyJob(databaseFile, run) : historyReference(databaseFile, run);
        run.peakKiB = statusKiB("VmHWM");
        return done;
    }
    Bench bench(databaseFile);
    bench.profile = profile;
    if (!bench.session.dbConnection)
        return false;
    bool done = false;
    if (job == u"transfer")
        done = transferJob(bench, run);
    else if (job == u"transfer-ref")
        done = transferReference(bench, run);
    else if (job == u"posting")
        done = postingJob(bench, run);
    else if (job == u"posting-ref")
        done = postingReference(bench, run);
    else if (job == u"lookup")
        done = lookupJob(bench, run);
    else if (job == u"lookup-ref")
        done = lookupReference(bench, run);
    else if (job == u"datalist")
        done = dataListJob(bench, dataListValues, run);
    else if (job == u"datalist-ref")
        done = dataListReference(bench, dataListValues, run);
    if (run.peakKiB == 0)
        run.peakKiB = statusKiB("VmHWM");
    return done;
}

QString formatRun(const JobRun &run)
{
    QStringList lines = {QStringLiteral("memory\t%1\t%2").arg(run.peakKiB).arg(run.startKiB)};
    for (const Measure &measure : run.measures) {
        lines << QStringLiteral("measure\t%1\t%2\t%3\t%4\t%5\t%6")
                     .arg(measure.action)
                     .arg(measure.ms, 0, 'f', 3)
                     .arg(measure.statements)
                     .arg(measure.rows)
                     .arg(measure.check)
                     .arg(measure.cpuMs, 0, 'f', 3);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool parseRun(const QString &text, JobRun &run)
{
    bool sawMemory = false;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.value(0) == u"memory" && parts.size() == 3) {
            run.peakKiB = parts.at(1).toLongLong();
            run.startKiB = parts.at(2).toLongLong();
            sawMemory = true;
        } else if (parts.value(0) == u"measure" && parts.size() == 7) {
            run.measures << Measure{parts.at(1), parts.at(2).toDouble(), parts.at(3).toInt(), parts.at(4).toInt(),
                                    parts.at(5), parts.at(6).toDouble()};
        }
    }
    return sawMemory && !run.measures.isEmpty();
}

} // namespace vant::bench
