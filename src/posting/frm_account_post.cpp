#include "frm_account_post.h"

#include "posting_filters.h"
#include "posting_formats.h"
#include "posting_run.h"
#include "session/widget_twips.h"
#include "voucher_detail_panel.h"
#include "voucher_grid_model.h"
#include "session/recordset.h"
#include "session/date_picker.h"
#include "session/session.h"
#include "session/user_prompts.h"

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

constexpr int kGridFrameHeight = 5235;

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

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

frmAccountPost::frmAccountPost(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("frmAccountPost"));
    setWindowTitle(QStringLiteral("Accounts Posting"));
    setFixedSize(twipsToPixels(11640, this), twipsToPixels(7020, this));

    m_frTop = new QFrame(this);
    m_frTop->setObjectName(QStringLiteral("frTop"));
    m_frTop->setFrameShape(QFrame::Box);
    placeInTwips(m_frTop, 0, 0, 11640, 435);
    m_lblTitle = new QLabel(QStringLiteral("T R A N S F E R   O F  A C C O U N T S"), m_frTop);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Verdana"), 9);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblTitle->setAlignment(Qt::AlignCenter);
    m_lblTitle->setGeometry(m_frTop->rect());

    buildFilterBand();
    buildGridBand();
    buildButtonRow();

    setTabOrder(m_dtpFrom, m_cboDivision);
    setTabOrder(m_cboDivision, m_cboVoucherType);
    setTabOrder(m_cboVoucherType, m_cboTransType);
    setTabOrder(m_cboTransType, m_cmdGo);

    // The window sees the keys before its controls do.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);

    Form_Load();
}

frmAccountPost::~frmAccountPost()
{
    // The controls are destroyed after this; their last focus events must not reach the window.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->removeEventFilter(this);
}

void frmAccountPost::buildFilterBand()
{
    m_filterFrame = new QFrame(this);
    m_filterFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_filterFrame, 0, 450, 11640, 900);

    m_lblDate = new QLabel(m_filterFrame);
    m_lblDate->setObjectName(QStringLiteral("lblDate"));
    placeInTwips(m_lblDate, 30, 60, 1395, 240);
    m_lbhCompanyName = new QLabel(m_filterFrame);
    m_lbhCompanyName->setObjectName(QStringLiteral("lbhCompanyName"));
    QFont companyFont(QStringLiteral("Verdana"));
    companyFont.setPointSizeF(11.25);
    companyFont.setBold(true);
    m_lbhCompanyName->setFont(companyFont);
    m_lbhCompanyName->setAlignment(Qt::AlignCenter);
    // Centred where the narrow heading stood, but wide enough for a whole company name.
    placeInTwips(m_lbhCompanyName, 1500, 0, 7800, 270);
    m_lblAccYear = new QLabel(m_filterFrame);
    m_lblAccYear->setObjectName(QStringLiteral("lblAccYear"));
    placeInTwips(m_lblAccYear, 9390, 60, 2205, 210);
    for (const int top : {330, 375}) {
        auto *line = new QFrame(m_filterFrame);
        line->setFrameShape(QFrame::HLine);
        line->setStyleSheet(QStringLiteral("color: grey"));
        placeInTwips(line, 30, top, 11580, 15);
    }

    const auto caption = [this](const QString &text, int left, int width) {
        auto *label = new QLabel(text, m_filterFrame);
        placeInTwips(label, left, 480, width, 195);
    };
    caption(QStringLiteral("Date"), 120, 615);
    m_dtpFrom = new DatePicker(m_filterFrame);
    m_dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    m_dtpFrom->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dtpFrom->setCalendarPopup(true);
    placeInTwips(m_dtpFrom, 630, 450, 1425, 315);
    caption(QStringLiteral("Division"), 2190, 690);
    m_cboDivision = new QComboBox(m_filterFrame);
    m_cboDivision->setObjectName(QStringLiteral("cboDivision"));
    placeInTwips(m_cboDivision, 2940, 450, 2085, 315);
    caption(QStringLiteral("Voucher Type"), 5070, 1200);
    m_cboVoucherType = new QComboBox(m_filterFrame);
    m_cboVoucherType->setObjectName(QStringLiteral("cboVoucherType"));
    placeInTwips(m_cboVoucherType, 6330, 450, 1965, 315);
    caption(QStringLiteral("Type"), 8310, 435);
    m_cboTransType = new QComboBox(m_filterFrame);
    m_cboTransType->setObjectName(QStringLiteral("cboTransType"));
    placeInTwips(m_cboTransType, 8790, 450, 1875, 315);
    m_cmdGo = new QPushButton(QStringLiteral("&Go"), m_filterFrame);
    m_cmdGo->setObjectName(QStringLiteral("cmdGo"));
    placeInTwips(m_cmdGo, 10710, 450, 675, 285);
    connect(m_cmdGo, &QPushButton::clicked, this, &frmAccountPost::cmdGo_Click);
}

