#pragma once

#include "lov_column.h"
#include "lov_drill_down.h"
#include "lov_pager.h"
#include "lov_request.h"
#include "lov_search.h"
#include "lov_selection.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace vant {

struct LovState;
struct Session;

// The lookup window without its widgets. It pages through the rows (LovPager), searches and
// sorts them (LovSearch), drills down screen by screen (LovDrillDown), keeps the selection and
// the count label and the values of the hidden columns, and makes the answer. The window draws
// what this holds and passes its keys and clicks here.
class LovController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSerialWidth = 700;
    // The grid's width beyond the serial column and the listed columns, in twips.
    static constexpr int kGridMargin = 30;

    // request: the caller's request with the lists that ShowLov completed; the columns are
    // those of ShowLov's probe of the query.
    LovController(Session &session, LovState &state, LovRequest request);

    // The window's load: opens the window's recordset, fills the first page and runs the
    // caller's search text.
    void open();

    // Opens the window's rows and fills the first page.
    void validitemname();
    // Updates the count label and the values of the hidden columns for the current row.
    void refreshmrp();
    // Makes the answer of a choice: the selection, or the current row.
    void setretval();
    // Selects the current row across all columns.
    void ColSel();

    // What the window is made of.
    const QString &title() const { return m_request.Title; }
    // The caller's search text for the first search box; none when it is blank.
    QString searchText() const;
    int placement() const { return m_request.Placement; }
    QString hintText() const;
    QString hintToolTip() const;
    // The grid's columns as the current screen shows them.
    const QList<LovColumn> &columns() const;
    // Width of the main grid in twips: the serial column, its margin and every listed width.
    int gridWidth() const;
    // Heads of the hidden columns that have one, in column order: the detail grid's rows.
    QStringList detailHeads() const;

    // The page: rows 1 to rowCount(), column 0 the running number, column c field c - 1.
    int rowCount() const { return m_pager.rowCount(); }
    QString cell(int row, int column) const;
    int currentRow() const { return m_pager.currentRow(); }
    int pageStart() const { return m_pager.pageStart(); }
    // The label counts the rows when it is first read after a page of rows not yet counted:
    // the page shows before that count (countPending()).
    const QString &countLabel();
    bool countPending() const { return m_countPending; }
    // The current row's values of the hidden columns, parallel to detailHeads().
    const QStringList &detailValues() const { return m_detailValues; }

    // Page Down, Page Up, Down, Up, Home, End, a row picked with the mouse.
    void nextPage() { m_pager.nextPage(); }
    void previousPage() { m_pager.previousPage(); }
    void nextRow() { m_pager.nextRow(); }
    void previousRow() { m_pager.previousRow(); }
    void firstRow() { m_pager.firstRow(); }
    void lastRow() { m_pager.lastRow(); }
    void setCurrentRow(int row) { m_pager.setCurrentRow(row); }
    // Rows per page, at most LovPager::kPageRows.
    void setPageRows(int rows) { m_pager.setPageRows(rows); }
    int pageRows() const { return m_pager.pageRows(); }

    // Records a key of the key set instead of typing it; true when it was one.
    bool recordKeySetKey(QChar key);

    // Search boxes, numbered from 1: one per visible column in column-search mode, else one.
    int searchBoxCount() const { return m_search.boxCount(); }
    // The grid column a box stands above; 0 for the one box as wide as the grid.
    int searchBoxColumn(int box) const { return m_search.boxColumn(box); }
    QString searchBoxText(int box) const { return m_search.boxText(box); }
    int currentSearchBox() const { return m_search.currentBox(); }
    void searchBoxFocused(int box);
    // Characters typed in the window: the key set's keys, the blank that picks a row in
    // multi-select mode, and the search text.
    void typeText(const QString &typed);
    // Backspace and Delete in the current box.
    void removeLastCharacter();
    void clearSearchBox();
    bool isFiltered() const { return m_pager.isFiltered(); }

    void sortByHead(int column);
    // The sort list: the columns it offers (those with a head) and a ticked entry.
    QList<int> sortListColumns() const;
    void sortByListEntry(int column);

    // Multi-select: Addlist 1 toggles the selection of a page row, 0 restores its mark.
    void StoreMultiSelect(int row, int Addlist);
    bool isMarked(int row) const { return m_marks.value(row - 1, false); }

    // Screen-by-screen mode: the screen shown, 0 for the first.
    int screenLevel() const { return m_drillDown.level(); }

    // Enter or double-click: answer with the current row or the selection, or on a
    // drill-down screen go to the next screen with the current row's value.
    void choose();
    // Escape: no answer, or on a later drill-down screen back to the one before.
    void leave();
    // The window closed by other means: no answer, whatever the screen.
    void unload();
    bool isFinished() const { return m_finished; }

signals:
    void pageFilled();
    void currentRowChanged();
    void recordChanged();
    void searchTextChanged();
    void columnsChanged();
    void rowMarkChanged(int row);
    void finished();

private:
    static QList<LovColumn> columnsOf(const LovRequest &request, const Recordset &probe);
    void showPage();
    void showEmptyPage();
    void showCurrentRow();
    QString rowKey(int row) const;
    void finish();

    Session &m_session;
    LovState &m_state;
    LovRequest m_request;
    const QList<LovColumn> m_baseColumns;
    QList<int> m_detailColumns;
    int m_enterDataColumn = -1; // none: column 0 is the running number
    const bool m_multiSelect;

    LovPager m_pager;
    LovSearch m_search;
    LovDrillDown m_drillDown;

    LovSelection m_selection;
    // Whether each row of the page is one of the selection.
    QList<bool> m_marks;
    QString m_countLabel;
    bool m_countPending = false;
    QStringList m_detailValues;
    bool m_finished = false;
};

} // namespace vant
