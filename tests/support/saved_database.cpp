#include "saved_database.h"

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
