// Screen-by-screen mode: the drill-down from the distinct values of one field to the next,
// over a work table that holds the query's rows.
#include "lov_controller.h"

#include "mod_vant_lov.h"

namespace vant {

void LovController::openScreens()
{
    m_screens.reset(ModVantLov::workTableName(QStringLiteral("MultiScreen")));
    // The drop on the way out tests for the table first, so it is safe even when the copy failed.
    m_screenTableMade = true;
    const Status copied = execute(LovScreens::selectIntoStatement(m_lov.LovQuery, m_screens.workTable()));
    if (!copied) {
        report(copied.error(), QStringLiteral("validitemname"));
        return;
    }
    SetScreenbyscreen();
}

bool LovController::SetScreenbyscreen()
{
    QStringList names;
    for (const LovColumn &column : m_baseColumns)
        names << column.fieldName;

    int shown = 0;
    QString query;
    if (m_screens.isLastScreen()) {
        // The main field is a grid column number: 1 is the query's first field.
        shown = leadingInt(m_request.ScreenByScreenMainField);
        if (shown < 1 || shown > names.size())
            shown = 1;
        query = m_screens.lastScreenQuery();
    } else {
        for (int c = 1; c <= names.size() && shown == 0; ++c) {
            if (names.at(c - 1).compare(m_screens.screenField(), Qt::CaseInsensitive) == 0)
                shown = c;
        }
        if (shown < 1) {
            report(unknownFieldError(), QStringLiteral("SetScreenbyscreen"));
            return false;
        }
        query = m_screens.distinctQuery(names, names.at(shown - 1));
    }

    auto opened = openQuery(query);
    if (!opened) {
        report(opened.error(), QStringLiteral("SetScreenbyscreen"));
        return false;
    }
    // Distinct values read best in order; the statement itself stays as the server takes it.
    if (!m_screens.isLastScreen()) {
        if (const Status sorted = opened->setSort(names.at(shown - 1)); !sorted) {
            report(sorted.error(), QStringLiteral("SetScreenbyscreen"));
            return false;
        }
    }
    // A screen's rows are read whole: the drill-down narrows them screen by screen.
    m_rows = std::make_unique<LoadedLovRows>(std::move(*opened));
    m_filterText.clear();

    // Only the screen's column shows, across the whole grid; the others lose their heads.
    m_columns = m_baseColumns;
    for (int c = 1; c <= m_columns.size(); ++c) {
        LovColumn &column = m_columns[c - 1];
        column.width = c == shown ? gridWidth() - kSerialWidth - kGridMargin : 0;
        if (c != shown)
            column.head.clear();
    }
    emit columnsChanged();

    // The search follows the column that shows.
    m_lov.LovSearchField = names.at(shown - 1);
    setSearchBoxText(QString());
    if (total() == 0)
        clearPage();
    else
        startPageAt(1, true);
    return true;
}

void LovController::pickOnDrillDown()
{
    const int field = m_rows ? m_rows->fieldIndex(m_screens.screenField()) : -1;
    if (field < 0)
        return;
    const auto picked = m_rows->rows(m_pageStart + m_currentRow - 1, 1);
    if (!picked || picked->isEmpty())
        return;
    const QString condition = LovScreens::pickCondition(m_rows->field(field), picked->first().value(field));
    m_screens.pick(condition);
    if (!SetScreenbyscreen())
        m_screens.stepBack();
}

void LovController::stepBackOnDrillDown()
{
    const QString undone = m_screens.stepBack();
    if (!SetScreenbyscreen())
        m_screens.pick(undone);
}

void LovController::clearPage()
{
    m_page.clear();
    m_marks.clear();
    m_pageStart = 0;
    m_pageEnd = 0;
    m_currentRow = 0;
    m_countLabel.clear();
    m_pageFilterText = m_filterText;
    m_detailValues = QStringList(m_detailColumns.size(), QString());
    emit pageFilled();
    emit recordChanged();
}

void LovController::dropScreenTable()
{
    if (!m_screenTableMade)
        return;
    m_screenTableMade = false;
    if (const Status dropped = execute(m_screens.dropStatement()); !dropped)
        report(dropped.error(), QStringLiteral("Form_Unload"));
}

} // namespace vant
