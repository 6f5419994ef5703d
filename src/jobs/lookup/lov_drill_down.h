#pragma once

#include "lov_column.h"
#include "lov_screens.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <utility>

namespace vant {

class LovPager;
class LovSearch;
struct LovState;
struct Session;

// The lookup window's screen-by-screen mode: the drill-down from the distinct values of one
// field to those of the next, among the rows that match the values picked so far, over a work
// table that holds the query's rows; the last screen lists the matching rows themselves.
class LovDrillDown : public QObject
{
    Q_OBJECT

public:
    // columns: the grid's columns as the query gives them; mainField: the number of the one
    // column that the last screen shows.
    LovDrillDown(Session &session, LovState &state, LovPager &pager, LovSearch &search, const QString &screenList,
                 QList<LovColumn> columns, QString mainField);
    // A work table still standing goes with the window.
    ~LovDrillDown() override;

    bool isOn() const { return m_screens.isOn(); }
    int level() const { return m_screens.level(); }
    bool isLastScreen() const { return m_screens.isLastScreen(); }
    // The grid's columns as the current screen shows them: its one column across the grid.
    const QList<LovColumn> &columns() const { return m_columns; }

    // validitemname in this mode: copies the query's rows into a new work table and shows the
    // first screen.
    void open();
    // Shows the screen of the current level; false after a reported failure, the window then
    // staying on the screen it showed.
    bool SetScreenbyscreen();
    // Enter on a drill-down screen: the current row's value narrows the next screen.
    void pickCurrentRow();
    // Escape on a later screen: back to the one before, its pick undone.
    void stepBack();
    void dropWorkTable();

signals:
    void columnsChanged();

private:
    // The grid column the current screen shows, and the statement that reads its rows; none
    // after a reported failure.
    std::optional<std::pair<int, QString>> currentScreen() const;
    bool openScreen(int shown, const QString &query);
    void showOnly(int shown);

    Session &m_session;
    LovState &m_state;
    LovPager &m_pager;
    LovSearch &m_search;
    LovScreens m_screens;
    const QList<LovColumn> m_baseColumns;
    QList<LovColumn> m_columns;
    const QString m_mainField;
    bool m_workTableMade = false;
};

} // namespace vant
