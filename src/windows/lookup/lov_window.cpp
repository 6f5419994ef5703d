#include "lov_window.h"

#include "lookup/lov_controller.h"
#include "lookup/lov_placement.h"

#include "session/twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vant {

namespace {

// The key code of the other platform's keyboard, read as a character: letters, digits and
// the function keys, which a caller's key set names by that character.
QChar keyCodeCharacter(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QChar(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return QChar(112 + (key - Qt::Key_F1));
    return {};
}

} // namespace

LovWindow::LovWindow(LovController &controller, QWidget *parent) : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("FrmLovResult"));
    setWindowTitle(controller.title());
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    buildTitleLine();
    buildSearchBoxes();
    buildBrowseGrid();
    buildDetailGrid();
    buildSortList();

    m_messageEdit = new QLineEdit(this);
    m_messageEdit->setObjectName(QStringLiteral("TxtMessage"));
    m_messageEdit->setReadOnly(true);
    m_messageEdit->setFocusPolicy(Qt::NoFocus);
    m_messageEdit->setFixedWidth(pixels(controller.gridWidth()));
    m_messageEdit->setText(controller.hintText());
    m_messageEdit->setToolTip(controller.hintToolTip());
    layout->addWidget(m_messageEdit);

    connect(&m_controller, &LovController::pageFilled, this, &LovWindow::showPage);
    connect(&m_controller, &LovController::currentRowChanged, this, &LovWindow::showCurrentRow);
    connect(&m_controller, &LovController::recordChanged, this, &LovWindow::showRecord);
    connect(&m_controller, &LovController::searchTextChanged, this, &LovWindow::showSearchText);
    connect(&m_controller, &LovController::columnsChanged, this, &LovWindow::showColumns);
    connect(&m_controller, &LovController::rowMarkChanged, this, &LovWindow::showRow);
    connect(&m_controller, &LovController::finished, this, &LovWindow::accept);

    showColumns();
    showPage();
    showCurrentRow();
    showRecord();
    fitTheScreen();
    showSearchText();
    m_searchBoxes.first()->setFocus();
}

