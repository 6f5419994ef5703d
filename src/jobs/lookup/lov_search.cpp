#include "lov_search.h"

#include "lov_pager.h"
#include "lov_report.h"
#include "lov_state.h"

#include "session/text_helpers.h"

#include <algorithm>

namespace vant {

LovSearch::LovSearch(Session &session, LovState &state, LovPager &pager, const QList<LovColumn> &columns,
                     bool columnSearch, bool multiSelect, std::function<QString(int row)> runningNumber)
    : m_session(session), m_state(state), m_pager(pager), m_multiSelect(multiSelect),
      m_runningNumber(std::move(runningNumber))
{
    if (columnSearch) {
        for (int c = 1; c <= columns.size(); ++c) {
            if (columns.at(c - 1).width != 0)
                m_boxes.append({c, columns.at(c - 1).fieldName, QString()});
        }
    }
    if (m_boxes.isEmpty())
        m_boxes.append(Box());
}

int LovSearch::boxColumn(int box) const
{
    return box < 1 || box > m_boxes.size() ? 0 : m_boxes.at(box - 1).column;
}

QString LovSearch::boxText(int box) const
{
    return box < 1 || box > m_boxes.size() ? QString() : m_boxes.at(box - 1).text;
}

void LovSearch::focusBox(int box)
{
    if (box < 1 || box > m_boxes.size())
        return;
    m_currentBox = box;
    const Box &focused = m_boxes.at(box - 1);
    if (focused.column < 1 || !m_pager.hasFields())
        return;
    if (m_pager.rows()->fieldIndex(focused.field) < 0) {
        reportLovFailure(m_session, unknownFieldError(), QStringLiteral("searchtxthlp_GotFocus"));
        return;
    }
    m_state.searchField = focused.field;
}

void LovSearch::setText(const QString &text)
{
    m_boxes[m_currentBox - 1].text = text;
    emit textChanged();
}

void LovSearch::type(const QString &character)
{
    setText(boxText(m_currentBox) + character);
    searchCurrentBox();
}

void LovSearch::removeLastCharacter()
{
    const QString text = boxText(m_currentBox);
    if (text.isEmpty())
        return;
    setText(withoutLastCharacter(text));
    searchCurrentBox();
}

void LovSearch::clear()
{
    if (boxText(m_currentBox).isEmpty() && !m_pager.isFiltered())
        return;
    setText(QString());
    searchCurrentBox();
}

int LovSearch::searchFieldIndex() const
{
    return m_pager.rows() ? std::max(0, m_pager.rows()->fieldIndex(m_state.searchField)) : 0;
}

void LovSearch::searchCurrentBox()
{
    for (;;) {
        m_pager.removeFilter();
        const QString text = boxText(m_currentBox);
        if (text.isEmpty())
            break;
        if (const std::optional<bool> found = findbrow(text, false); !found || *found)
            return;
        // Containment is tried only where the prefix found nothing, so that the box still
        // keeps the longest text that matches. A selection is made row by row on the whole
        // result, and a column-search box keeps to the beginnings of its column.
        const bool characterField = m_pager.hasFields() && m_pager.rows()->field(searchFieldIndex()).isCharacter();
        if (characterField && !text.startsWith(u' ') && boxColumn(1) == 0 && !m_multiSelect) {
            if (const std::optional<bool> found = findbrow(text, true); !found || *found)
                return;
        }
        setText(withoutLastCharacter(text));
    }
    // The page showed filtered rows: show the whole result again from its start.
    if (m_pager.isStale() && m_pager.total() > 0)
        m_pager.startPageAt(1, true);
}

std::optional<bool> LovSearch::findbrow(const QString &findchar, bool containing)
{
    if (!m_pager.hasFields())
        return false;
    // Outside column search the running number of a row on the page finds that row.
    if (boxColumn(1) == 0 && !m_pager.isStale()) {
        for (int row = 1; row <= m_pager.rowCount(); ++row) {
            if (m_runningNumber(row).startsWith(findchar)) {
                m_pager.setCurrentRow(row);
                return true;
            }
        }
    }

    LovRows &rows = *m_pager.rows();
    const int field = searchFieldIndex();
    const bool filtering = containing && rows.field(field).isCharacter();
    if (filtering) {
        if (const Status filtered = m_pager.filterContaining(field, findchar); !filtered) {
            reportLovFailure(m_session, filtered.error(), QStringLiteral("findbrow"));
            return std::nullopt;
        }
    }
    // The place of a row past the page shown is counted after it shows.
    const Outcome<int> position = rows.find(field, findchar, filtering, m_pager.isStale() ? 0 : m_pager.pageEnd());
    if (!position) {
        reportLovFailure(m_session, position.error(), QStringLiteral("findbrow"));
        return std::nullopt;
    }
    if (*position < 1)
        return false;
    m_pager.showRecordAt(*position);
    return true;
}

bool LovSearch::isSortable(int column) const
{
    return m_pager.rows() && column >= 1 && column <= m_pager.rows()->fieldCount();
}

bool LovSearch::sortBy(int column, const QString &procedure)
{
    LovRows &rows = *m_pager.rows();
    // The rows come ordered by the search field: a click on it turns the order round, and
    // another turns it back.
    const QString name = rows.field(column - 1).name;
    const bool descending = name.compare(m_state.searchField, Qt::CaseInsensitive) == 0
                            && !(rows.sortField() == column - 1 && rows.sortDescending());
    const Status sorted = rows.sortBy(column - 1, descending);
    if (!sorted)
        reportLovFailure(m_session, sorted.error(), procedure);
    return bool(sorted);
}

void LovSearch::sortByHead(int column)
{
    if (!isSortable(column))
        return;
    const QString field = m_pager.rows()->field(column - 1).name;
    const bool newField = field.compare(m_state.searchField, Qt::CaseInsensitive) != 0;
    if (!sortBy(column, QStringLiteral("msfbrowse_MouseDown")))
        return;
    if (newField) {
        m_state.searchField = field;
        setText(QString());
        m_pager.removeFilter();
    }
    m_pager.startPageAt(1, true);
    searchCurrentBox();
}

void LovSearch::sortByListEntry(int column)
{
    if (isSortable(column) && sortBy(column, QStringLiteral("Lv_ItemCheck")))
        m_pager.startPageAt(1, true);
}

} // namespace vant
