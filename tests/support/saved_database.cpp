#include "saved_database.h"

#include "statement_record.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace vant::test {

namespace {

QString savedPath(const QTemporaryDir &folder)
{
    return QDir(folder.path()).filePath(TestDatabase::kFileName);
}

} // namespace

QStringList rowsWithoutTimestamps(Database &db)
{
    QStringList all;
    auto tables = db.openRecordset(
        uncheckedStatement(QStringLiteral("select name from sqlite_master where type='table' order by name")));
    EXPECT_TRUE(bool(tables));
    for (; tables && !tables->eof(); tables->moveNext()) {
        const QString table = tables->text(0);
        auto rows = db.openRecordset(
            uncheckedStatement(QStringLiteral("select * from ") + table + QStringLiteral(" order by rowid")));
        EXPECT_TRUE(bool(rows)) << table.toStdString();
        all << table;
        for (; rows && !rows->eof(); rows->moveNext()) {
            QStringList values;
            for (int i = 0; i < rows->fieldCount(); ++i) {
                if (rows->field(i).name.compare(u"ts", Qt::CaseInsensitive) != 0)
                    values << (rows->isNull(i) ? QStringLiteral("NULL") : rows->text(i));
            }
            all << values.join(QLatin1Char('|'));
        }
    }
    return all;
}

SavedDatabase::SavedDatabase(const TestDatabase &database) : m_database(database)
{
    EXPECT_TRUE(QFile::copy(database.path(), savedPath(m_folder)));
}

void SavedDatabase::restore(std::unique_ptr<Database> &connection) const
{
    connection.reset();
    QFile::remove(m_database.path());
    EXPECT_TRUE(QFile::copy(savedPath(m_folder), m_database.path()));
    connection = m_database.connect();
}

} // namespace vant::test
