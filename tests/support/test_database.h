#pragma once

#include "db/database.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace vant::test {

// A fresh accounts database built by the schema code: an SQLite file in a temporary folder,
// or, when VANT_TEST_SERVER names a SQL Server, a new database there, dropped at the end.
class TestDatabase
{
public:
    // The financial year key whose voucher table is created ("accvoucher" + key).
    static inline const QString kYear = QStringLiteral("2026");
    static inline const QString kFileName = QStringLiteral("vant.db");

    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString folder() const { return m_folder.path(); }
    // The SQLite file (tests that need it say so with VANT_SQLITE_ONLY).
    QString path() const;
    // How a connection reaches the database.
    ConnectionSettings settings() const;

    // A fresh connection to the database.
    std::unique_ptr<Database> connect() const;
    // A fresh connection that appends each statement it sends to the trace file tracePath.
    std::unique_ptr<Database> connectTraced(const QString &tracePath) const;
    // The statements of a trace file, one a line.
    static QStringList traced(const QString &tracePath);

    // Writes the settings that lead the login to this database under "VantDB", as the login
    // "sa"; on a server, with the server's login and password.
    void writeSettings(const QString &password = QStringLiteral("secret")) const;

    // Runs statements and fails the current test on the first error.
    static void exec(Database &db, const QStringList &statements);
    // Runs the statements of a .sql file: each ends with ";" at the end of a line; lines that
    // begin with "--" are comments.
    static void execScript(Database &db, const QString &path);
    // First column of the first row of a statement, as text.
    static QString scalar(Database &db, const QString &statement);
    // Every row of a statement, its values joined by the column separator (NULL as "NULL"), the
    // rows by the row separator: what SQLite's group_concat() gives, on either engine.
    static QString joined(Database &db, const QString &statement, const QString &columnSeparator = QStringLiteral("/"),
                          const QString &rowSeparator = QStringLiteral(","));

    // A default company "1" (Kormo Traders) with division 1, year kYear beginning on
    // 1 April 2026, shadow companies "2" and "3", five ledgers with aids and version 5000.
    static void seedCompanies(Database &db);

private:
    void createOnServer();

    QTemporaryDir m_folder;
    QString m_serverDatabase; // the database's name on the server; empty for SQLite
    bool m_created = false;   // made on the server, to be dropped
};

} // namespace vant::test
