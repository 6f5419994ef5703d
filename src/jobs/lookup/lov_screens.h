#pragma once

#include "db/recordset.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace vant {

// The drill-down of a screen-by-screen lookup. The caller's screen list names, one element
// per screen, the query field whose distinct values that screen shows (names compared
// without regard to case); after the last named screen come the matching rows themselves.
// Every screen reads a work table that holds a copy of the query's rows. The last screen
// shows only the main field's column; the key set, multi-select and entered values work
// there as in any lookup, while the drill-down screens only pick the value to go on with.
class LovScreens
{
public:
    explicit LovScreens(const QString &screenList = QString());

    bool isOn() const { return !m_fields.isEmpty(); }
    int level() const { return m_level; }
    bool isLastScreen() const { return m_level >= m_fields.size(); }
    // The field named for the current screen; empty on the last screen.
    QString screenField() const { return m_fields.value(m_level); }

    // Starts on the first screen with no picks and a new work table name.
    void reset(const QString &workTable);
    const QString &workTable() const { return m_workTable; }

    // The query turned into a select-into that copies its rows into the table: " into "
    // and the table go before the first "from" that stands outside quotes, brackets and
    // parentheses (at the end when there is none), so that sub-queries keep their own.
    static QString selectIntoStatement(const QString &query, const QString &table);
    QString dropStatement() const;

    // The current screen's statement over the work table. fieldNames are the query's
    // fields in order; screenField the one this screen shows, spelt as the query spells it.
    QString distinctQuery(const QStringList &fieldNames, const QString &screenField) const;
    QString lastScreenQuery() const;

    // The picks so far joined by " and ": the rows every further screen is taken from.
    QString condition() const { return m_conditions.join(QStringLiteral(" and ")); }

    // A picked value of a field as a condition: text (quotes doubled) and dates quoted,
    // numbers bare.
    static QString pickCondition(const Field &field, const QVariant &value);
    // Adds a pick and moves to the next screen.
    void pick(const QString &condition);
    // Drops the last pick and returns it, moving back one screen.
    QString stepBack();

private:
    QStringList m_fields;
    // One condition per pick. A list rather than a joined text, so that stepping back never
    // has to split a text in which a picked value could hold the joining word.
    QStringList m_conditions;
    int m_level = 0;
    QString m_workTable;
};

} // namespace vant
