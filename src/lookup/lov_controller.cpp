#include "lov_controller.h"

#include "mod_vant_lov.h"

#include "session/session.h"
#include "session/text_helpers.h"

#include <algorithm>

namespace vant {

namespace {

const QString kWindowName = QStringLiteral("FrmLovResult");

} // namespace

LovController::LovController(Session &session, ModVantLov &lov, LovRequest request)
    : m_session(session), m_lov(lov), m_request(std::move(request)), m_screens(m_request.ScreenByScreen)
{
    const QStringList widths = splitLovList(m_request.ColumnWidths);
    const QStringList heads = splitLovList(m_request.ColumnHeads);
    const QString enterDataHead = m_request.EnterDataHead.trimmed();
    const Recordset &probe = m_lov.LovRecordset;
    for (int i = 0; i < probe.fieldCount(); ++i) {
        // A field beyond the lists has no room in the window's width: it stays hidden.
        const LovColumn column{probe.field(i).name, heads.value(i), leadingInt(widths.value(i))};
        if (column.width == 0 && !column.head.trimmed().isEmpty())
            m_detailColumns << i + 1;
        if (!enterDataHead.isEmpty() && m_enterDataColumn == 0 && column.head.trimmed() == enterDataHead)
            m_enterDataColumn = i + 1;
        m_baseColumns << column;
    }
    m_columns = m_baseColumns;

    m_multiSelect = m_request.MultiSelect != 0;

    // A drill-down screen shows one column at a time, so its boxes cannot follow the
    // columns: it keeps the one box as wide as the grid.
    if (m_request.ColumnSearch != 0 && !m_screens.isOn()) {
        for (int c = 1; c <= m_columns.size(); ++c) {
            if (m_columns.at(c - 1).width != 0)
                m_boxes.append({c, QString()});
        }
    }
    if (m_boxes.isEmpty())
        m_boxes.append({0, QString()});
}

LovController::~LovController()
{
    dropScreenTable();
}

void LovController::open()
{
    validitemname();
    if (searchBoxColumn(1) != 0)
        searchBoxFocused(1);
    if (!searchText().isEmpty()) {
        setSearchBoxText(searchText());
        searchCurrentBox();
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
        hint += QStringLiteral("[Space]-MultiSelect, ");
    if (!m_request.HintText.isEmpty())
        hint += m_request.HintText + QStringLiteral(", ");
    if (m_request.ColumnSearch != 0)
        hint += QStringLiteral("[Ctrl]-Sort");
    return hint;
}

QString LovController::hintToolTip() const
{
    QString tip;
    if (m_request.MultiSelect != 0)
        tip += QStringLiteral("Press [Space] to MultiSelect,");
    return tip + QStringLiteral(" Press [Ctrl] to Sort Order, Left/Right Click on Column Header to Sort Asc/Desc");
}

int LovController::gridWidth() const
{
    int width = kSerialWidth + kGridMargin;
    for (const LovColumn &column : m_baseColumns)
        width += column.width;
    return width;
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
    if (row < 1 || row > m_page.size())
        return {};
    // A selected row shows the value entered for it in the enter-data column.
    if (column == m_enterDataColumn && isMarked(row))
        return m_selection.valueOf(rowKey(row));
    return m_page.at(row - 1).value(column);
}

void LovController::validitemname()
{
    if (m_multiSelect && !m_request.HavingMultiSelect.trimmed().isEmpty()) {
        m_selection.preselect(m_request.HavingMultiSelect.trimmed(), m_request.HavingMultiSelectData.trimmed(),
                              !m_request.EnterDataHead.trimmed().isEmpty());
        m_request.HavingMultiSelect.clear();
    }
    if (m_screens.isOn()) {
        openScreens();
        return;
    }

    QString query = m_lov.LovQuery;
    // Without a search field there is nothing to order by; the query keeps its own order.
    if (!query.toUpper().contains(u"ORDER BY") && !m_lov.LovSearchField.trimmed().isEmpty())
        query += QStringLiteral(" order by ") + m_lov.LovSearchField;

    auto opened = openRows(query);
    if (!opened) {
        report(opened.error(), QStringLiteral("validitemname"));
        return;
    }
    m_rows = std::move(*opened);
    startPageAt(1, true);
}

Outcome<std::unique_ptr<LovRows>> LovController::openRows(const QString &query) const
{
    if (Database *db = m_session.db()) {
        auto paged = PagedLovRows::open(*db, query);
        if (!paged)
            return paged.error();
        if (*paged)
            return std::unique_ptr<LovRows>(std::move(*paged));
    }
    auto opened = openQuery(query);
    if (!opened)
        return opened.error();
    return std::unique_ptr<LovRows>(std::make_unique<LoadedLovRows>(std::move(*opened)));
}

int LovController::total()
{
    if (!m_rows)
        return 0;
    const Outcome<int> counted = m_rows->count();
    if (!counted) {
        report(counted.error(), QStringLiteral("Fillhelp"));
        return 0;
    }
    return *counted;
}

int LovController::searchFieldIndex() const
{
    return m_rows ? std::max(0, m_rows->fieldIndex(m_lov.LovSearchField)) : 0;
}

QStringList LovController::pageRow(int number, const QList<QVariant> &values) const
{
    QStringList cells{QString::number(number)};
    for (int i = 0; i < m_rows->fieldCount(); ++i) {
        const QVariant value = values.value(i);
        if (ValueOrDefault(value, QString()).toString().isEmpty())
            cells << QString();
        else if (m_rows->field(i).isDoubleOrCurrency())
            cells << QString::number(value.toDouble(), 'f', 2);
        else
            cells << valueText(value);
    }
    return cells;
}

void LovController::fillhelp(bool changepost)
{
    // A page that would start outside the result leaves the grid as it is.
    const int start = m_fillFrom;
    if (!m_rows || start < 1 || start > total())
        return;
    const auto values = m_rows->rows(start, m_pageRows);
    if (!values) {
        report(values.error(), QStringLiteral("Fillhelp"));
        return;
    }
    m_pageStart = start;
    m_page.clear();
    for (const QList<QVariant> &row : *values)
        m_page << pageRow(int(m_page.size()) + 1, row);
    m_pageEnd = m_pageStart + int(m_page.size()) - 1;
    m_pageFilterText = m_filterText;
    m_marks = QList<bool>(m_page.size(), false);
    if (m_multiSelect) {
        for (int row = 1; row <= rowCount(); ++row)
            StoreMultiSelect(row, 0);
    }

    if (changepost || m_currentRow < 1)
        m_currentRow = 1;
    else
        m_currentRow = std::min(m_currentRow, rowCount());
    emit pageFilled();
    ColSel();
    refreshmrp();
}

void LovController::refreshmrp()
{
    if (m_currentRow < 1)
        return;
    m_countLabel = QStringLiteral("Records : ") + QString::number(m_currentRow - 1 + m_pageStart) + QLatin1Char('/')
                   + QString::number(total());
    if (m_multiSelect && !m_selection.isEmpty())
        m_countLabel += QStringLiteral(", (") + QString::number(m_selection.size()) + QLatin1Char(')');
    m_detailValues.clear();
    // A drill-down screen blanks the heads of the columns it hides: they show nothing.
    for (int column : m_detailColumns)
        m_detailValues << (m_columns.at(column - 1).head.trimmed().isEmpty() ? QString() : cell(m_currentRow, column));
    emit recordChanged();
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
        answer = rowKey(m_currentRow) + (withValues ? kLovColumnSeparator + QStringLiteral("0") : QString());
    if (!m_request.StoreKeySet.isEmpty())
        answer += kLovKeySetMark + m_request.StoreKeySet;
    m_lov.LovReturnValue = answer;
}

QString LovController::rowKey(int row) const
{
    if (row < 1 || row > m_page.size())
        return {};
    const QStringList &cells = m_page.at(row - 1);
    QStringList values;
    if (m_lov.LovReturnFields.trimmed().isEmpty()) {
        for (int column = 1; column <= m_columns.size(); ++column)
            values << cells.value(column);
    } else {
        for (const QString &name : splitLovList(m_lov.LovReturnFields)) {
            for (int column = 1; column <= m_columns.size(); ++column) {
                if (m_columns.at(column - 1).fieldName.compare(name, Qt::CaseInsensitive) == 0)
                    values << cells.value(column);
            }
        }
    }
    return values.join(kLovColumnSeparator);
}

void LovController::startPageAt(int position, bool changepost)
{
    // Every paging move counts from the first record; a position outside the result leaves
    // the page as it is.
    m_fillFrom = position;
    fillhelp(changepost);
}

void LovController::nextPage()
{
    if (m_finished || m_page.isEmpty())
        return;
    const int next = m_pageEnd + 1;
    startPageAt(next > total() ? 1 : next);
}

void LovController::previousPage()
{
    if (m_finished || m_page.isEmpty())
        return;
    startPageAt(std::max(1, m_pageStart - m_pageRows));
}

void LovController::nextRow()
{
    if (m_finished || m_page.isEmpty())
        return;
    if (m_currentRow < rowCount())
        setCurrentRow(m_currentRow + 1);
    else if (m_pageEnd < total())
        startPageAt(m_pageEnd - (m_pageRows - 2));
    // On the last record the highlight stays: there is no record to scroll to.
}

void LovController::previousRow()
{
    if (m_finished || m_page.isEmpty())
        return;
    if (m_currentRow > 1)
        setCurrentRow(m_currentRow - 1);
    else
        startPageAt(std::max(1, m_pageStart - 1));
}

void LovController::firstRow()
{
    setCurrentRow(1);
}

void LovController::lastRow()
{
    setCurrentRow(rowCount());
}

void LovController::setCurrentRow(int row)
{
    if (m_finished || row < 1 || row > rowCount())
        return;
    m_currentRow = row;
    ColSel();
    refreshmrp();
}

void LovController::setPageRows(int rows)
{
    rows = std::clamp(rows, 1, int(kPageRows));
    if (rows == m_pageRows)
        return;
    m_pageRows = rows;
    if (m_finished || m_page.isEmpty())
        return;
    const int current = m_pageStart + m_currentRow - 1;
    const int start = std::max(m_pageStart, current - rows + 1);
    startPageAt(start);
    setCurrentRow(current - start + 1);
}

bool LovController::recordKeySetKey(QChar key)
{
    if (m_finished || key.isNull() || !m_request.KeySet.contains(key))
        return false;
    m_request.StoreKeySet = QString(key);
    return true;
}

void LovController::choose()
{
    if (m_finished || m_currentRow < 1)
        return;
    if (m_screens.isOn() && !m_screens.isLastScreen()) {
        pickOnDrillDown();
        return;
    }
    setretval();
    finish();
}

void LovController::leave()
{
    if (m_finished)
        return;
    if (m_screens.isOn() && m_screens.level() >= 1) {
        stepBackOnDrillDown();
        return;
    }
    unload();
}

void LovController::unload()
{
    if (m_finished)
        return;
    m_lov.LovReturnFields.clear();
    m_lov.LovReturnValue.clear();
    finish();
}

void LovController::finish()
{
    m_rows.reset();
    dropScreenTable();
    m_finished = true;
    emit finished();
}

Outcome<Recordset> LovController::openQuery(const QString &query) const
{
    return m_session.openRecordset(query);
}

Status LovController::execute(const QString &statement) const
{
    return m_session.execute(statement);
}

void LovController::report(const Error &error, const QString &procedure) const
{
    m_session.ReportError(error, kWindowName, procedure, true);
}

} // namespace vant