int LovWindow::pixels(int twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

int LovWindow::browseGridHeight(int rows) const
{
    return m_browseGrid->horizontalHeader()->sizeHint().height()
           + rows * m_browseGrid->verticalHeader()->defaultSectionSize() + 2 * m_browseGrid->frameWidth();
}

QMargins LovWindow::expectedFrame() const
{
    // A window manager's frame is known only once the window shows: room is kept for a title bar.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return {border, titleBar + border, border, border};
}

void LovWindow::fitTheScreen()
{
    layout()->activate();
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    const QRect available = shownOn->availableGeometry();
    const QMargins frame = expectedFrame();
    // The window keeps the placement's margin at the top of the screen too.
    const int room = available.height() - 2 * pixels(150);
    const int rows = lovPageRows(height() + frame.top() + frame.bottom(),
                                 m_browseGrid->verticalHeader()->defaultSectionSize(), room);
    if (rows != m_controller.pageRows()) {
        m_controller.setPageRows(rows);
        m_browseGrid->setFixedHeight(browseGridHeight(rows));
        layout()->activate();
    }
    move(lovWindowPosition(m_controller.placement(), available, size().grownBy(frame), logicalDpiX() / 96.0 / 15.0));
}

QLineEdit *LovWindow::currentSearchBox() const
{
    return m_searchBoxes.value(m_controller.currentSearchBox() - 1, m_searchBoxes.first());
}

void LovWindow::showColumns()
{
    const QList<LovColumn> &columns = m_controller.columns();
    QStringList heads{tr("Sno")};
    for (int c = 1; c <= columns.size(); ++c) {
        const LovColumn &column = columns.at(c - 1);
        heads << column.head;
        m_browseGrid->setColumnHidden(c, column.width == 0);
        if (column.width != 0)
            m_browseGrid->setColumnWidth(c, pixels(column.width));
    }
    m_browseGrid->setHorizontalHeaderLabels(heads);
}

void LovWindow::showPage()
{
    m_browseGrid->setUpdatesEnabled(false);
    const int rows = m_controller.rowCount();
    m_browseGrid->setRowCount(rows);
    for (int row = 1; row <= rows; ++row)
        showRow(row);
    m_browseGrid->setUpdatesEnabled(true);
}

void LovWindow::showRow(int row)
{
    // Every cell is written again: a picked row shows the value entered for it.
    for (int column = 0; column < m_browseGrid->columnCount(); ++column) {
        QTableWidgetItem *item = m_browseGrid->item(row - 1, column);
        if (!item) {
            item = new QTableWidgetItem;
            m_browseGrid->setItem(row - 1, column, item);
        }
        item->setText(m_controller.cell(row, column));
    }
    m_browseGrid->item(row - 1, 0)
        ->setIcon(m_controller.isMarked(row) ? style()->standardIcon(QStyle::SP_DialogApplyButton) : QIcon());
}

void LovWindow::showCurrentRow()
{
    if (m_controller.currentRow() >= 1)
        m_browseGrid->selectRow(m_controller.currentRow() - 1);
}

void LovWindow::showRecord()
{
    // Rows not yet counted are counted once the page is drawn, so that it shows first.
    if (m_controller.countPending())
        QTimer::singleShot(0, this, [this] { m_recordCountLabel->setText(m_controller.countLabel()); });
    else
        m_recordCountLabel->setText(m_controller.countLabel());
    const QStringList &values = m_controller.detailValues();
    for (int row = 0; row < values.size() && row < m_recordGrid->rowCount(); ++row)
        m_recordGrid->item(row, 1)->setText(values.at(row));
}

void LovWindow::showSearchText()
{
    for (int box = 1; box <= m_searchBoxes.size(); ++box) {
        QLineEdit *edit = m_searchBoxes.at(box - 1);
        edit->setText(m_controller.searchBoxText(box));
        edit->setCursorPosition(int(edit->text().size()));
    }
}

void LovWindow::showSortList()
{
    const QSignalBlocker blocker(m_sortList);
    m_sortList->clear();
    for (int column : m_controller.sortListColumns()) {
        auto *entry = new QTreeWidgetItem(m_sortList, {m_controller.columns().at(column - 1).head});
        entry->setData(0, Qt::UserRole, column);
        entry->setCheckState(0, Qt::Unchecked);
    }
    // A third of the grid, or wider where an entry needs it.
    const QRect grid = m_browseGrid->geometry();
    m_sortList->resizeColumnToContents(0);
    const int entries =
        m_sortList->columnWidth(0) + 2 * m_sortList->frameWidth() + m_sortList->verticalScrollBar()->sizeHint().width();
    m_sortList->resize(std::min(grid.width(), std::max(grid.width() / 3, entries)), grid.height() / 2);
    m_sortList->move(grid.center() - QPoint(m_sortList->width() / 2, m_sortList->height() / 2));
    m_sortList->raise();
    m_sortList->show();
}

void LovWindow::sortListTicked(QTreeWidgetItem *item)
{
    if (item->checkState(0) != Qt::Checked)
        return;
    {
        const QSignalBlocker blocker(m_sortList);
        for (int i = 0; i < m_sortList->topLevelItemCount(); ++i) {
            if (m_sortList->topLevelItem(i) != item)
                m_sortList->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
        }
    }
    m_controller.sortByListEntry(item->data(0, Qt::UserRole).toInt());
}

bool LovWindow::handleHeadPress(const QMouseEvent &event)
{
    if (event.button() != Qt::LeftButton && event.button() != Qt::RightButton)
        return false;
    const int column = m_browseGrid->horizontalHeader()->logicalIndexAt(event.position().toPoint());
    if (column < 1)
        return false;
    m_controller.sortByHead(column);
    currentSearchBox()->setFocus();
    return true;
}

bool LovWindow::handleKey(const QKeyEvent &event)
{
    const bool alt = event.modifiers() & Qt::AltModifier;
    switch (event.key()) {
    case Qt::Key_PageDown: m_controller.nextPage(); return true;
    case Qt::Key_PageUp: m_controller.previousPage(); return true;
    case Qt::Key_Down: m_controller.nextRow(); return true;
    case Qt::Key_Up: m_controller.previousRow(); return true;
    case Qt::Key_Home: m_controller.firstRow(); return true;
    case Qt::Key_End: m_controller.lastRow(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: m_controller.choose(); return true;
    case Qt::Key_Escape: m_controller.leave(); return true;
    case Qt::Key_Backspace: m_controller.removeLastCharacter(); return true;
    case Qt::Key_Delete: m_controller.clearSearchBox(); return true;
    default: break;
    }
    // Ctrl held alone (some platforms leave it out of the modifiers of its own press) shows
    // the sort list until it is released.
    const Qt::KeyboardModifiers others =
        event.modifiers() & ~Qt::KeyboardModifiers(Qt::ControlModifier | Qt::KeypadModifier);
    if ((event.key() == Qt::Key_Control || event.modifiers().testFlag(Qt::ControlModifier)) && others == 0) {
        if (!m_sortList->isVisible())
            showSortList();
        return true;
    }
    // The access keys of the paging buttons: &Next, &Prev, &Skip, Skip-&1, &Top, &Bottom.
    if (alt) {
        switch (event.key()) {
        case Qt::Key_N: m_controller.nextPage(); return true;
        case Qt::Key_P: m_controller.previousPage(); return true;
        case Qt::Key_S: m_controller.nextRow(); return true;
        case Qt::Key_1: m_controller.previousRow(); return true;
        case Qt::Key_T: m_controller.firstRow(); return true;
        case Qt::Key_B: m_controller.lastRow(); return true;
        default: break;
        }
    }
    if (m_controller.recordKeySetKey(keyCodeCharacter(event.key())))
        return true;
    if (alt || event.text().isEmpty() || !event.text().front().isPrint())
        return false;
    m_controller.typeText(event.text());
    return true;
}

bool LovWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (handleKey(*static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Control)
            m_sortList->hide();
        break;
    case QEvent::FocusIn:
        if (const qsizetype box = m_searchBoxes.indexOf(qobject_cast<QLineEdit *>(watched)); box >= 0)
            m_controller.searchBoxFocused(int(box) + 1);
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_browseGrid->horizontalHeader()->viewport()
            && handleHeadPress(*static_cast<QMouseEvent *>(event)))
            return true;
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void LovWindow::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(*event))
        QDialog::keyPressEvent(event);
}

void LovWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Control)
        m_sortList->hide();
    QDialog::keyReleaseEvent(event);
}

void LovWindow::reject()
{
    // The window's own close box ends the lookup without an answer, on any screen.
    if (m_controller.isFinished())
        QDialog::reject();
    else
        m_controller.unload();
}

} // namespace vant
