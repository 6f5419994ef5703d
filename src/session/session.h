#pragma once

#include "accounts_component.h"
#include "db/database.h"
#include "error_report.h"

#include <QDate>
#include <QString>

#include <memory>

namespace vant {

class LovPresenter;
class UserPrompts;

// The values that the whole program shares for one run: the connection, the accounts
// component, the chosen product and the default company's context. Set once at login
// and at the main window's load, read by every job.
struct Session
{
    Session(UserPrompts &userPrompts, QString logPath = ErrorLog::defaultLogPath());

    UserPrompts &prompts;
    ErrorLog errorLog;
    AccountsFactory accountsFactory = createAccountsComponent;

    std::unique_ptr<Database> DBConnection;
    std::unique_ptr<AccountsComponent> AccountsObject;

    QString ProductCode;
    QString ProductDBKey;
    // The user who logged in, as typed at the login.
    QString UserName;
    QString QuoteChar;

    QString CompanyCode;
    QString CompanyName;
    QString FinancialYear;
    QString VoucherTable;
    QDate FinYearBegin;
    QDate FinYearEnd;
    QString DateFormat = QStringLiteral("dd-MM-yyyy");

    int PostingAcType = 0;

    // The lookup window's presenter; the program sets it to its Qt dialog.
    LovPresenter *lovPresenter = nullptr;

    // The open connection, or null before login.
    Database *db() const { return DBConnection.get(); }
    // The statement on the connection; the closed-connection error before login.
    Outcome<Recordset> openRecordset(const QString &statement) const
    {
        return DBConnection ? DBConnection->openRecordset(statement) : Outcome<Recordset>(closedConnectionError());
    }
    // The statement executed on the connection; the closed-connection error before login.
    Status execute(const QString &statement) const
    {
        return DBConnection ? DBConnection->execute(statement) : Status(closedConnectionError());
    }
    void ReportError(const Error &error, const QString &window, const QString &procedure, bool show) const
    {
        errorLog.ReportError(error, window, procedure, show);
    }
};

// Creates the transfer's and purge's component and connects it; reports a failure.
bool AccountsObjectCreation(Session &session);
// Creates the component of a program identifier and connects it, without reporting.
Status createAndConnectAccounts(Session &session, const QString &progId);
void CloseAccountsObject(Session &session);

} // namespace vant
