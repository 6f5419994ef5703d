#pragma once

#include "lov_request.h"

#include "session/recordset.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

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
// twenty rows it shows, the current row, the count label, the values of the hidden
// columns and the answer. The window draws what this holds and passes its keys here.
class LovController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPageRows = 20;
    static constexpr int kSerialWidth = 700;

    // request: the caller's request with the lists that ShowLov completed; the columns are
    // those of ShowLov's probe of the query.
    LovController(Session &session, ModVantLov &lov, LovRequest request);

    // The window's load: opens the window's recordset and fills the first page.
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
    const QList<LovColumn> &columns() const { return m_columns; }
    // Type of the search field in the window's recordset, for the typed search.
    FieldType searchFieldType() const { return m_searchFieldType; }
    // Width of the main grid in twips: the serial column, its margin and every listed width.
    int gridWidth() const;
    // Heads of the hidden columns that have one, in column order: the detail grid's rows.
    QStringList detailHeads() const;

    // The page: rows 1 to rowCount(), column 0 the running number, column c field c - 1.
    int rowCount() const { return int(m_page.size()); }
    QString cell(int row, int column) const;
    int currentRow() const { return m_currentRow; }
    int pageStart() const { return m_pageStart; }
    int pageEnd() const { return m_pageEnd; }
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

    // Records a key of the key set instead of typing it; true when it was one.
    bool recordKeySetKey(QChar key);

    // Enter or double-click: answer with the current row.
    void choose();
    // Escape, or the window closed without a choice: no answer.
    void leave();
    bool isFinished() const { return m_finished; }

signals:
    void pageFilled();
    void currentRowChanged();
    void recordChanged();
    void finished();

private:
    QStringList pageRow(int number) const;
    void startPageAt(int position);
    void finish();

    Session &m_session;
    ModVantLov &m_lov;
    LovRequest m_request;
    QList<LovColumn> m_columns;
    QList<int> m_detailColumns;

    Recordset m_rs;
    FieldType m_searchFieldType = FieldType::Unknown;
    QList<QStringList> m_page;
    int m_pageStart = 0;
    int m_pageEnd = 0;
    int m_currentRow = 0;
    QString m_countLabel;
    QStringList m_detailValues;
    bool m_finished = false;
};

} // namespace vant
