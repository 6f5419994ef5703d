#include "bench_profile.h"

#include "bench_support.h"

#include "db/database.h"
#include "db/sqlite_dialect.h"

#include <QElapsedTimer>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace vant::bench {

namespace {

// The beginning of a statement that is shown.
constexpr qsizetype kShownLength = 600;

struct Form
{
    QString statement; // the first one sent
    QString plan;
    double ms = 0;
    double cpuMs = 0;
    int sent = 0;
};

struct Profile
{
    QElapsedTimer clock;
    QHash<QString, Form> forms;
    QString running; // the form of the statement being timed
    qint64 runningSince = 0;
    double cpuSince = 0;
};

Profile *profile = nullptr;

QString formOf(const QString &statement)
{
    static const QRegularExpression numbers(QStringLiteral("\\b\\d+\\b"));
    return QString(statement).replace(numbers, QStringLiteral("N"));
}

// SQLite's plan of the statement as the connection would run it, one step a line.
QString planOf(const QString &statement)
{
    const Outcome<QString> sql = toSqliteDialect(statement);
    const QStringList connections = QSqlDatabase::connectionNames();
    if (!sql || sql->trimmed().isEmpty() || connections.isEmpty())
        return {};
    QSqlQuery query(QSqlDatabase::database(connections.first(), false));
    if (!query.exec(QStringLiteral("explain query plan ") + *sql))
        return {};
    // The rows of a constant table (the lengths of copyform's leading number) say nothing.
    static const QStringList constantRows = {QStringLiteral("SCAN CONSTANT ROW"), QStringLiteral("UNION ALL"),
                                             QStringLiteral("COMPOUND QUERY"), QStringLiteral("LEFT-MOST SUBQUERY")};
    QHash<int, int> depth;
    QStringList lines;
    while (query.next()) {
        const int level = depth.value(query.value(1).toInt(), -1) + 1;
        depth.insert(query.value(0).toInt(), level);
        const QString step = query.value(3).toString();
        if (!constantRows.contains(step))
            lines << QString(level * 2 + 4, QLatin1Char(' ')) + step;
    }
    return lines.join(QLatin1Char('\n'));
}

void closeRunning()
{
    if (profile->running.isEmpty())
        return;
    Form &form = profile->forms[profile->running];
    form.ms += double(profile->clock.nsecsElapsed() - profile->runningSince) / 1e6;
    form.cpuMs += processCpuMs() - profile->cpuSince;
    profile->running.clear();
}

void observe(const QString &statement)
{
    closeRunning();
    const QString form = formOf(statement);
    Form &known = profile->forms[form];
    if (known.sent++ == 0) {
        known.statement = statement;
        known.plan = planOf(statement);
    }
    profile->running = form;
    profile->runningSince = profile->clock.nsecsElapsed();
    profile->cpuSince = processCpuMs();
}

} // namespace

void startProfile()
{
    delete profile;
    profile = new Profile;
    profile->clock.start();
    Database::setStatementObserver(observe);
}

void printProfile(const QString &job, int forms)
{
    if (!profile)
        return;
    Database::setStatementObserver(nullptr);
    closeRunning();
    QList<Form> sorted = profile->forms.values();
    std::sort(sorted.begin(), sorted.end(), [](const Form &a, const Form &b) { return a.cpuMs > b.cpuMs; });
    double total = 0;
    double totalCpu = 0;
    int sent = 0;
    for (const Form &form : std::as_const(sorted)) {
        total += form.ms;
        totalCpu += form.cpuMs;
        sent += form.sent;
    }
    std::fprintf(stderr, "\n%s: %d statements of %d forms, %.0f ms, CPU %.0f ms\n", qPrintable(job), sent,
                 int(sorted.size()), total, totalCpu);
    for (const Form &form : sorted.mid(0, forms)) {
        const QString statement = form.statement.size() > kShownLength
                                      ? form.statement.left(kShownLength) + QStringLiteral("...")
                                      : form.statement;
        std::fprintf(stderr, "%5.1f%% CPU %8.1f ms (wall %8.1f ms) %5d× %s\n%s\n",
                     totalCpu > 0 ? form.cpuMs * 100 / totalCpu : 0.0, form.cpuMs, form.ms, form.sent,
                     qPrintable(statement), qPrintable(form.plan));
    }
    delete profile;
    profile = nullptr;
}

} // namespace vant::bench
