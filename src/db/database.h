#pragma once

#include "outcome.h"
#include "prepared_statements.h"
#include "recordset.h"

#include <QString>

#include <functional>
#include <memory>

class QFile;

namespace vant {

class ChangeTally;

// The error of a statement or call made while no connection is open.
Error closedConnectionError();

// Where the connection goes: the values of the settings key.
struct ConnectionSettings
{
    QString driver;   // "SQLite" = embedded; anything else names an ODBC driver for SQL Server
    QString server;   // SQL Server instance, or the folder of the embedded database files
    QString database; // database name, or the embedded database's file name
    QString login;
    QString password;
    QString databaseValue; // the settings value that names the database, for messages

    bool isEmbedded() const { return driver.compare(u"SQLite", Qt::CaseInsensitive) == 0; }
    // The file that the settings name when they lead to SQLite (embedded, or an ODBC driver
    // named after SQLite); empty for SQL Server.
    QString sqliteFile() const;
    // The OLE DB provider's connection string that the settings stand for.
    QString oleDbConnectionString() const;
    // The same settings as an ODBC connection string; values with ";", braces or outer
    // blanks are brace-quoted.
    QString odbcConnectionString() const;
};

// The program's one database connection. Statements are written in the SQL Server
// dialect; a connection that reaches SQLite rewrites them on the way.
class Database
{
public:
    enum class Dialect { SqlServer, Sqlite };

    static Outcome<std::unique_ptr<Database>> open(const ConnectionSettings &settings);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    Dialect dialect() const { return m_dialect; }
    bool isOpen() const;
    void close();

    Status execute(const QString &statement);
    // The rows that the last statement executed changed (-1 where the server does not say).
    int rowsChanged() const { return m_rowsChanged; }
    Outcome<Recordset> openRecordset(const QString &statement);
    // The rows in batches of up to batchRows, each batch a recordset of its own that is let go
    // before the next is read: a result too big to hold whole. On an error, the batches already
    // handed over stay handed over.
    Status readBatches(const QString &statement, qsizetype batchRows, const std::function<void(Recordset &)> &batch);

    // Transactions nest: one begun inside another is a savepoint of it, committed into it or
    // rolled back alone.
    Status beginTransaction();
    Status commitTransaction();
    Status rollbackTransaction();
    bool inTransaction() const { return m_depth > 0; }

    // Statements sent so far (executed, opened, transactions begun and committed).
    int statementCount() const { return m_statementCount; }
    // From now on the rows changed by each statement are counted in the tally, until null.
    void setChangeTally(ChangeTally *tally) { m_tally = tally; }
    // Test hook: the nth statement from now fails as if the server refused it; 0 turns it off.
    void failStatement(int nth);

    // Test hook for every connection of the program: the observer hears each statement as
    // written for SQL Server, before any rewriting; null turns it off.
    using StatementObserver = void (*)(const QString &statement);
    static void setStatementObserver(StatementObserver observer);

private:
    explicit Database(QString connectionName);
    // The statement as the server reached takes it, traced and counted.
    Outcome<QString> prepare(const QString &statement);
    Status countStatement();
    // The savepoint statement of the server reached for the savepoint of that depth.
    Status savepointStatement(QStringView sqlite, QStringView sqlServer, int depth);
    Error lastError(const QString &fallback) const;

    QString m_connectionName;
    Dialect m_dialect = Dialect::SqlServer;
    int m_depth = 0; // transactions open, the outermost one counted
    int m_statementCount = 0;
    int m_failingStatement = 0;
    int m_rowsChanged = -1;
    std::unique_ptr<QFile> m_trace;
    ChangeTally *m_tally = nullptr;
    PreparedStatements m_prepared;
};

// Rolls the transaction back when it goes out of scope without a commit. Guards nest: an
// inner one commits into the outer transaction or rolls back only its own part.
class TransactionGuard
{
public:
    explicit TransactionGuard(Database &db) : m_db(db) {}
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    Status begin();
    Status commit();
    // Rolls back now, before the guard goes out of scope (say, before a box waits for the user).
    void rollback();

private:
    Database &m_db;
    bool m_open = false;
};

} // namespace vant