void frmAccountPost::buildGridBand()
{
    m_gridFrame = new QFrame(this);
    m_gridFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_gridFrame, 0, 1350, 11640, kGridFrameHeight);

    m_gridModel = new VoucherGridModel(this);
    m_msfAccTransfer = new QTableView(m_gridFrame);
    m_msfAccTransfer->setObjectName(QStringLiteral("msfAccTransfer"));
    m_msfAccTransfer->setModel(m_gridModel);
    m_msfAccTransfer->verticalHeader()->hide();
    m_msfAccTransfer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_msfAccTransfer->setSelectionMode(QAbstractItemView::SingleSelection);
    m_msfAccTransfer->setSelectionBehavior(QAbstractItemView::SelectRows);
    placeInTwips(m_msfAccTransfer, 30, 120, 11565, 4755);
    connect(m_msfAccTransfer, &QTableView::clicked, this, [this] { m_rememberedRow = currentGridRow(); });
    connect(m_msfAccTransfer, &QTableView::doubleClicked, this, &frmAccountPost::showCurrentDetail);

    QFont totalFont(QStringLiteral("Times New Roman"));
    totalFont.setPointSizeF(11.25);
    totalFont.setBold(true);
    const QString firstCaption = QStringLiteral("Trial Balance - Debit Total Amount");
    m_lblTotal1 = new QLabel(firstCaption, m_gridFrame);
    m_lblTotal1->setObjectName(QStringLiteral("lblTotal1"));
    // The debit total ends where it always did; it reaches left so that its caption fits.
    placeInTwips(m_lblTotal1, 30, 4860, 8235, 315);
    m_lblTotal2 = new QLabel(firstCaption, m_gridFrame);
    m_lblTotal2->setObjectName(QStringLiteral("lblTotal2"));
    placeInTwips(m_lblTotal2, 8250, 4860, 1995, 315);
    for (QLabel *total : {m_lblTotal1, m_lblTotal2}) {
        total->setFont(totalFont);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    m_picDet = new VoucherDetailPanel(m_gridFrame);
    connect(m_picDet, &VoucherDetailPanel::closed, m_msfAccTransfer, [this] { m_msfAccTransfer->setFocus(); });

    m_mnuMain = new QMenu(QStringLiteral("popup"), this);
    m_mnuMain->setObjectName(QStringLiteral("mnuMain"));
    QAction *mnuAc1 = m_mnuMain->addAction(QStringLiteral("1"));
    mnuAc1->setObjectName(QStringLiteral("mnuAc1"));
    m_mnuMain->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    QAction *mnuAc2 = m_mnuMain->addAction(QStringLiteral("2"));
    mnuAc2->setObjectName(QStringLiteral("mnuAc2"));
    connect(mnuAc1, &QAction::triggered, this, [this] { RowColor(1, m_rememberedRow); });
    connect(mnuAc2, &QAction::triggered, this, [this] { RowColor(2, m_rememberedRow); });
}

