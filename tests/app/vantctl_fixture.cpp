#include "vantctl_fixture.h"

#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace vant::test {

CtlRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    CtlRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

VantctlTest::VantctlTest() : m_connection(m_db.connect()), m_program(QDir(m_programDir.path()).filePath(QStringLiteral("vantctl")))
{
    clearSettings();
    m_db.writeSettings();
    TestDatabase::seedCompanies(*m_connection);
    execute({QStringLiteral("insert into psm_employee_master(PEM_EMP_USERID,PEM_EMP_PASSWORD,PEM_EMP_NAME) "
                            "values ('Admin','vant','Administrator')")});
    EXPECT_TRUE(QFile::copy(QStringLiteral(VANTCTL_PROGRAM), m_program));
}

CtlRun VantctlTest::run(const QStringList &arguments)
{
    return runProgram(m_program, arguments);
}

CtlRun VantctlTest::runAsAdmin(const QStringList &arguments)
{
    return run(QStringList{QStringLiteral("--user"), QStringLiteral("Admin"), QStringLiteral("--password"),
                           QStringLiteral("vant")}
               + arguments);
}

void VantctlTest::execute(const QStringList &statements)
{
    TestDatabase::exec(*m_connection, statements);
}

QString VantctlTest::scalar(const QString &statement)
{
    return TestDatabase::scalar(*m_connection, statement);
}

QStringList VantctlTest::logLines() const
{
    QFile log(QDir(m_programDir.path()).filePath(QStringLiteral("vantlog.txt")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace vant::test
