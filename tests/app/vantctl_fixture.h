#pragma once

#include "db/accounts_schema.h"
#include "session/error_report.h"
#include "support/error_log_lines.h"
#include "support/qt_printers.h"
#include "support/statement_record.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vant::test {

// What one run of a program left behind; its output is read as UTF-8.
struct CtlRun
{
    int exitCode = -1;
    QString out, err;
};

inline CtlRun runProgram(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment = recordingEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The system's environment without a display: a program started in it must do without one.
inline QProcessEnvironment environmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// A dry run's record beside the real run's: marked as such, and alike in every one of the keys.
inline void expectDryRunOf(const QJsonObject &dry, const QJsonObject &real, const QStringList &keys)
{
    EXPECT_TRUE(dry.value(QStringLiteral("dryRun")).toBool());
    EXPECT_FALSE(real.value(QStringLiteral("dryRun")).toBool());
    for (const QString &key : keys)
        EXPECT_EQ(dry.value(key), real.value(key)) << key.toStdString();
}

// The real vantctl program, copied into a temporary folder so that its vantlog.txt is the test's own,
// against a seeded embedded database that the settings point at. The employee master holds Admin / vant.
class VantctlTest : public testing::Test
{
protected:
    VantctlTest()
    {
        clearSettings();
        m_db.writeSettings();
        TestDatabase::seedCompanies(*m_connection);
        execute({QStringLiteral("insert into psm_employee_master(PEM_EMP_USERID,PEM_EMP_PASSWORD,PEM_EMP_NAME) "
                                "values ('Admin','vant','Administrator')")});
        EXPECT_TRUE(QFile::copy(QStringLiteral(VANTCTL_PROGRAM), m_program));
        // As in the build tree, the log is written beside the program, where each test reads it.
        QFile marker(m_programDir.filePath(kBuildTreeMarker));
        EXPECT_TRUE(marker.open(QIODevice::WriteOnly));
    }

    CtlRun run(const QStringList &arguments) { return runProgram(m_program, arguments); }
    CtlRun runAsAdmin(const QStringList &arguments)
    {
        return run(QStringLiteral("--user Admin --password vant").split(u' ') + arguments);
    }
    void execute(const QStringList &statements) { TestDatabase::exec(*m_connection, statements); }
    // Runs a .sql file of tests/app/.
    void executeScript(const QString &name)
    {
        TestDatabase::execScript(*m_connection, QStringLiteral(VANT_SOURCE_DIR "/tests/app/") + name);
    }
    QString scalar(const QString &statement) { return TestDatabase::scalar(*m_connection, statement); }
    // Every row of every table, counters included: what a dry run must leave as it was.
    QString dump()
    {
        QString rows;
        for (const Table &table : accountsTables({QStringLiteral("2026")})) {
            auto rs = m_connection->openRecordset(QStringLiteral("select * from ") + table.name);
            EXPECT_TRUE(rs) << table.name.toStdString();
            for (; rs && !rs->eof(); rs->moveNext()) {
                rows += table.name;
                for (int i = 0; i < rs->fieldCount(); ++i)
                    rows += QLatin1Char('|') + rs->text(i);
                rows += QLatin1Char('\n');
            }
        }
        return rows;
    }
    QStringList logLines() const { return logFileLines(m_programDir.filePath(QStringLiteral("vantlog.txt"))); }

    TestDatabase m_db;
    std::unique_ptr<Database> m_connection = m_db.connect();
    QTemporaryDir m_programDir;
    QString m_program = m_programDir.filePath(QStringLiteral("vantctl"));
};

} // namespace vant::test
