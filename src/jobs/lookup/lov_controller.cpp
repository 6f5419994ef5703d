#include "lov_controller.h"

#include "lov_report.h"
#include "mod_vant_lov.h"

#include "session/text_helpers.h"

namespace vant {

LovController::LovController(Session &session, LovState &state, LovRequest request)
    : m_session(session), m_state(state), m_request(std::move(request)),
      m_baseColumns(columnsOf(m_request, state.probe)), m_multiSelect(m_request.MultiSelect != 0), m_pager(session),
      // A drill-down screen shows one column at a time, so its boxes cannot follow the
      // columns: it keeps the one box as wide as the grid.
      m_search(session, state, m_pager, m_baseColumns,
               m_request.ColumnSearch != 0 && !LovScreens(m_request.ScreenByScreen).isOn(), m_multiSelect,
               [this](int row) { return cell(row, 0); }),
      m_drillDown(session, state, m_pager, m_search, m_request.ScreenByScreen, m_baseColumns,
                  m_request.ScreenByScreenMainField)
{
    const QString enterDataHead = m_request.EnterDataHead.trimmed();
    for (int c = 1; c <= m_baseColumns.size(); ++c) {
        const QString head = m_baseColumns.at(c - 1).head.trimmed();
        if (m_baseColumns.at(c - 1).width == 0 && !head.isEmpty())
            m_detailColumns << c;
        if (!enterDataHead.isEmpty() && m_enterDataColumn < 0 && head == enterDataHead)
            m_enterDataColumn = c;
    }
    connect(&m_pager, &LovPager::pageFilled, this, &LovController::showPage);
    connect(&m_pager, &LovPager::pageCleared, this, &LovController::showEmptyPage);
    connect(&m_pager, &LovPager::currentRowChanged, this, &LovController::showCurrentRow);
    connect(&m_search, &LovSearch::textChanged, this, &LovController::searchTextChanged);
    connect(&m_drillDown, &LovDrillDown::columnsChanged, this, &LovController::columnsChanged);
}

QList<LovColumn> LovController::columnsOf(const LovRequest &request, const Recordset &probe)
{
    const QStringList widths = splitLovList(request.ColumnWidths);
    const QStringList heads = splitLovList(request.ColumnHeads);
    QList<LovColumn> columns;
    // A field beyond the lists has no room in the window's width: it stays hidden.
    for (int i = 0; i < probe.fieldCount(); ++i)
        columns << LovColumn{probe.field(i).name, heads.value(i), leadingInt(widths.value(i))};
    return columns;
}

void LovController::open()
{
    validitemname();
    if (m_search.boxColumn(1) != 0)
        searchBoxFocused(1);
    if (!searchText().isEmpty()) {
        m_search.setText(searchText());
        m_search.searchCurrentBox();
    }
}

QString LovController::searchText() const
{
    return m_request.SearchText.trimmed().isEmpty() ? QString() : m_request.SearchText;
}

QString LovController::hintText() const
{
    QString hint;
    if (m_request.MultiSelect != 0)
        hint += tr("[Space]-MultiSelect, ");
    if (!m_request.HintText.isEmpty())
        hint += m_request.HintText + QStringLiteral(", ");
    if (m_request.ColumnSearch != 0)
        hint += tr("[Ctrl]-Sort");
    return hint;
}

QString LovController::hintToolTip() const
{
    QString tip;
    if (m_request.MultiSelect != 0)
        tip += tr("Press [Space] to MultiSelect,");
    return tip + tr(" Press [Ctrl] to Sort Order, Left/Right Click on Column Header to Sort Asc/Desc");
}

const QList<LovColumn> &LovController::columns() const
{
    return m_drillDown.isOn() ? m_drillDown.columns() : m_baseColumns;
}

int LovController::gridWidth() const
{
    return kSerialWidth + kGridMargin + listedWidth(m_baseColumns);
}

QStringList LovController::detailHeads() const
{
    QStringList heads;
    for (int column : m_detailColumns)
        heads << m_baseColumns.at(column - 1).head.trimmed();
    return heads;
}

QString LovController::cell(int row, int column) const
{
    // A selected row shows the value entered for it in the enter-data column.
    if (column == m_enterDataColumn && isMarked(row))
        return m_selection.valueOf(rowKey(row));
    return m_pager.cell(row, column);
}

void LovController::validitemname()
{
    if (m_multiSelect && !m_request.HavingMultiSelect.trimmed().isEmpty()) {
        m_selection.preselect(m_request.HavingMultiSelect.trimmed(), m_request.HavingMultiSelectData.trimmed(),
                              !m_request.EnterDataHead.trimmed().isEmpty());
        m_request.HavingMultiSelect.clear();
    }
    if (m_drillDown.isOn()) {
        m_drillDown.open();
        return;
    }

    QString query = m_state.query;
    // Without a search field there is nothing to order by; the query keeps its own order.
    if (!query.toUpper().contains(u"ORDER BY") && !m_state.searchField.trimmed().isEmpty())
        query += QStringLiteral(" order by ") + m_state.searchField;
    if (const Status opened = m_pager.openRows(query); !opened) {
        reportLovFailure(m_session, opened.error(), QStringLiteral("validitemname"));
        return;
    }
    m_pager.startPageAt(1, true);
}

void LovController::showPage()
{
    m_marks = QList<bool>(rowCount(), false);
    if (m_multiSelect) {
        for (int row = 1; row <= rowCount(); ++row)
            StoreMultiSelect(row, 0);
    }
    emit pageFilled();
    ColSel();
    refreshmrp();
}

void LovController::showEmptyPage()
{
    m_marks.clear();
    m_countLabel.clear();
    m_countPending = false;
    m_detailValues = QStringList(m_detailColumns.size(), QString());
    emit pageFilled();
    emit recordChanged();
}

void LovController::showCurrentRow()
{
    ColSel();
    refreshmrp();
}

void LovController::refreshmrp()
{
    const int current = currentRow();
    if (current < 1)
        return;
    m_countPending = true;
    if (m_pager.isCounted())
        countLabel();
    m_detailValues.clear();
    // A drill-down screen blanks the heads of the columns it hides: they show nothing.
    for (int column : m_detailColumns)
        m_detailValues << (columns().at(column - 1).head.trimmed().isEmpty() ? QString() : cell(current, column));
    emit recordChanged();
}

const QString &LovController::countLabel()
{
    if (!m_countPending)
        return m_countLabel;
    m_countPending = false;
    // Counting settles the place of a found row, and with it the page's numbers.
    const int total = m_pager.total();
    m_countLabel = tr("Records : %1/%2").arg(currentRow() - 1 + pageStart()).arg(total);
    if (m_multiSelect && !m_selection.isEmpty())
        m_countLabel += QStringLiteral(", (") + QString::number(m_selection.size()) + QLatin1Char(')');
    return m_countLabel;
}

void LovController::ColSel()
{
    emit currentRowChanged();
}

void LovController::setretval()
{
    const bool withValues = !m_request.EnterDataHead.trimmed().isEmpty();
    QString answer;
    if (m_multiSelect && !m_selection.isEmpty())
        answer = m_selection.answer(withValues);
    else
        answer = rowKey(currentRow()) + (withValues ? kLovColumnSeparator + QStringLiteral("0") : QString());
    if (!m_request.StoreKeySet.isEmpty())
        answer += kLovKeySetMark + m_request.StoreKeySet;
    m_state.returnValue = answer;
}

QString LovController::rowKey(int row) const
{
    if (row < 1 || row > rowCount())
        return {};
    QStringList values;
    if (m_state.returnFields.trimmed().isEmpty()) {
        for (int column = 1; column <= m_baseColumns.size(); ++column)
            values << m_pager.cell(row, column);
    } else {
        for (const QString &name : splitLovList(m_state.returnFields)) {
            for (int column = 1; column <= m_baseColumns.size(); ++column) {
                if (m_baseColumns.at(column - 1).fieldName.compare(name, Qt::CaseInsensitive) == 0)
                    values << m_pager.cell(row, column);
            }
        }
    }
    return values.join(kLovColumnSeparator);
}

bool LovController::recordKeySetKey(QChar key)
{
    if (m_finished || key.isNull() || !m_request.KeySet.contains(key))
        return false;
    m_request.StoreKeySet = QString(key);
    return true;
}

void LovController::searchBoxFocused(int box)
{
    if (!m_finished)
        m_search.focusBox(box);
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
            if (!m_drillDown.isOn() || m_drillDown.isLastScreen())
                StoreMultiSelect(currentRow(), 1);
            continue;
        }
        m_search.type(character);
    }
}