void frmAccountPost::buildButtonRow()
{
    QFont buttonFont(QStringLiteral("Verdana"));
    buttonFont.setPointSizeF(8.25);
    struct ButtonSpec
    {
        const char *name;
        const char *caption;
        int left;
    };
    const ButtonSpec specs[] = {{"cmdDate", "&Date", 0},           {"cmdVoucher", "&Voucher", 1440},
                                {"cmdTrans", "&Transaction", 2880}, {"cmdSelectall", "&Select All", 4320},
                                {"cmdDeselectAll", "DeSelect All", 5760}, {"cmdTransfer", "Transfer", 7200},
                                {"cmdClear", "&Clear", 8670},       {"cmdExit", "E&xit", 10140}};
    QHash<QString, QPushButton *> buttons;
    for (const ButtonSpec &spec : specs) {
        auto *button = new QPushButton(QString::fromLatin1(spec.caption), this);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setFont(buttonFont);
        placeInTwips(button, spec.left, 6600, 1455, 375);
        buttons.insert(button->objectName(), button);
    }
    m_cmdTransfer = buttons.value(QStringLiteral("cmdTransfer"));
    // No button is the window's default: Enter clicks only the focused button (see
    // enterKey), and never "Transfer".
    const QList<QPushButton *> all = findChildren<QPushButton *>();
    for (QPushButton *button : all)
        button->setAutoDefault(false);

    connect(buttons.value(QStringLiteral("cmdDate")), &QPushButton::clicked, m_dtpFrom,
            [this] { m_dtpFrom->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdVoucher")), &QPushButton::clicked, m_cboVoucherType,
            [this] { m_cboVoucherType->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdTrans")), &QPushButton::clicked, m_cboTransType,
            [this] { m_cboTransType->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdSelectall")), &QPushButton::clicked, this,
            &frmAccountPost::cmdSelAll_Click);
    connect(buttons.value(QStringLiteral("cmdDeselectAll")), &QPushButton::clicked, this,
            &frmAccountPost::cmdClear_Click);
    connect(buttons.value(QStringLiteral("cmdClear")), &QPushButton::clicked, this, &frmAccountPost::cmdClear_Click);
    connect(buttons.value(QStringLiteral("cmdTransfer")), &QPushButton::clicked, this,
            &frmAccountPost::cmdTransfer_Click);
    connect(buttons.value(QStringLiteral("cmdExit")), &QPushButton::clicked, this, &QDialog::accept);
}

void frmAccountPost::Form_Load()
{
    const QDate today = QDate::currentDate();
    m_dtpFrom->setDate(today);
    m_lbhCompanyName->setText(m_session.CompanyName);
    m_lblDate->setText(today.toString(m_session.DateFormat));
    m_lblAccYear->setText(m_session.FinancialYear);
    // Without divisions Go cannot list anything, but the window still opens complete.
    if (Status loaded = LoadDivision(); !loaded)
        report(loaded.error(), QStringLiteral("Form_Load"));
    m_cboVoucherType->clear();
    m_cboVoucherType->addItems(voucherTypeEntries());
    m_cboVoucherType->setCurrentIndex(-1);
    setGridHeadings();
    m_picDet->setHeadings();
}

Status frmAccountPost::LoadDivision()
{
    auto divisions = loadDivisions(m_session);
    if (!divisions)
        return divisions.error();
    m_cboDivision->clear();
    for (const Division &division : *divisions)
        m_cboDivision->addItem(division.name, division.code);
    if (m_cboDivision->count() == 0)
        return Error{380, QStringLiteral("Invalid property value")};
    m_cboDivision->setCurrentIndex(0);
    return {};
}

int frmAccountPost::SetAcType(int shift, int keyCode)
{
    return vant::SetAcType(m_session, shift, keyCode);
}

bool frmAccountPost::ValidatePost()
{
    if (m_cboVoucherType->currentText().isEmpty()) {
        m_session.prompts.message(QStringLiteral("Voucher Type is empty..."), kProgramTitle, PromptIcon::Information);
        m_cboVoucherType->setFocus();
        return false;
    }
    if (m_cboTransType->currentText().isEmpty()) {
        m_session.prompts.message(QStringLiteral("Transaction Type is empty..."), kProgramTitle,
                                  PromptIcon::Information);
        m_cboTransType->setFocus();
        return false;
    }
    return true;
}

void frmAccountPost::setGridHeadings()
{
    m_gridModel->reload([](VoucherGrid &grid) { grid.setHeadings(); });
    const QList<int> widths = VoucherGrid::columnWidths(11565);
    for (int column = 0; column < widths.size(); ++column) {
        m_msfAccTransfer->setColumnHidden(column, widths.at(column) == 0);
        if (widths.at(column) > 0)
            m_msfAccTransfer->setColumnWidth(column, twipsToPixels(widths.at(column), this));
    }
}

Status frmAccountPost::LoadOffLineVouchers(const QString &voucherTypeCode, const QString &transTypeCode)
{
    if (m_cboDivision->currentIndex() < 0)
        return Error{381, QStringLiteral("Invalid property array index")};
    const VoucherFilter filter{m_cboDivision->currentData().toInt(), m_dtpFrom->date(), voucherTypeCode,
                               transTypeCode};
    Status loaded;
    m_gridModel->reload([&](VoucherGrid &grid) { loaded = vant::LoadOffLineVouchers(m_session, filter, grid); });
    if (!loaded)
        return loaded;
    // Also after an empty result, so that no totals of an earlier list stay on screen.
    GetTotal();
    return {};
}

void frmAccountPost::GetTotal()
{
    const GridTotals totals = grid().GetTotal();
    m_lblTotal1->setText(formatAmount(totals.billAmount));
    m_lblTotal2->setText(formatAmount(totals.postedAmount));
}

double frmAccountPost::TransferAmountTotal() const
{
    return grid().TransferAmountTotal();
}

void frmAccountPost::RowColor(int acType, int row)
{
    m_gridModel->edit([acType, row](VoucherGrid &grid) { grid.RowColor(acType, row); });
}

void frmAccountPost::DisplaySubDet(qint64 lngVNo, int grdTop)
{
    m_picDet->setHeadings();
    auto lines = loadVoucherDetail(m_session, lngVNo);
    if (!lines) {
        report(lines.error(), QStringLiteral("DisplaySubDet"));
        return;
    }
    if (lines->isEmpty()) {
        m_msfAccTransfer->setFocus();
        return;
    }
    const int top = detailPanelTop(grdTop, kGridFrameHeight, VoucherDetailPanel::kHeightTwips);
    m_picDet->move(twipsToPixels(VoucherDetailPanel::kLeftTwips, this), twipsToPixels(top, this));
    m_picDet->showLines(*lines);
    m_picDet->show();
    m_picDet->raise();
    m_picDet->okButton()->setFocus();
}

const VoucherGrid &frmAccountPost::grid() const
{
    return m_gridModel->grid();
}

bool frmAccountPost::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        SetAcType(shiftState(key->modifiers()), keyCode(key->key()));
        if (watched == m_msfAccTransfer)
            return gridKey(key);
        return enterKey(watched, key);
    }
    if (event->type() == QEvent::FocusOut && watched == m_cboVoucherType) {
        // Opening the list or leaving the application is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            cboVoucherType_LostFocus();
    }
    if (watched == m_msfAccTransfer->viewport())
        return gridMouse(event);
    return QDialog::eventFilter(watched, event);
}

bool frmAccountPost::enterKey(QObject *watched, QKeyEvent *event)
{
    if (!isEnter(event))
        return false;
    if (watched == m_cboDivision || watched == m_dtpFrom) {
        focusNextChild();
        return true;
    }
    if (watched == m_cboVoucherType || watched == m_cboTransType) {
        if (static_cast<QComboBox *>(watched)->currentIndex() >= 0)
            focusNextChild();
        return true;
    }
    // Posting takes a click, Space on the button, or its access key: never Enter.
    auto *button = qobject_cast<QPushButton *>(watched);
    if (button && button != m_cmdTransfer) {
        button->click();
        return true;
    }
    return false;
}

bool frmAccountPost::gridKey(QKeyEvent *event)
{
    const int row = currentGridRow();
    if (event->key() == Qt::Key_Space) {
        m_gridModel->edit([row](VoucherGrid &grid) { grid.toggleMark(row); });
        m_lblTotal2->setText(formatAmount(TransferAmountTotal()));
        m_msfAccTransfer->setFocus();
        return true;
    }
    if (isEnter(event)) {
        if (row >= 1 && row < grid().rows() - 1)
            m_msfAccTransfer->setCurrentIndex(m_gridModel->index(row, m_msfAccTransfer->currentIndex().column()));
        return true;
    }
    if (event->key() == Qt::Key_D && shiftState(event->modifiers()) == 2) {
        showCurrentDetail();
        return true;
    }
    return false;
}

bool frmAccountPost::gridMouse(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton || shiftState(mouse->modifiers()) != 2)
        return false;
    m_mnuMain->popup(mouse->globalPosition().toPoint());
    return true;
}

