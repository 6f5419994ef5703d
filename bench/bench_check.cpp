#include "bench_check.h"

#include "db/accounts_schema.h"
#include "db/database.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <cstdio>

namespace vant::bench {

namespace {

// Rows read per statement: the check must not raise the peak memory of the job it follows.
constexpr int kPageRows = 5000;

QStringList digestedColumns(const QString &table)
{
    for (const Table &known : accountsTables({QStringLiteral("2026")})) {
        if (known.name.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        QStringList columns;
        for (const Column &column : known.columns) {
            if (column.name.compare(u"ts", Qt::CaseInsensitive) != 0)
                columns << column.name;
        }
        return columns;
    }
    return {};
}

// The digest of one table: the sum of the first eight bytes of each row's SHA-1.
QString tableDigest(Database &db, const QString &table)
{
    const QStringList columns = digestedColumns(table);
    if (columns.isEmpty())
        return table + QStringLiteral(":unknown");
    quint64 sum = 0;
    qint64 rows = 0;
    for (qint64 after = -1;;) {
        auto rs =
            db.openRecordset(QStringLiteral("select rowid,") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ")
                             + table + QStringLiteral(" where rowid>") + QString::number(after)
                             + QStringLiteral(" order by rowid limit ") + QString::number(kPageRows));
        if (!rs) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(table), qPrintable(rs.error().description));
            return table + QStringLiteral(":error");
        }
        if (rs->eof())
            break;
        for (; !rs->eof(); rs->moveNext()) {
            QStringList values;
            for (int i = 1; i < rs->fieldCount(); ++i)
                values << (rs->isNull(i) ? QStringLiteral("NULL") : rs->text(i));
            const QByteArray hash =
                QCryptographicHash::hash(values.join(QLatin1Char('\t')).toUtf8(), QCryptographicHash::Sha1);
            sum += qFromLittleEndian<quint64>(hash.constData());
            after = rs->value(0).toLongLong();
            ++rows;
        }
    }
    return QStringLiteral("%1:%2:%3").arg(table).arg(rows).arg(sum, 16, 16, QLatin1Char('0'));
}

} // namespace

QString tablesDigest(Database &db, const QStringList &tables)
{
    QStringList digests;
    for (const QString &table : tables)
        digests << tableDigest(db, table);
    return digests.join(QLatin1Char(' '));
}

} // namespace vant::bench
