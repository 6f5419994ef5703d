#include "posting_window.h"

#include "posting/posting_filters.h"
#include "posting/posting_formats.h"
#include "posting/posting_job.h"
#include "voucher_detail_panel.h"
#include "voucher_grid_model.h"
#include "widgets/busy_window.h"
#include "widgets/enter_key.h"
#include "db/sql_literals.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "widgets/widget_twips.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace vant {

namespace {

// The shift state of a key or mouse event: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
           | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The code of the key pressed on the main keyboard row, whatever Shift made of it.
int keyCode(int key)
{
    switch (key) {
    case Qt::Key_Exclam: return Qt::Key_1;
    case Qt::Key_At: return Qt::Key_2;
    case Qt::Key_ParenRight: return Qt::Key_0;
    default: return key;
    }
}

// A list's entry is shown in the user's language; its code is read from the entry as written.
constexpr int kEntryRole = Qt::UserRole + 1;

void addEntry(QComboBox *list, const QString &entry, const QVariant &itemData = {})
{
    list->addItem(translatedEntry(entry), itemData);
    list->setItemData(list->count() - 1, entry, kEntryRole);
}

QString chosenEntry(const QComboBox *list)
{
    return list->currentData(kEntryRole).toString();
}

} // namespace

PostingWindow::PostingWindow(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("frmAccountPost"));
    setWindowTitle(tr("Accounts Posting"));
    buildControls();

    setTabOrder(m_fromDateEdit, m_divisionBox);
    setTabOrder(m_divisionBox, m_voucherTypeBox);
    setTabOrder(m_voucherTypeBox, m_transTypeBox);
    setTabOrder(m_transTypeBox, m_goButton);

    // The window sees the keys before its controls do.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);

    fillOnOpen();
}

PostingWindow::~PostingWindow()
{
    // The controls are destroyed after this; their last focus events must not reach the window.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->removeEventFilter(this);
}

void PostingWindow::fillOnOpen()
{
    const QDate today = QDate::currentDate();
    m_fromDateEdit->setDate(today);
    m_companyNameLabel->setText(m_session.companyName);
    m_dateLabel->setText(today.toString(m_session.dateFormat));
    m_financialYearLabel->setText(m_session.financialYear);
    // Without divisions Go cannot list anything, but the window still opens complete.
    if (Status loaded = LoadDivision(); !loaded)
        report(loaded.error(), QStringLiteral("Form_Load"));
    m_voucherTypeBox->clear();
    for (const QString &entry : voucherTypeEntries())
        addEntry(m_voucherTypeBox, entry);
    m_voucherTypeBox->setCurrentIndex(-1);
    setGridHeadings();
    placeTotals();
    m_detailPanel->setHeadings();
}

Status PostingWindow::LoadDivision()
{
    auto divisions = loadDivisions(m_session);
    if (!divisions)
        return divisions.error();
    m_divisionBox->clear();
    for (const Division &division : *divisions)
        m_divisionBox->addItem(division.name, division.code);
    if (m_divisionBox->count() == 0)
        return Error{380, QStringLiteral("Invalid property value")};
    m_divisionBox->setCurrentIndex(0);
    return {};
}

int PostingWindow::SetAcType(int shift, int keyCode)
{
    return vant::SetAcType(m_postingAcType, shift, keyCode);
}

bool PostingWindow::ValidatePost()
{
    if (m_voucherTypeBox->currentText().isEmpty()) {
        m_session.prompts.message(tr("Voucher Type is empty..."), kProgramTitle, PromptIcon::Information);
        m_voucherTypeBox->setFocus();
        return false;
    }
    if (m_transTypeBox->currentText().isEmpty()) {
        m_session.prompts.message(tr("Transaction Type is empty..."), kProgramTitle, PromptIcon::Information);
        m_transTypeBox->setFocus();
        return false;
    }
    return true;
}

Status PostingWindow::LoadOffLineVouchers(const QString &voucherTypeCode, const QString &transTypeCode)
{
    if (m_divisionBox->currentIndex() < 0)
        return Error{381, QStringLiteral("Invalid property array index")};
    const VoucherFilter filter{m_divisionBox->currentData().toInt(), m_fromDateEdit->date(), voucherTypeCode,
                               transTypeCode};
    Status loaded;
    m_gridModel->reload([&](VoucherGrid &grid) { loaded = vant::LoadOffLineVouchers(m_session, filter, grid); });
    if (!loaded)
        return loaded;
    // Also after an empty result, so that no totals of an earlier list stay on screen.
    GetTotal();
    return {};
}

