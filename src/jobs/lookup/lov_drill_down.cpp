#include "lov_drill_down.h"

#include "lov_pager.h"
#include "lov_report.h"
#include "lov_search.h"
#include "mod_vant_lov.h"

#include "session/session.h"

namespace vant {

LovDrillDown::LovDrillDown(Session &session, LovState &state, LovPager &pager, LovSearch &search,
                           const QString &screenList, QList<LovColumn> columns, QString mainField)
    : m_session(session), m_state(state), m_pager(pager), m_search(search), m_screens(screenList),
      m_baseColumns(std::move(columns)), m_columns(m_baseColumns), m_mainField(std::move(mainField))
{}

LovDrillDown::~LovDrillDown()
{
    dropWorkTable();
}

void LovDrillDown::open()
{
    m_screens.reset(ModVantLov::workTableName(QStringLiteral("MultiScreen")));
    // The drop on the way out tests for the table first, so it is safe even when the copy failed.
    m_workTableMade = true;
    const Status copied = m_session.execute(LovScreens::selectIntoStatement(m_state.query, m_screens.workTable()));
    if (!copied) {
        reportLovFailure(m_session, copied.error(), QStringLiteral("validitemname"));
        return;
    }
    SetScreenbyscreen();
}

bool LovDrillDown::SetScreenbyscreen()
{
    const auto screen = currentScreen();
    if (!screen || !openScreen(screen->first, screen->second))
        return false;
    const int shown = screen->first;
    showOnly(shown);
    // The search follows the column that shows.
    m_state.searchField = m_baseColumns.at(shown - 1).fieldName;
    m_search.setText(QString());
    if (m_pager.total() == 0)
        m_pager.clear();
    else
        m_pager.startPageAt(1, true);
    return true;
}

std::optional<std::pair<int, QString>> LovDrillDown::currentScreen() const
{
    QStringList names;
    for (const LovColumn &column : m_baseColumns)
        names << column.fieldName;
    if (m_screens.isLastScreen()) {
        // The main field is a grid column number: 1 is the query's first field.
        const int shown = leadingInt(m_mainField);
        return std::pair{shown < 1 || shown > names.size() ? 1 : shown, m_screens.lastScreenQuery()};
    }
    for (int c = 1; c <= names.size(); ++c) {
        if (names.at(c - 1).compare(m_screens.screenField(), Qt::CaseInsensitive) == 0)
            return std::pair{c, m_screens.distinctQuery(names, names.at(c - 1))};
    }
    reportLovFailure(m_session, unknownFieldError(), QStringLiteral("SetScreenbyscreen"));
    return std::nullopt;
}

bool LovDrillDown::openScreen(int shown, const QString &query)
{
    auto opened = m_session.openRecordset(query);
    if (!opened) {
        reportLovFailure(m_session, opened.error(), QStringLiteral("SetScreenbyscreen"));
        return false;
    }
    // Distinct values read best in order; the statement itself stays as the server takes it.
    if (!m_screens.isLastScreen()) {
        if (const Status sorted = opened->sortBy(m_baseColumns.at(shown - 1).fieldName, false); !sorted) {
            reportLovFailure(m_session, sorted.error(), QStringLiteral("SetScreenbyscreen"));
            return false;
        }
    }
    // A screen's rows are read whole: the drill-down narrows them screen by screen.
    m_pager.setRows(std::make_unique<LoadedLovRows>(std::move(*opened)));
    return true;
}

void LovDrillDown::showOnly(int shown)
{
    // The shown column takes the width of all the listed columns; the others lose their heads.
    const int width = listedWidth(m_baseColumns);
    m_columns = m_baseColumns;
    for (int c = 1; c <= m_columns.size(); ++c) {
        LovColumn &column = m_columns[c - 1];
        column.width = c == shown ? width : 0;
        if (c != shown)
            column.head.clear();
    }
    emit columnsChanged();
}

void LovDrillDown::pickCurrentRow()
{
    LovRows *rows = m_pager.rows();
    const int field = rows ? rows->fieldIndex(m_screens.screenField()) : -1;
    if (field < 0)
        return;
    const auto picked = rows->rows(m_pager.pageStart() + m_pager.currentRow() - 1, 1);
    if (!picked || picked->isEmpty())
        return;
    m_screens.pick(LovScreens::pickCondition(rows->field(field), picked->first().value(field)));
    if (!SetScreenbyscreen())
        m_screens.stepBack();
}

void LovDrillDown::stepBack()
{
    const QString undone = m_screens.stepBack();
    if (!SetScreenbyscreen())
        m_screens.pick(undone);
}

void LovDrillDown::dropWorkTable()
{
    if (!m_workTableMade)
        return;
    m_workTableMade = false;
    if (const Status dropped = m_session.execute(m_screens.dropStatement()); !dropped)
        reportLovFailure(m_session, dropped.error(), QStringLiteral("Form_Unload"));
}

} // namespace vant
