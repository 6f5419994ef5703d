// The lookup window's typed search, its column-head sort and the sort list.
#include "lov_controller.h"

#include "mod_vant_lov.h"

#include "session/text_helpers.h"

namespace vant {

int LovController::searchBoxColumn(int box) const
{
    return box < 1 || box > m_boxes.size() ? 0 : m_boxes.at(box - 1).first;
}

QString LovController::searchBoxText(int box) const
{
    return box < 1 || box > m_boxes.size() ? QString() : m_boxes.at(box - 1).second;
}

void LovController::setSearchBoxText(const QString &text)
{
    m_boxes[m_currentBox - 1].second = text;
    emit searchTextChanged();
}

void LovController::searchBoxFocused(int box)
{
    if (m_finished || box < 1 || box > m_boxes.size())
        return;
    m_currentBox = box;
    const int column = m_boxes.at(box - 1).first;
    if (column < 1 || !hasFields())
        return;
    const QString &field = m_columns.at(column - 1).fieldName;
    if (m_rows->fieldIndex(field) < 0) {
        report(unknownFieldError(), QStringLiteral("searchtxthlp_GotFocus"));
        return;
    }
    m_lov.LovSearchField = field;
}

void LovController::typeText(const QString &typed)
{
    // By characters, not UTF-16 units: an emoji is one character typed.
    for (const QString &character : characters(typed)) {
        if (m_finished)
            return;
        const char32_t code = character.toUcs4().value(0);
        const QChar c = character.size() == 1 ? character.at(0) : QChar();
        if (character.size() == 1 && recordKeySetKey(c))
            continue;
        // The quote and the wildcards would only end up in a filter; they are never typed.
        if (c == u'%' || c == u'&' || c == u'*' || c == u'\'' || !QChar::isPrint(code))
            continue;
        if (c == u' ' && m_multiSelect) {
            // On a drill-down screen the blank has no row to pick: rows are picked on the last one.
            if (!m_screens.isOn() || m_screens.isLastScreen())
                StoreMultiSelect(m_currentRow, 1);
            continue;
        }
        setSearchBoxText(searchBoxText(m_currentBox) + character);
        searchCurrentBox();
    }
}

void LovController::removeLastCharacter()
{
    const QString text = searchBoxText(m_currentBox);
    if (m_finished || text.isEmpty())
        return;
    setSearchBoxText(withoutLastCharacter(text));
    searchCurrentBox();
}

void LovController::clearSearchBox()
{
    if (m_finished || (searchBoxText(m_currentBox).isEmpty() && !isFiltered()))
        return;
    setSearchBoxText(QString());
    searchCurrentBox();
}

void LovController::removeFilter()
{
    if (!isFiltered())
        return;
    m_rows->clearFilter();
    m_filterText.clear();
}

void LovController::searchCurrentBox()
{
    for (;;) {
        removeFilter();
        const QString text = searchBoxText(m_currentBox);
        if (text.isEmpty())
            break;
        if (const std::optional<bool> found = findbrow(text, false); !found || *found)
            return;
        // Containment is tried only where the prefix found nothing, so that the box still
        // keeps the longest text that matches. A selection is made row by row on the whole
        // result, and a column-search box keeps to the beginnings of its column.
        const bool characterField = hasFields() && m_rows->field(searchFieldIndex()).isCharacter();
        if (characterField && !text.startsWith(u' ') && searchBoxColumn(1) == 0 && !m_multiSelect) {
            if (const std::optional<bool> found = findbrow(text, true); !found || *found)
                return;
        }
        setSearchBoxText(withoutLastCharacter(text));
    }
    // The page showed filtered rows: show the whole result again from its start.
    if (pageStale() && total() > 0)
        startPageAt(1, true);
}

std::optional<bool> LovController::findbrow(const QString &findchar, bool containing)
{
    if (!hasFields())
        return false;
    if (searchBoxColumn(1) == 0 && !pageStale()) {
        for (int row = 1; row <= rowCount(); ++row) {
            if (cell(row, 0).startsWith(findchar)) {
                setCurrentRow(row);
                return true;
            }
        }
    }

    const int field = searchFieldIndex();
    const bool filtering = containing && m_rows->field(field).isCharacter();
    if (filtering) {
        if (const Status filtered = m_rows->filterContaining(field, findchar); !filtered) {
            report(filtered.error(), QStringLiteral("findbrow"));
            return std::nullopt;
        }
        m_filterText = m_rows->field(field).name + QLatin1Char('*') + findchar;
    }
    const Outcome<int> position = m_rows->find(field, findchar, filtering);
    if (!position) {
        report(position.error(), QStringLiteral("findbrow"));
        return std::nullopt;
    }
    if (*position < 1)
        return false;
    showFoundRecord(*position);
    return true;
}

void LovController::showFoundRecord(int position)
{
    if (!pageStale() && position >= m_pageStart && position <= m_pageEnd)
        setCurrentRow(position - m_pageStart + 1);
    else
        startPageAt(position, true);
}

bool LovController::sortBy(int column, const QString &procedure)
{
    const QString field = m_rows->field(column - 1).name;
    const bool descending = field.compare(m_lov.LovSearchField, Qt::CaseInsensitive) == 0
                            && !m_rows->sortText().contains(QStringLiteral(" Desc"));
    const Status sorted = m_rows->sortBy(column - 1, descending);
    if (!sorted)
        report(sorted.error(), procedure);
    return bool(sorted);
}

void LovController::sortByHead(int column)
{
    if (m_finished || !m_rows || column < 1 || column > m_rows->fieldCount())
        return;
    const QString field = m_rows->field(column - 1).name;
    const bool newField = field.compare(m_lov.LovSearchField, Qt::CaseInsensitive) != 0;
    if (!sortBy(column, QStringLiteral("msfbrowse_MouseDown")))
        return;
    if (newField) {
        m_lov.LovSearchField = field;
        setSearchBoxText(QString());
        removeFilter();
    }
    startPageAt(1, true);
    searchCurrentBox();
}

QList<int> LovController::sortListColumns() const
{
    QList<int> columns;
    for (int c = 1; c <= m_columns.size(); ++c) {
        if (!m_columns.at(c - 1).head.trimmed().isEmpty())
            columns << c;
    }
    return columns;
}

void LovController::sortByListEntry(int column)
{
    if (m_finished || !m_rows || column < 1 || column > m_rows->fieldCount())
        return;
    if (!sortBy(column, QStringLiteral("Lv_ItemCheck")))
        return;
    startPageAt(1, true);
}

} // namespace vant
