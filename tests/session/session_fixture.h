#pragma once

#include "session/session.h"

#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


namespace vant::test {

// A seeded database file and one connection to it.
class SeededDatabaseTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_db = m_file.connect();
        ASSERT_TRUE(m_db);
        TestDatabase::seedCompanies(*m_db);
    }
    void exec(const QString &statement) { TestDatabase::exec(*m_db, {statement}); }
    QString scalar(const QString &statement) { return TestDatabase::scalar(*m_db, statement); }

    TestDatabase m_file;
    std::unique_ptr<Database> m_db;
};

// A session with scripted prompts and its error log in a temporary folder, and a database file to connect.
class SessionTest : public testing::Test
{
protected:
    QString logPath() const { return QDir(m_logFolder.path()).filePath(QStringLiteral("vantlog.txt")); }
    QString log() const
    {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    void connectSeeded()
    {
        m_session.dbConnection = m_file.connect();
        ASSERT_TRUE(m_session.db());
        TestDatabase::seedCompanies(*m_session.db());
    }
    void exec(const QString &statement) { TestDatabase::exec(*m_session.db(), {statement}); }
    QString scalar(const QString &statement) { return TestDatabase::scalar(*m_session.db(), statement); }

    TestDatabase m_file;
    QTemporaryDir m_logFolder;
    ScriptedPrompts m_prompts;
    Session m_session{m_prompts, logPath()};
};

} // namespace vant::test
