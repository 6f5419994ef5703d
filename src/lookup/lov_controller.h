#pragma once

#include "lov_request.h"
#include "lov_rows.h"
#include "lov_screens.h"
#include "lov_selection.h"

#include "db/recordset.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace vant {

class ModVantLov;
struct Session;

// One column of the main grid after the serial column: its field, head and width in twips
// (0 hides it).
struct LovColumn
{
    QString fieldName;
    QString head;
    int width = 0;
};

// The lookup window without its widgets: the window's recordset, the page of at most
// twenty rows it shows (fewer on a short screen), the current row, the count label, the values of the hidden
// columns, the search boxes, the selection, the drill-down screens and the answer. The
// window draws what this holds and passes its keys and clicks here.
class LovController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPageRows = 20;
    static constexpr int kSerialWidth = 700;
    // The grid's width beyond the serial column and the listed columns, in twips.
    static constexpr int kGridMargin = 30;

    // request: the caller's request with the lists that ShowLov completed; the columns are
    // those of ShowLov's probe of the query.
    LovController(Session &session, ModVantLov &lov, LovRequest request);
    // A drill-down work table still standing goes with the window.
    ~LovController() override;

    // The window's load: opens the window's recordset, fills the first page and runs the
    // caller's search text.
    void open();

    void validitemname();
    void fillhelp(bool changepost);
    void refreshmrp();
    void setretval();
    void ColSel();

    // What the window is made of.
    const QString &title() const { return m_request.Title; }
    // The caller's search text for the first search box; none when it is blank.
    QString searchText() const;
    int placement() const { return m_request.Placement; }
    QString hintText() const;
    QString hintToolTip() const;
    // The grid's columns as the current screen shows them.
    const QList<LovColumn> &columns() const { return m_columns; }
    // Width of the main grid in twips: the serial column, its margin and every listed width.
    int gridWidth() const;
    // Heads of the hidden columns that have one, in column order: the detail grid's rows.
    QStringList detailHeads() const;

    // The page: rows 1 to rowCount(), column 0 the running number, column c field c - 1.
    int rowCount() const { return int(m_page.size()); }
    QString cell(int row, int column) const;
    int currentRow() const { return m_currentRow; }
    int pageStart() const { return m_pageStart; }
    const QString &countLabel() const { return m_countLabel; }
    // The current row's values of the hidden columns, parallel to detailHeads().
    const QStringList &detailValues() const { return m_detailValues; }

    // Page Down, Page Up, Down, Up, Home, End.
    void nextPage();
    void previousPage();
    void nextRow();
    void previousRow();
    void firstRow();
    void lastRow();
    // A row picked with the mouse.
    void setCurrentRow(int row);
    // Rows per page, at most kPageRows: a short screen shows fewer. The current record stays on
    // the page; the paging keys move by the new page.
    void setPageRows(int rows);
    int pageRows() const { return m_pageRows; }

    // Records a key of the key set instead of typing it; true when it was one.
    bool recordKeySetKey(QChar key);

    // Search boxes, numbered from 1: one per visible column in column-search mode, else one.
    int searchBoxCount() const { return int(m_boxes.size()); }
    // The grid column a box stands above; 0 for the one box as wide as the grid.
    int searchBoxColumn(int box) const;
    QString searchBoxText(int box) const;
    int currentSearchBox() const { return m_currentBox; }
    // searchtxthlp_GotFocus: in column-search mode the box's column becomes the search field.
    void searchBoxFocused(int box);
    // Characters typed in the window; the current box keeps the longest text that matches.
    void typeText(const QString &typed);
    // Backspace and Delete in the current box.
    void removeLastCharacter();
    void clearSearchBox();
    // findbrow: makes the first row that matches the text current; true when it found one,
    // none after a reported failure. containing: rows whose search field contains the text,
    // under a filter to them, instead of those that begin with it.
    std::optional<bool> findbrow(const QString &findchar, bool containing);
    bool isFiltered() const { return m_rows && m_rows->isFiltered(); }

    // msfbrowse_MouseDown on the head of grid column c: sort by it, ascending, or
    // descending when it is the search column sorted ascending; it becomes the search column.
    void sortByHead(int column);
    // The sort list: the columns it offers (those with a head) and a ticked entry.
    QList<int> sortListColumns() const;
    void sortByListEntry(int column);

    // Multi-select: Addlist 1 toggles the selection of a page row, 0 restores its mark.
    void StoreMultiSelect(int row, int Addlist);
    bool isMarked(int row) const { return m_marks.value(row - 1, false); }

    // Screen-by-screen mode: the screen shown, 0 for the first.
    int screenLevel() const { return m_screens.level(); }
    bool SetScreenbyscreen();

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
    QStringList pageRow(int number, const QList<QVariant> &values) const;
    void startPageAt(int position, bool changepost = false);
    void showFoundRecord(int position);
    void searchCurrentBox();
    bool pageStale() const { return m_filterText != m_pageFilterText; }
    void removeFilter();
    void setSearchBoxText(const QString &text);
    bool sortBy(int column, const QString &procedure);
    int searchFieldIndex() const;
    QString rowKey(int row) const;
    void openScreens();
    void pickOnDrillDown();
    void stepBackOnDrillDown();
    void clearPage();
    void dropScreenTable();
    void finish();
    Outcome<Recordset> openQuery(const QString &query) const;
    // The window's rows of a query: paged in the server when there are many.
    Outcome<std::unique_ptr<LovRows>> openRows(const QString &query) const;
    // Rows of the window's result; 0 after a reported failure to count them.
    int total();
    bool hasFields() const { return m_rows && m_rows->fieldCount() > 0; }
    Status execute(const QString &statement) const;
    void report(const Error &error, const QString &procedure) const;

    Session &m_session;
    ModVantLov &m_lov;
    LovRequest m_request;
    QList<LovColumn> m_baseColumns;
    QList<LovColumn> m_columns;
    QList<int> m_detailColumns;
    int m_enterDataColumn = 0;

    std::unique_ptr<LovRows> m_rows;
    // Where the next fillhelp() starts the page.
    int m_fillFrom = 1;
    int m_pageRows = kPageRows;
    QList<QStringList> m_page;
    QList<bool> m_marks;
    int m_pageStart = 0;
    int m_pageEnd = 0;
    int m_currentRow = 0;
    // The containment filter on the recordset, and the one it had when the page was filled:
    // when they differ the page no longer shows the records at their positions.
    QString m_filterText;
    QString m_pageFilterText;
    QString m_countLabel;
    QStringList m_detailValues;

    // Search box k: the grid column it stands above (0 = whole grid) and its text.
    QList<std::pair<int, QString>> m_boxes;
    int m_currentBox = 1;

    bool m_multiSelect = false;
    LovSelection m_selection;

    LovScreens m_screens;
    bool m_screenTableMade = false;
    bool m_finished = false;
};

} // namespace vant
