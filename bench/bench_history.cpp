#include "bench_history.h"

#include "bench_support.h"

#include "session/error_report.h"
#include "session/run_journal.h"
#include "session/run_record.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace vant::bench {

namespace {

constexpr int kShown = 3;
constexpr qint64 kTail = 64 * 1024;

QByteArray line(const RunRecord &record)
{
    return QJsonDocument(record.toJson()).toJson(QJsonDocument::Compact) + '\n';
}

// The runs' ids, newest first, as the check of what was shown.
QString ids(const QList<QJsonObject> &records)
{
    QStringList list;
    for (const QJsonObject &record : records)
        list << record.value(QStringLiteral("run")).toString();
    return list.join(QLatin1Char(','));
}

bool measured(JobRun &run, const QElapsedTimer &timer, double cpuAtStart, const QList<QJsonObject> &shown)
{
    run.measures << Measure{QStringLiteral("history, latest 3 runs"),
                            double(timer.nsecsElapsed()) / 1e6,
                            0,
                            kShown,
                            ids(shown),
                            processCpuMs() - cpuAtStart};
    return shown.size() == kShown;
}

} // namespace

bool seedJournal(const QString &file, int runs)
{
    QFile journal(file);
    if (!journal.open(QIODevice::WriteOnly))
        return false;
    RunRecord record;
    record.user = QStringLiteral("Admin");
    record.product = QStringLiteral("Kormo Vant");
    record.company = QStringLiteral("1");
    record.job = QStringLiteral("post");
    QJsonArray marked;
    for (int voucher = 1; voucher <= 20; ++voucher)
        marked.append(7000 + voucher);
    record.parameters = {{QStringLiteral("acType"), 0}, {QStringLiteral("marked"), marked}};
    record.tables = {{QStringLiteral("AccOffLineVoucher"), 0, 0, 60}, {QStringLiteral("accvoucher2026"), 60, 0, 0}};
    const QDateTime start(QDate(2026, 4, 1), QTime(9, 0));
    QByteArray block;
    for (int i = 1; i <= runs; ++i) {
        record.run = QString::number(i);
        record.when = start.addSecs(qint64(i) * 60);
        record.result = kRunStarted;
        record.posted = 0;
        block += line(record);
        record.result = QStringLiteral("completed");
        record.posted = 20;
        block += line(record);
        if (block.size() > (1 << 20) || i == runs) {
            if (journal.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return journal.flush();
}

bool historyJob(const QString &journal, JobRun &run)
{
    const ErrorLog log(journal + QStringLiteral(".log"), nullptr);
    run.startKiB = statusKiB("VmRSS");
    const double cpuAtStart = processCpuMs();
    QElapsedTimer timer;
    timer.start();
    const auto shown = RunJournal(journal, log).read({{}, {}, {}, kShown});
    return shown && measured(run, timer, cpuAtStart, *shown);
}

bool historyReference(const QString &journal, JobRun &run)
{
    run.startKiB = statusKiB("VmRSS");
    const double cpuAtStart = processCpuMs();
    QElapsedTimer timer;
    timer.start();
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - kTail)))
        return false;
    const QList<QByteArray> lines = file.read(kTail).split('\n');
    QList<QJsonObject> shown;
    QStringList seen;
    for (qsizetype i = lines.size() - 1; i > 0 && shown.size() < kShown; --i) {
        const QJsonObject record = QJsonDocument::fromJson(lines.at(i)).object();
        const QString id = record.value(QStringLiteral("run")).toString();
        if (record.isEmpty() || seen.contains(id))
            continue;
        seen << id;
        shown << record;
    }
    return measured(run, timer, cpuAtStart, shown);
}

} // namespace vant::bench
