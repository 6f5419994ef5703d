#pragma once

#include "lov_request.h"

#include "db/outcome.h"
#include "db/recordset.h"

#include <QString>

namespace vant {

struct Session;

// The value lookup's entry point and the state that it shares with its window. One
// object serves one caller; every ShowLov overwrites the state.
class ModVantLov
{
public:
    explicit ModVantLov(Session &session);

    // Asks the user for a value of the request's query; the answer goes to request.Result.
    // Errors of the database while probing the query or dropping the work table come back
    // to the caller, whose error report names them.
    Status ShowLov(LovRequest &request);

    // Opens LovRecordset on the query, limited to rowLimit rows unless 0 or a distinct query.
    Status OpenLovRecordset(const QString &query, qint32 rowLimit);

    // Makes the work table of a data list and returns the statement that reads it; empty
    // after a reported failure.
    QString GenLovQuery(const QString &data, const QString &tableName);

    // The query with " top " and the limit after its first seven characters.
    static QString limitedQuery(const QString &query, qint32 rowLimit);
    // A work-table name that is a valid identifier and differs on every call.
    static QString workTableName(const QString &prefix = QStringLiteral("Lov_result"));

    Recordset LovRecordset;
    QString LovQuery;
    QString LovReturnFields;
    QString LovReturnValue;
    QString LovSearchField;

private:
    Status answer(LovRequest &request);
    QString checkLayout(const LovRequest &request) const;
    QString oneRowAnswer(bool withEnterData) const;
    Status showWindow(const LovRequest &request);

    Session &m_session;
    bool m_workTableMade = false;
};

// The parts of a separated text; an empty text has none.
QStringList splitLovList(const QString &text, const QString &separator = QStringLiteral(","));

} // namespace vant