void frmAccountPost::cboVoucherType_LostFocus()
{
    if (m_cboVoucherType->currentIndex() < 0)
        return;
    m_cboTransType->clear();
    for (const TransTypeEntry &entry : transTypeEntries(m_cboVoucherType->currentIndex()))
        m_cboTransType->addItem(entry.text, entry.itemData);
    m_cboTransType->setCurrentIndex(-1);
}

void frmAccountPost::cmdGo_Click()
{
    if (!ValidatePost())
        return;
    setGridHeadings();
    const Status loaded = LoadOffLineVouchers(typeCode(m_cboVoucherType->currentText()),
                                              typeCode(m_cboTransType->currentText()));
    if (!loaded) {
        report(loaded.error(), QStringLiteral("cmdGo_Click"));
        return;
    }
    m_msfAccTransfer->setCurrentIndex(m_gridModel->index(0, 0));
    m_msfAccTransfer->setFocus();
}

void frmAccountPost::cmdSelAll_Click()
{
    m_gridModel->edit([](VoucherGrid &grid) { grid.selectAll(); });
    GetTotal();
}

void frmAccountPost::cmdClear_Click()
{
    m_gridModel->edit([](VoucherGrid &grid) { grid.clearMarks(); });
    m_lblTotal2->clear();
}

