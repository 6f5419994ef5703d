#pragma once

#include "accounts_component.h"
#include "db/database.h"
#include "error_report.h"

#include <QDate>
#include <QString>

#include <memory>

namespace vant {

class UserPrompts;

// The values that last for the login and that every job reads: the connection, the chosen
// product, the default company's context, the factory of the accounts component and the boxes.
// Set once at login and at the main window's load. What a job needs for one run travels as its
// arguments; the accounts component lives only as long as the job that made it (AccountsGuard).
struct Session
{
    Session(UserPrompts &userPrompts, QString logPath = ErrorLog::defaultLogPath());

    UserPrompts &prompts;
    ErrorLog errorLog;
    AccountsFactory accountsFactory = createAccountsComponent;

    std::unique_ptr<Database> dbConnection;

    QString productCode;
    QString productDbKey;
    // The user who logged in, as typed at the login.
    QString userName;
    QString quoteChar;

    QString companyCode;
    QString companyName;
    QString financialYear;
    QString voucherTable;
    QDate finYearBegin;
    QDate finYearEnd;
    QString dateFormat = QStringLiteral("dd-MM-yyyy");

    // The open connection, or null before login.
    Database *db() const { return dbConnection.get(); }
    // The statement on the connection; the closed-connection error before login.
    Outcome<Recordset> openRecordset(const QString &statement) const
    {
        return dbConnection ? dbConnection->openRecordset(statement) : Outcome<Recordset>(closedConnectionError());
    }
    // The statement executed on the connection; the closed-connection error before login.
    Status execute(const QString &statement) const
    {
        return dbConnection ? dbConnection->execute(statement) : Status(closedConnectionError());
    }
    void ReportError(const Error &error, const QString &window, const QString &procedure, bool show,
                     const QString &boxNote = QString()) const
    {
        errorLog.ReportError(error, window, procedure, show, boxNote);
    }
};

} // namespace vant
