#pragma once

#include "lov_rows.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace vant {

struct Session;

// The lookup window's rows a page at a time: the page of at most twenty rows it shows (fewer
// on a short screen), the current row on it and the moves between pages. Every page is read
// by its position among the rows, counted from the first; the rows may stand under a filter.
class LovPager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPageRows = 20;

    explicit LovPager(Session &session);

    // The rows of the window's query: paged in the server when there are many, else read whole.
    Status openRows(const QString &query);
    // The rows to page through from now on, without a filter; the page stays until filled.
    void setRows(std::unique_ptr<LovRows> rows);
    // The window's recordset released: the page stays as it was and no longer moves.
    void release() { m_rows.reset(); }
    LovRows *rows() const { return m_rows.get(); }
    bool hasFields() const { return m_rows && m_rows->fieldCount() > 0; }
    // Rows of the result; 0 after a reported failure to count them.
    int total();
    // Whether total() answers without asking the server.
    bool isCounted() const { return !m_rows || m_rows->isCounted(); }

    // The page: rows 1 to rowCount(), column 0 the running number, column c field c - 1.
    int rowCount() const { return int(m_page.size()); }
    QString cell(int row, int column) const;
    int currentRow() const { return m_currentRow; }
    int pageStart() const { return m_pageStart; }
    int pageEnd() const { return m_pageEnd; }
    // Counts the place of a found row shown before it was counted, and numbers the page by it.
    void settlePosition();
    // Rows per page, at most kPageRows: a short screen shows fewer. The current record stays
    // on the page; the paging keys move by the new page.
    void setPageRows(int rows);
    int pageRows() const { return m_pageRows; }

    // fillhelp: fills the page from the position that startPageAt() set. changepost makes
    // row 1 current; otherwise the current row number stays, or the last row of a shorter page.
    void fillhelp(bool changepost);
    // A page from that position on; a position outside the rows leaves the page as it is.
    void startPageAt(int position, bool changepost = false);
    // An empty page with no current row: a drill-down screen without rows.
    void clear();

    // Page Down, Page Up, Down, Up, Home, End.
    void nextPage();
    void previousPage();
    void nextRow();
    void previousRow();
    void firstRow();
    void lastRow();
    // A row picked with the mouse or found by a search.
    void setCurrentRow(int row);
    // The record at that position among the rows made current: on the page when it shows
    // there, else at the top of a new page.
    void showRecordAt(int position);

    // Narrows the rows to those whose field contains the text, and back to all of them.
    Status filterContaining(int field, const QString &text);
    void removeFilter();
    bool isFiltered() const { return m_rows && m_rows->isFiltered(); }
    // The page was filled under another filter than the rows stand under now: its rows are no
    // longer at the positions it shows.
    bool isStale() const { return m_filterText != m_pageFilterText; }

signals:
    // A page was filled, or cleared; the current row was set with it.
    void pageFilled();
    void pageCleared();
    // Another row of the same page became current.
    void currentRowChanged();

private:
    QStringList pageRow(int number, const QList<QVariant> &values) const;
    // Fills the page from the position when at least leastRows rows (one at the least) stand
    // there; false leaves the page as it was.
    bool fillFrom(int start, bool changepost, int leastRows = 1);
    bool canMove() const { return m_rows && !m_page.isEmpty(); }

    Session &m_session;
    std::unique_ptr<LovRows> m_rows;
    // Where the next fillhelp() starts the page.
    int m_fillFrom = 1;
    int m_pageRows = kPageRows;
    QList<QStringList> m_page;
    int m_pageStart = 0;
    int m_pageEnd = 0;
    int m_currentRow = 0;
    // The filter on the rows, and the one they had when the page was filled.
    QString m_filterText;
    QString m_pageFilterText;
};

} // namespace vant
