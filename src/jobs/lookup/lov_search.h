#pragma once

#include "lov_column.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace vant {

class LovPager;
struct LovState;
struct Session;

// The lookup window's search boxes and what they do: the current box keeps the longest typed
// text that the search field of some row begins with (or, outside column search and
// multi-select, contains, under a filter to those rows), and that row becomes current. A
// click on a column head sorts by that column and makes it the search field.
class LovSearch : public QObject
{
    Q_OBJECT

public:
    // One box per visible column with columnSearch, else one box as wide as the grid.
    // runningNumber: the text the serial column shows for a row of the page.
    LovSearch(Session &session, LovState &state, LovPager &pager, const QList<LovColumn> &columns, bool columnSearch,
              bool multiSelect, std::function<QString(int row)> runningNumber);

    // Boxes are numbered from 1.
    int boxCount() const { return int(m_boxes.size()); }
    // The grid column a box stands above; 0 for the one box as wide as the grid.
    int boxColumn(int box) const;
    QString boxText(int box) const;
    int currentBox() const { return m_currentBox; }
    // searchtxthlp_GotFocus: the box becomes current; in column-search mode its column's field
    // becomes the search field.
    void focusBox(int box);

    // Puts a text into the current box without searching.
    void setText(const QString &text);
    // A character typed into the current box, Backspace and Delete there; each searches.
    void type(const QString &character);
    void removeLastCharacter();
    void clear();
    // Searches for the current box's text, shortening it until some row matches.
    void searchCurrentBox();
    // findbrow: makes the first row that matches the text current; true when it found one,
    // none after a reported failure. containing: rows whose search field contains the text,
    // under a filter to them, instead of those that begin with it.
    std::optional<bool> findbrow(const QString &findchar, bool containing);

    // msfbrowse_MouseDown on the head of grid column c: sort by it, ascending, or descending
    // when it is the search column sorted ascending; it becomes the search column.
    void sortByHead(int column);
    // A ticked entry of the sort list: the same sort, the search column staying.
    void sortByListEntry(int column);

signals:
    void textChanged();

private:
    struct Box
    {
        int column = 0;
        QString field;
        QString text;
    };

    int searchFieldIndex() const;
    void showFoundRecord(int position);
    bool sortBy(int column, const QString &procedure);
    bool isSortable(int column) const;

    Session &m_session;
    LovState &m_state;
    LovPager &m_pager;
    bool m_multiSelect = false;
    std::function<QString(int row)> m_runningNumber;
    QList<Box> m_boxes;
    int m_currentBox = 1;
};

} // namespace vant
