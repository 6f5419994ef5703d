#include "golden_file.h"

#include "statement_record.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vant::test {

namespace {

QStringList column(Database &db, const QString &statement, int index)
{
    QStringList values;
    // The dump shows SQLite's own storage (quote() tells a text from a number): SQLite's dialect.
    auto rs = db.openRecordset(uncheckedStatement(statement));
    EXPECT_TRUE(bool(rs)) << statement.toStdString();
    for (; rs && !rs->eof(); rs->moveNext())
        values << rs->text(index);
    return values;
}

} // namespace

QStringList databaseDump(Database &db)
{
    static const QRegularExpression clockColumn(QStringLiteral("^ts$"), QRegularExpression::CaseInsensitiveOption);
    QStringList dump;
    const QStringList tables =
        column(db, QStringLiteral("select name from sqlite_master where type='table' order by name"), 0);
    for (const QString &table : tables) {
        QStringList values;
        for (const QString &name : column(db, QStringLiteral("select * from pragma_table_info('%1')").arg(table), 1)) {
            values << (clockColumn.match(name).hasMatch()
                           ? QStringLiteral("case when %1 is null then 'NULL' else 'ts' end").arg(name)
                           : QStringLiteral("quote(%1)").arg(name));
        }
        dump << QStringLiteral("# ") + table;
        const QString order = table == u"sqlite_sequence" ? QStringLiteral("name") : QStringLiteral("rowid");
        const QStringList rows = column(
            db,
            QStringLiteral("select %1 from %2 order by %3").arg(values.join(QStringLiteral("||'|'||")), table, order),
            0);
        // One line per row, also when a text holds a line break.
        for (QString row : rows)
            dump << row.replace(QLatin1Char('\n'), QStringLiteral("\\n"))
                        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    }
    return dump;
}

void expectGolden(const QString &folder, const QString &name, const QStringList &lines)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".txt"));
    if (qEnvironmentVariableIsSet("VANT_GOLDEN_RECORD")) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int mismatches = 0;
    for (qsizetype i = 0; i < std::max(expected.size(), lines.size()) && mismatches < 10; ++i) {
        const QString want = expected.value(i, QStringLiteral("<none>"));
        const QString got = lines.value(i, QStringLiteral("<none>"));
        if (want != got) {
            ++mismatches;
            ADD_FAILURE() << name.toStdString() << " line " << i + 1 << "\n  golden: " << want.toStdString()
                          << "\n  now:    " << got.toStdString();
        }
    }
    EXPECT_EQ(expected.size(), lines.size()) << name.toStdString();
}

QString testSourceFile(const QString &relative)
{
    return QDir(QStringLiteral(VANT_TEST_SUPPORT_DIR "/..")).filePath(relative);
}

} // namespace vant::test
