#pragma once

#include <QDialog>
#include <QList>
#include <QMargins>

class QLabel;
class QLineEdit;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vant {

class LovController;

// The lookup window: draws the controller's page, count label, hidden-column values,
// search boxes and row marks, and hands it the keys and head clicks before the controls
// see them. Closing it without a choice leaves no answer.
class LovWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LovWindow(LovController &controller, QWidget *parent = nullptr);

    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int pixels(int twips) const;
    int browseGridHeight(int rows) const;
    QMargins expectedFrame() const;
    // Fewer rows per page where a full page would not fit the screen; then the placement.
    void fitTheScreen();
    void buildTitleLine();
    void buildSearchBoxes();
    void buildBrowseGrid();
    void buildDetailGrid();
    void buildSortList();
    bool handleKey(const QKeyEvent &event);
    bool handleHeadPress(const QMouseEvent &event);
    QLineEdit *currentSearchBox() const;
    void showColumns();
    void showPage();
    void showRow(int row);
    void showCurrentRow();
    void showRecord();
    void showSearchText();
    void showSortList();
    void sortListTicked(QTreeWidgetItem *item);

    LovController &m_controller;
    QLabel *m_headLabel = nullptr;
    QLabel *m_recordCountLabel = nullptr;
    QList<QLineEdit *> m_searchBoxes;
    QTableWidget *m_browseGrid = nullptr;
    QTableWidget *m_recordGrid = nullptr;
    QLineEdit *m_messageEdit = nullptr;
    QTreeWidget *m_sortList = nullptr;
};

} // namespace vant
