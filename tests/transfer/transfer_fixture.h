#pragma once

#include "db/accounts_schema.h"
#include "session/company_context.h"
#include "session/session.h"
#include "support/error_log_lines.h"
#include "support/golden_file.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"
#include "support/test_server.h"
#include "transfer/transfer_job.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vant::test {

// A session on a seeded database whose default company is "1" (shadows "2" and "3"),
// year 2026 beginning 2026-04-01.
class TransferFixture : public ::testing::Test
{
protected:
    TransferFixture() : session(prompts, logFolder.filePath(QStringLiteral("vantlog.txt")))
    {
        session.dbConnection = database.connect();
        TestDatabase::seedCompanies(db());
        EXPECT_TRUE(DefaultCompanySet(session));
    }

    Database &db() { return *session.dbConnection; }
    void exec(const QStringList &statements) { TestDatabase::exec(db(), statements); }
    // Every row of a statement, its values joined by "|"; a statement that fails is an error of
    // the test unless it may.
    QStringList rows(const QString &statement, bool mayFail = false)
    {
        QStringList list;
        const TestsOwnStatements own;
        auto rs = db().openRecordset(statement);
        EXPECT_TRUE(mayFail || bool(rs)) << statement.toStdString();
        for (; rs && !rs->eof(); rs->moveNext()) {
            QStringList values;
            for (int i = 0; i < rs->fieldCount(); ++i)
                values << (rs->isNull(i) ? QStringLiteral("NULL") : rs->text(i));
            list << values.join(QLatin1Char('|'));
        }
        return list;
    }
    // Every row of every table of the catalogue that is there, to compare the whole database
    // before and after.
    QStringList snapshot()
    {
        QStringList all;
        for (const Table &table : accountsTables({TestDatabase::kYear})) {
            QStringList positions;
            for (qsizetype i = 1; i <= table.columns.size(); ++i)
                positions << QString::number(i);
            all << table.name
                << rows(QStringLiteral("select * from %1 order by %2").arg(table.name, positions.join(u',')), true);
        }
        return all;
    }
    QStringList logLines() const { return errorLogLines(session); }
    // Copies company 1's period (April by default) into company 2, recording the feedback.
    Outcome<TransferEnd> transfer(const QDate &from = QDate(2026, 4, 1), const QDate &to = QDate(2026, 4, 30))
    {
        const TransferFeedback feedback{[this](const QString &caption) { captions << caption; },
                                        [this] { ++progressShown; }, [this](int rows) { advances += rows; }};
        return TransferJob(session, {QStringLiteral("1"), QStringLiteral("2"), from, to}).run(feedback);
    }
    // Runs a .sql file of tests/transfer/.
    void seed(const char *name)
    {
        TestDatabase::execScript(db(), testSourceFile(QStringLiteral("transfer/") + QLatin1String(name)));
    }

    QTemporaryDir logFolder;
    TestDatabase database;
    ScriptedPrompts prompts;
    Session session;
    QStringList captions;
    int progressShown = 0;
    int advances = 0;
};

} // namespace vant::test