void PostingWindow::GetTotal()
{
    const GridTotals totals = grid().GetTotal();
    m_billTotalLabel->setText(formatAmount(totals.billAmount));
    m_postedTotalLabel->setText(formatAmount(totals.postedAmount));
    placeTotals();
}

double PostingWindow::TransferAmountTotal() const
{
    return grid().TransferAmountTotal();
}

void PostingWindow::RowColor(int acType, int row)
{
    m_gridModel->edit([acType, row](VoucherGrid &grid) { grid.RowColor(acType, row); });
}

void PostingWindow::DisplaySubDet(qint64 lngVNo, int grdTop)
{
    m_detailPanel->setHeadings();
    auto lines = loadVoucherDetail(m_session, lngVNo);
    if (!lines) {
        report(lines.error(), QStringLiteral("DisplaySubDet"));
        return;
    }
    if (lines->isEmpty()) {
        m_voucherGrid->setFocus();
        return;
    }
    m_detailPanel->showLines(*lines);
    // Beside the row it describes, which stays in sight: below it, or above where there is no room.
    const int rowTop = m_voucherGrid->y() + twipsToPixels(grdTop, this);
    const int rowBottom = rowTop + m_voucherGrid->verticalHeader()->defaultSectionSize();
    m_detailPanel->move(
        twipsToPixels(VoucherDetailPanel::kLeftTwips, this),
        VoucherDetailPanel::topBeside(rowTop, rowBottom, m_gridFrame->height(), m_detailPanel->height()));
    m_detailPanel->show();
    m_detailPanel->raise();
    m_detailPanel->okButton()->setFocus();
}

const VoucherGrid &PostingWindow::grid() const
{
    return m_gridModel->grid();
}

bool PostingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        SetAcType(shiftState(key->modifiers()), keyCode(key->key()));
        // Escape closes the detail panel before it closes the window.
        if (key->key() == Qt::Key_Escape && m_detailPanel->isVisible()) {
            m_detailPanel->okButton()->click();
            return true;
        }
        // Ctrl+Tab and Ctrl+Shift+Tab leave a grid as Tab and Shift+Tab do.
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && key->modifiers().testFlag(Qt::ControlModifier) && qobject_cast<QAbstractItemView *>(watched)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
        if (watched == m_voucherGrid)
            return gridKey(key);
        return enterKey(watched, key);
    }
    if (event->type() == QEvent::FocusOut && watched == m_voucherTypeBox) {
        // Opening the list or leaving the application is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            voucherTypeLeft();
    }
    if (watched == m_voucherGrid->viewport())
        return gridMouse(event);
    return QDialog::eventFilter(watched, event);
}

bool PostingWindow::enterKey(QObject *watched, QKeyEvent *event)
{
    if (!isEnterKey(event->key()))
        return false;
    if (watched == m_divisionBox || watched == m_fromDateEdit) {
        focusNextChild();
        return true;
    }
    if (watched == m_voucherTypeBox || watched == m_transTypeBox) {
        if (static_cast<QComboBox *>(watched)->currentIndex() >= 0)
            focusNextChild();
        return true;
    }
    // Posting takes a click, Space on the button, or its access key: never Enter.
    auto *button = qobject_cast<QPushButton *>(watched);
    if (button && button != m_transferButton) {
        button->click();
        return true;
    }
    return false;
}

bool PostingWindow::gridKey(QKeyEvent *event)
{
    const int row = currentGridRow();
    if (event->key() == Qt::Key_Space) {
        m_gridModel->edit([row](VoucherGrid &grid) { grid.toggleMark(row); });
        m_postedTotalLabel->setText(formatAmount(TransferAmountTotal()));
        placeTotals();
        m_voucherGrid->setFocus();
        return true;
    }
    if (isEnterKey(event->key())) {
        if (row >= 1 && row < grid().rows() - 1)
            m_voucherGrid->setCurrentIndex(m_gridModel->index(row, m_voucherGrid->currentIndex().column()));
        return true;
    }
    if (event->key() == Qt::Key_D && shiftState(event->modifiers()) == 2) {
        showCurrentDetail();
        return true;
    }
    return false;
}