void frmAccountPost::cmdTransfer_Click()
{
    m_msfAccTransfer->setUpdatesEnabled(false);
    SaveTrans(m_session, grid().postingRows());
    m_msfAccTransfer->setUpdatesEnabled(true);
    // Posted vouchers leave the list: their lines are flagged as moved.
    const Status refreshed = LoadOffLineVouchers(typeCode(m_cboVoucherType->currentText()),
                                                 typeCode(m_cboTransType->currentText()));
    if (!refreshed)
        report(refreshed.error(), QStringLiteral("cmdTransfer_Click"));
}

void frmAccountPost::showCurrentDetail()
{
    const int row = currentGridRow();
    if (grid().text(row, VoucherGrid::Sno).isEmpty())
        return;
    const QRect cell = m_msfAccTransfer->visualRect(m_msfAccTransfer->currentIndex());
    const int cellTop = m_msfAccTransfer->viewport()->mapTo(m_msfAccTransfer, cell.topLeft()).y();
    DisplaySubDet(qint64(leadingNumber(grid().text(row, VoucherGrid::Vno))), pixelsToTwips(cellTop, this));
}

int frmAccountPost::currentGridRow() const
{
    const QModelIndex current = m_msfAccTransfer->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void frmAccountPost::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_cboDivision->setFocus();
}

void frmAccountPost::done(int result)
{
    // Leaving the window releases the component the last posting created.
    m_session.AccountsObject.reset();
    QDialog::done(result);
}

void frmAccountPost::report(const Error &error, const QString &procedure)
{
    m_session.ReportError(error, kPostingWindow, procedure, true);
}

} // namespace vant
