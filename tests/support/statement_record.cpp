#include "statement_record.h"

#include "db/database.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace vant::test {

namespace {

QString recordFolder()
{
    return QStringLiteral(VANT_STATEMENT_RECORD_DIR);
}

QString currentTestName()
{
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    if (!test)
        return QStringLiteral("(outside a test)");
    return QString::fromUtf8(test->test_suite_name()) + QLatin1Char('.') + QString::fromUtf8(test->name());
}

struct Record
{
    QFile file;
    QSet<QString> written; // test and statement, each pair once
    QSet<QString> unchecked;
    QSet<QString> sqliteOnlyTests;
    int ownStatements = 0; // TestsOwnStatements alive
};

Record &record()
{
    static Record instance;
    return instance;
}

void recordStatement(const QString &statement)
{
    Record &r = record();
    const QString test = currentTestName();
    const QString key = test + QLatin1Char('\n') + statement;
    if (!r.file.isOpen() || r.written.contains(key) || r.unchecked.contains(statement))
        return;
    if (r.ownStatements > 0 && r.sqliteOnlyTests.contains(test))
        return;
    r.written.insert(key);
    const QJsonObject line{{QStringLiteral("test"), test}, {QStringLiteral("sql"), statement}};
    r.file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    r.file.flush();
}

} // namespace

void recordStatements()
{
    if (!QDir().mkpath(recordFolder()))
        return;
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString name = QStringLiteral("%1-%2.jsonl")
                             .arg(program.isEmpty() ? QStringLiteral("test") : program)
                             .arg(QCoreApplication::applicationPid());
    record().file.setFileName(QDir(recordFolder()).filePath(name));
    if (record().file.open(QIODevice::Append))
        Database::setStatementObserver(recordStatement);
}

TestsOwnStatements::TestsOwnStatements()
{
    ++record().ownStatements;
}

TestsOwnStatements::~TestsOwnStatements()
{
    --record().ownStatements;
}

void markSqliteOnly()
{
    record().sqliteOnlyTests.insert(currentTestName());
}

QString uncheckedStatement(const QString &statement)
{
    record().unchecked.insert(statement);
    return statement;
}

QProcessEnvironment recordingEnvironment(QProcessEnvironment environment)
{
    static QAtomicInt started;
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]"));
    QString test = currentTestName();
    test.replace(unsafe, QStringLiteral("_"));
    const QString trace = QStringLiteral("%1.%2-%3.trace")
                              .arg(test)
                              .arg(QCoreApplication::applicationPid())
                              .arg(started.fetchAndAddRelaxed(1));
    environment.insert(QStringLiteral("VANT_SQL_TRACE"), QDir(recordFolder()).filePath(trace));
    return environment;
}

} // namespace vant::test
