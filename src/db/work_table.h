#pragma once

#include "outcome.h"

#include <QString>
#include <QStringList>

namespace vant {

class Database;

// A temporary table of the connection (SQL Server's #name) that a set-based job fills in the
// server instead of reading rows into the program. Made inside the job's transaction, it goes
// with a rollback; the job drops it when done.
class WorkTable
{
public:
    // name without the #; columns as in a create statement.
    WorkTable(Database &db, const QString &name, const QString &columns);

    const QString &name() const { return m_name; }
    // Drops one left by an earlier job of this connection, then creates it.
    Status create();
    // Creates it, fills it with the statement and counts its rows.
    Outcome<int> createFilled(const QString &fill);
    // Deletes its rows; an identity counts from its seed again.
    Status empty();
    Status drop();
    // Drops it when it is there: after a failure, only what was made.
    Status dropIfMade();

private:
    Database &m_db;
    QString m_name;
    QString m_columns;
};

// Rows given by the program, inserted with as few statements as SQL Server takes: at most
// 1,000 rows per values list. Each row is its values already written as literals.
Status insertValueRows(Database &db, const QString &insertInto, const QList<QStringList> &rows);

// Statements that end at the first failure.
Status executeAll(Database &db, const QStringList &statements);

} // namespace vant
