#pragma once

#include "db/outcome.h"

#include <QDate>
#include <QString>
#include <QVariant>

namespace vant {

struct Session;

// A company code as the statements write it: the whole number it holds ("12" for " 12 ").
// A code that is no whole number names no company; the error says so.
Outcome<QString> companyCodeOf(const QVariant &code, const QString &what);

// Loads the default company, its financial year and date format into the session. A default
// company whose code is no whole number is reported and not loaded.
bool DefaultCompanySet(Session &session);
QDate GetFinDateBegin(Session &session, const QString &financialYear, const QString &companyCode);
QDate GetFromCompany(Session &session, const QString &companyCode);
// The shadow companies of a company, each as its name and code: the list the user picks from,
// and that vantctl finds a destination in.
QString shadowCompaniesQuery(const QString &parentCode);
// The company's name; "NOTFOUND" when there is none, "ERROR" when the query fails.
QString GetCompanyName(Session &session, const QString &companyCode);
// The company's name, "NOTFOUND" when there is none, or the error of a query that failed,
// unreported: for callers that must not take a failure for a company.
Outcome<QString> companyName(Session &session, const QString &companyCode);
// Rows of the statement, or with firstColumn its first column as a number.
int GetRecordCount(Session &session, const QString &statement, bool firstColumn);
// The number a count statement gives (its first column; 0 without a row), or the error
// that stopped it, unreported: for callers that must not take a failure for 0.
Outcome<qint64> countRows(Session &session, const QString &statement);
// First column of the first row; an invalid QVariant when there is no row.
QVariant GetValueFromTbl(Session &session, const QString &statement);

} // namespace vant
