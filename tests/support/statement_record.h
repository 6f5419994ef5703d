#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace vant::test {

// Records every statement that the tests send, as written for SQL Server, with the name of the
// test that sent it, into the folder that the statement check reads (VANT_STATEMENT_RECORD_DIR).
// Each test program writes a file of its own, one JSON object per line.
void recordStatements();

// A statement of the test's own that SQL Server would refuse, left out of the statement check:
// a look at the rows in SQLite's dialect (in a test that says VANT_SQLITE_ONLY), or one sent
// to see it refused. Returns the statement.
QString uncheckedStatement(const QString &statement);

// While it lives, the statements sent are the test's own (TestDatabase's helpers): in a test
// that runs on SQLite only they may be SQLite's and are left out of the check; the program's
// statements are always checked.
class TestsOwnStatements
{
public:
    TestsOwnStatements();
    ~TestsOwnStatements();
    TestsOwnStatements(const TestsOwnStatements &) = delete;
    TestsOwnStatements &operator=(const TestsOwnStatements &) = delete;
};

// The current test runs on SQLite only (VANT_SQLITE_ONLY says so).
void markSqliteOnly();

// The environment for a program that a test starts: its statements are traced into the same
// folder, in a file named after the test.
QProcessEnvironment recordingEnvironment(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());

} // namespace vant::test
