#include "bench_support.h"

#include <QFile>

#include <ctime>

namespace vant::bench {

qint64 statusKiB(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QString key = QLatin1String(name) + QLatin1Char(':');
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QString text = QString::fromLatin1(line);
        if (text.startsWith(key))
            return text.mid(key.size()).trimmed().section(QLatin1Char(' '), 0, 0).toLongLong();
    }
    return 0;
}

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

QString scalarText(Database &db, const QString &statement)
{
    auto rs = db.openRecordset(statement);
    if (!rs) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(rs.error().description));
        return QStringLiteral("error");
    }
    return rs->eof() ? QString() : rs->text(0);
}

} // namespace vant::bench
