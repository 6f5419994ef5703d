#pragma once

#include "error_log_lines.h"
#include "saved_database.h"
#include "stored_values.h"

#include "session/session.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace vant::test {

// A job run with its nth statement failing (0: none); whether it completed.
using FailingRun = std::function<bool(int failing)>;

// Runs the job once with each of its statements failing, each time from the same start: the
// failure leaves no transaction open and whatever `checkFailed` asks, and the job run again
// afterwards leaves `after`, the rows of an undisturbed run.
inline void sweepStatementFailures(const SavedDatabase &start, std::unique_ptr<Database> &connection, int statements,
                                   const FailingRun &run, const std::function<void()> &checkFailed,
                                   const QStringList &after)
{
    for (int failing = 1; failing <= statements; ++failing) {
        SCOPED_TRACE(failing);
        start.restore(connection);
        EXPECT_FALSE(run(failing));
        EXPECT_FALSE(connection->inTransaction());
        checkFailed();
        EXPECT_TRUE(run(0));
        EXPECT_EQ(databaseDump(*connection), after);
    }
}

// The rows left by a job run from the start with a column of the source's rows holding a value
// (a literal), the column then set alike in every case; nothing when the job refused the value
// naming the column in its log.
inline std::optional<QStringList> rowsAfterStoredValue(const SavedDatabase &start, Session &session,
                                                       const StoredSource &source, const QString &column,
                                                       const QString &literal, const std::function<bool()> &job)
{
    using namespace Qt::StringLiterals;
    const QString table = QLatin1StringView(source.table);
    const QString where = QLatin1StringView(source.where);
    start.restore(session.dbConnection);
    QFile::remove(session.errorLog.logPath());
    TestDatabase::exec(*session.dbConnection, {u"update %1 set %2=%3 where %4"_s.arg(table, column, literal, where)});
    if (!job()) {
        const QString reported = errorLogLines(session).filter(u"ErrMessage"_s).join(u'\n');
        EXPECT_TRUE(reported.contains(column, Qt::CaseInsensitive)) << reported.toStdString();
        return std::nullopt;
    }
    TestDatabase::exec(*session.dbConnection, {u"update %1 set %2=null where %3"_s.arg(table, column, where)});
    return databaseDump(*session.dbConnection);
}

} // namespace vant::test
