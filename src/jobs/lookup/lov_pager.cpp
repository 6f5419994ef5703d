#include "lov_pager.h"

#include "lov_report.h"

#include "session/session.h"
#include "session/text_helpers.h"

#include <algorithm>

namespace vant {

LovPager::LovPager(Session &session) : m_session(session) {}

Status LovPager::openRows(const QString &query)
{
    if (Database *db = m_session.db()) {
        auto paged = PagedLovRows::open(*db, query);
        if (!paged)
            return paged.error();
        if (*paged) {
            setRows(std::move(*paged));
            return {};
        }
    }
    auto opened = m_session.openRecordset(query);
    if (!opened)
        return opened.error();
    setRows(std::make_unique<LoadedLovRows>(std::move(*opened)));
    return {};
}

void LovPager::setRows(std::unique_ptr<LovRows> rows)
{
    m_rows = std::move(rows);
    m_filterText.clear();
}

void LovPager::settlePosition()
{
    if (!m_rows || !m_rows->isPositionPending())
        return;
    const Outcome<int> shift = m_rows->settlePosition();
    if (!shift) {
        reportLovFailure(m_session, shift.error(), QStringLiteral("Fillhelp"));
        return;
    }
    m_fillFrom += *shift;
    m_pageStart += *shift;
    m_pageEnd += *shift;
}

int LovPager::total()
{
    if (!m_rows)
        return 0;
    settlePosition();
    const Outcome<int> counted = m_rows->count();
    if (!counted) {
        reportLovFailure(m_session, counted.error(), QStringLiteral("Fillhelp"));
        return 0;
    }
    return *counted;
}

QString LovPager::cell(int row, int column) const
{
    if (row < 1 || row > m_page.size())
        return {};
    return m_page.at(row - 1).value(column);
}

QStringList LovPager::pageRow(int number, const QList<QVariant> &values) const
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

void LovPager::fillhelp(bool changepost)
{
    fillFrom(m_fillFrom, changepost);
}

bool LovPager::fillFrom(int start, bool changepost, int leastRows)
{
    // A page that would start outside the result leaves the grid as it is. The rows are not
    // counted for that: a page past the end reads none.
    if (!m_rows || start < 1)
        return false;
    const auto values = m_rows->rows(start, m_pageRows);
    if (!values) {
        reportLovFailure(m_session, values.error(), QStringLiteral("Fillhelp"));
        return false;
    }
    if (values->size() < std::max(leastRows, 1))
        return false;
    m_fillFrom = start;
    m_pageStart = start;
    m_page.clear();
    for (const QList<QVariant> &row : *values)
        m_page << pageRow(int(m_page.size()) + 1, row);
    m_pageEnd = m_pageStart + int(m_page.size()) - 1;
    m_pageFilterText = m_filterText;

    if (changepost || m_currentRow < 1)
        m_currentRow = 1;
    else
        m_currentRow = std::min(m_currentRow, rowCount());
    emit pageFilled();
    return true;
}

void LovPager::startPageAt(int position, bool changepost)
{
    // Every paging move counts from the first record.
    m_fillFrom = position;
    fillhelp(changepost);
}

void LovPager::clear()
{
    m_page.clear();
    m_pageStart = 0;
    m_pageEnd = 0;
    m_currentRow = 0;
    m_pageFilterText = m_filterText;
    emit pageCleared();
}

void LovPager::nextPage()
{
    settlePosition();
    if (!canMove())
        return;
    // Past the last record the pages start again at the first.
    if (!fillFrom(m_pageEnd + 1, false))
        startPageAt(1);
}

void LovPager::previousPage()
{
    settlePosition();
    if (canMove())
        startPageAt(std::max(1, m_pageStart - m_pageRows));
}

void LovPager::nextRow()
{
    settlePosition();
    if (!canMove())
        return;
    if (m_currentRow < rowCount())
        setCurrentRow(m_currentRow + 1);
    else
        fillFrom(m_pageEnd - (m_pageRows - 2), false, m_pageRows);
    // On the last record the highlight stays: a page one record on would be short.
}

void LovPager::previousRow()
{
    settlePosition();
    if (!canMove())
        return;
    if (m_currentRow > 1)
        setCurrentRow(m_currentRow - 1);
    else
        startPageAt(std::max(1, m_pageStart - 1));
}

void LovPager::firstRow()
{
    setCurrentRow(1);
}

void LovPager::lastRow()
{
    setCurrentRow(rowCount());
}

void LovPager::setCurrentRow(int row)
{
    if (!m_rows || row < 1 || row > rowCount())
        return;
    m_currentRow = row;
    emit currentRowChanged();
}

void LovPager::showRecordAt(int position)
{
    if (!isStale() && position >= m_pageStart && position <= m_pageEnd)
        setCurrentRow(position - m_pageStart + 1);
    else
        startPageAt(position, true);
}

void LovPager::setPageRows(int rows)
{
    rows = std::clamp(rows, 1, int(kPageRows));
    if (rows == m_pageRows)
        return;
    m_pageRows = rows;
    if (!canMove())
        return;
    settlePosition();
    const int current = m_pageStart + m_currentRow - 1;
    const int start = std::max(m_pageStart, current - rows + 1);
    startPageAt(start);
    setCurrentRow(current - start + 1);
}

Status LovPager::filterContaining(int field, const QString &text)
{
    settlePosition();
    if (const Status filtered = m_rows->filterContaining(field, text); !filtered)
        return filtered;
    m_filterText = m_rows->field(field).name + QLatin1Char('*') + text;
    return {};
}

void LovPager::removeFilter()
{
    if (!isFiltered())
        return;
    settlePosition();
    m_rows->clearFilter();
    m_filterText.clear();
}

} // namespace vant
