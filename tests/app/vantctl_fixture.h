#pragma once

#include "posting/qt_printers.h"
#include "support/test_database.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

namespace vant::test {

// What one run of the vantctl program left behind.
struct CtlRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The real vantctl program, copied into a temporary folder (so that its vantlog.txt is
// the test's own), against a seeded embedded database that the settings point at. The
// employee master holds Admin / vant.
class VantctlTest : public testing::Test
{
protected:
    VantctlTest();

    CtlRun run(const QStringList &arguments);
    // A run logged in as Admin.
    CtlRun runAsAdmin(const QStringList &arguments);

    void execute(const QStringList &statements);
    QString scalar(const QString &statement);
    QStringList logLines() const;

    TestDatabase m_db;
    std::unique_ptr<Database> m_connection;
    QTemporaryDir m_programDir;
    QString m_program;
};

// Runs a program to its end with the test's environment; the output is read as UTF-8.
CtlRun runProgram(const QString &program, const QStringList &arguments);

} // namespace vant::test