void LovController::removeLastCharacter()
{
    if (!m_finished)
        m_search.removeLastCharacter();
}

void LovController::clearSearchBox()
{
    if (!m_finished)
        m_search.clear();
}

void LovController::sortByHead(int column)
{
    if (!m_finished)
        m_search.sortByHead(column);
}

QList<int> LovController::sortListColumns() const
{
    QList<int> offered;
    for (int c = 1; c <= columns().size(); ++c) {
        if (!columns().at(c - 1).head.trimmed().isEmpty())
            offered << c;
    }
    return offered;
}

void LovController::sortByListEntry(int column)
{
    if (!m_finished)
        m_search.sortByListEntry(column);
}

void LovController::choose()
{
    if (m_finished || currentRow() < 1)
        return;
    if (m_drillDown.isOn() && !m_drillDown.isLastScreen()) {
        m_drillDown.pickCurrentRow();
        return;
    }
    setretval();
    finish();
}

void LovController::leave()
{
    if (m_finished)
        return;
    if (m_drillDown.isOn() && m_drillDown.level() >= 1) {
        m_drillDown.stepBack();
        return;
    }
    unload();
}

void LovController::unload()
{
    if (m_finished)
        return;
    m_state.returnFields.clear();
    m_state.returnValue.clear();
    finish();
}

void LovController::finish()
{
    m_pager.release();
    m_drillDown.dropWorkTable();
    m_finished = true;
    emit finished();
}

} // namespace vant
