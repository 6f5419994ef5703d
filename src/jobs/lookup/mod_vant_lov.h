#pragma once

#include "lov_request.h"
#include "lov_state.h"

#include "db/outcome.h"
#include "db/recordset.h"

#include <QString>

namespace vant {

class LovPresenter;
struct Session;

// The value lookup's entry point and the owner of the state that it shares with its window.
// One object serves one caller; every ShowLov overwrites the state.
class ModVantLov
{
public:
    explicit ModVantLov(Session &session);

    // Asks the user for a value of the request's query; the answer goes to request.Result.
    // More than one row is shown by the presenter, without which the lookup fails. Errors of
    // the database while probing the query or dropping the work table come back to the
    // caller, whose error report names them.
    Status ShowLov(LovRequest &request, LovPresenter *presenter);

    // Opens the state's probe on the query, limited to rowLimit rows unless 0 or a distinct query.
    Status OpenLovRecordset(const QString &query, qint32 rowLimit);

    // Makes the work table of a data list and returns the statement that reads it; empty
    // after a reported failure.
    QString GenLovQuery(const QString &data, const QString &tableName);

    // The query with " top " and the limit after its first seven characters.
    static QString limitedQuery(const QString &query, qint32 rowLimit);
    // A work-table name that is a valid identifier and differs on every call.
    static QString workTableName(const QString &prefix = QStringLiteral("Lov_result"));

    // The lookup's state: a caller may choose the search field before ShowLov.
    LovState &state() { return m_state; }
    const LovState &state() const { return m_state; }

private:
    Status answer(LovRequest &request, LovPresenter *presenter);
    QString checkLayout(const LovRequest &request) const;
    QString oneRowAnswer(bool withEnterData) const;
    Status showWindow(const LovRequest &request, LovPresenter *presenter);

    Session &m_session;
    LovState m_state;
    bool m_workTableMade = false;
};

// The parts of a separated text; an empty text has none.
QStringList splitLovList(const QString &text, const QString &separator = QStringLiteral(","));

} // namespace vant