bool PostingWindow::gridMouse(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton || shiftState(mouse->modifiers()) != 2)
        return false;
    m_rowColourMenu->popup(mouse->globalPosition().toPoint());
    return true;
}

void PostingWindow::voucherTypeLeft()
{
    // Refilled only for another voucher type: the transaction type chosen for this one stays.
    const int voucherType = m_voucherTypeBox->currentIndex();
    if (voucherType < 0 || voucherType == m_transTypesOf)
        return;
    m_transTypesOf = voucherType;
    m_transTypeBox->clear();
    for (const TransTypeEntry &entry : transTypeEntries(m_voucherTypeBox->currentIndex()))
        addEntry(m_transTypeBox, entry.text, entry.itemData);
    m_transTypeBox->setCurrentIndex(-1);
}

void PostingWindow::onGoClicked()
{
    if (!ValidatePost())
        return;
    // The status told of the posting from the list that Go now replaces.
    m_statusLabel->clear();
    setGridHeadings();
    const Status loaded =
        LoadOffLineVouchers(typeCode(chosenEntry(m_voucherTypeBox)), typeCode(chosenEntry(m_transTypeBox)));
    if (!loaded) {
        report(loaded.error(), QStringLiteral("cmdGo_Click"));
        return;
    }
    m_voucherGrid->setCurrentIndex(m_gridModel->index(0, 0));
    m_voucherGrid->setFocus();
}

void PostingWindow::onSelectAllClicked()
{
    m_gridModel->edit([](VoucherGrid &grid) { grid.selectAll(); });
    GetTotal();
}

void PostingWindow::onClearClicked()
{
    m_gridModel->edit([](VoucherGrid &grid) { grid.clearMarks(); });
    m_postedTotalLabel->clear();
    placeTotals();
}

void PostingWindow::onTransferClicked()
{
    post(grid().markedVouchers());
}

RunRecord PostingWindow::post(const MarkedVouchers &marked)
{
    // A long posting keeps the window painted and takes no input meanwhile.
    BusyWindow busy(this);
    busy.keepPainted();
    m_voucherGrid->setUpdatesEnabled(false);
    PostingFeedback feedback;
    feedback.posted = [&busy](const MarkedVoucher &, int) { busy.keepPainted(); };
    feedback.finished = [this](const PostingSummary &summary) {
        m_voucherGrid->setUpdatesEnabled(true);
        m_statusLabel->setText(tr("Vouchers posted: %1    Failed: %2    Not tried: %3")
                                   .arg(summary.posted)
                                   .arg(summary.failed())
                                   .arg(summary.notTried));
    };
    // Posted vouchers leave the list: their lines are flagged as moved.
    feedback.listAgain = [this] {
        return LoadOffLineVouchers(typeCode(chosenEntry(m_voucherTypeBox)), typeCode(chosenEntry(m_transTypeBox)));
    };
    PostingJob job(m_session, m_postingAcType);
    job.run(marked, feedback);
    return job.record();
}

void PostingWindow::showCurrentDetail()
{
    const int row = currentGridRow();
    if (grid().text(row, VoucherGrid::Sno).isEmpty())
        return;
    const QRect cell = m_voucherGrid->visualRect(m_voucherGrid->currentIndex());
    const int cellTop = m_voucherGrid->viewport()->mapTo(m_voucherGrid, cell.topLeft()).y();
    // The number is read whole: the leading digits of a text would show another voucher.
    const Outcome<int> voucherNo =
        wholeNumber(grid().text(row, VoucherGrid::Vno), QStringLiteral("The off-line voucher number (VoucherNo)"));
    if (!voucherNo) {
        report(voucherNo.error(), QStringLiteral("msfAccTransfer_KeyDown"));
        return;
    }
    DisplaySubDet(*voucherNo, pixelsToTwips(cellTop, this));
}

int PostingWindow::currentGridRow() const
{
    const QModelIndex current = m_voucherGrid->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void PostingWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_divisionBox->setFocus();
}

void PostingWindow::report(const Error &error, const QString &procedure)
{
    m_session.ReportError(error, kPostingWindow, procedure, true);
}

} // namespace vant
