// The posting window's controls and where they stand.
#include "posting_window.h"

#include "voucher_detail_panel.h"
#include "voucher_grid_model.h"
#include "widgets/control_names.h"
#include "widgets/date_picker.h"
#include "widgets/focus_shown.h"
#include "widgets/widget_twips.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <iterator>

namespace vant {

namespace {

// The filter row of an 11640-twip window cannot hold the lists' own entries ("PR-Purchase Return",
// "CC - Credit Card Sales"), "Division" or a date: the window is wider, and the grid and the buttons
// widen with it. A status line below the buttons makes it taller.
constexpr int kWindowWidth = 12240;
constexpr int kWindowHeight = 7305;
constexpr int kGridFrameHeight = 5235;
constexpr int kGridWidth = kWindowWidth - 75;
constexpr int kTotalsTop = 4860;
constexpr int kTotalsHeight = 315;
constexpr int kStatusTop = 6990;

} // namespace

void PostingWindow::buildControls()
{
    setFixedSize(twipsToPixels(kWindowWidth, this), twipsToPixels(kWindowHeight, this));

    m_frTop = new QFrame(this);
    m_frTop->setObjectName(QStringLiteral("frTop"));
    m_frTop->setFrameShape(QFrame::Box);
    placeInTwips(m_frTop, 0, 0, kWindowWidth, 435);
    m_lblTitle = new QLabel(tr("T R A N S F E R   O F  A C C O U N T S"), m_frTop);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Verdana"), 9);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblTitle->setAlignment(Qt::AlignCenter);
    m_lblTitle->setGeometry(m_frTop->rect());

    buildFilterBand();
    buildGridBand();
    buildButtonRow();

    m_lblStatus = new QLabel(this);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    placeInTwips(m_lblStatus, 0, kStatusTop, kWindowWidth, 300);
}

void PostingWindow::buildFilterBand()
{
    m_filterFrame = new QFrame(this);
    m_filterFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_filterFrame, 0, 450, kWindowWidth, 900);

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
    // Centred, and wide enough for a whole company name.
    placeInTwips(m_lbhCompanyName, (kWindowWidth - 7800) / 2, 0, 7800, 270);
    m_lblAccYear = new QLabel(m_filterFrame);
    m_lblAccYear->setObjectName(QStringLiteral("lblAccYear"));
    placeInTwips(m_lblAccYear, kWindowWidth - 2250, 60, 2205, 210);
    for (const int top : {330, 375}) {
        auto *line = new QFrame(m_filterFrame);
        line->setFrameShape(QFrame::HLine);
        line->setStyleSheet(QStringLiteral("color: grey"));
        placeInTwips(line, 30, top, kWindowWidth - 60, 15);
    }

    const auto caption = [this](const QString &text, int left, int width, QWidget *control) {
        auto *label = new QLabel(text, m_filterFrame);
        placeInTwips(label, left, 480, width, 195);
        nameByLabel(label, control);
    };
    // Left to right with small gaps, each list as wide as its longest entry needs.
    m_dtpFrom = new DatePicker(m_filterFrame);
    caption(tr("Date"), 90, 480, m_dtpFrom);
    m_dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    m_dtpFrom->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_dtpFrom->setCalendarPopup(true);
    placeInTwips(m_dtpFrom, 600, 450, 1560, 315);
    m_cboDivision = new QComboBox(m_filterFrame);
    caption(tr("Division"), 2220, 750, m_cboDivision);
    m_cboDivision->setObjectName(QStringLiteral("cboDivision"));
    placeInTwips(m_cboDivision, 3000, 450, 1935, 315);
    m_cboVoucherType = new QComboBox(m_filterFrame);
    caption(tr("Voucher Type"), 4980, 1230, m_cboVoucherType);
    m_cboVoucherType->setObjectName(QStringLiteral("cboVoucherType"));
    placeInTwips(m_cboVoucherType, 6240, 450, 2310, 315);
    m_cboTransType = new QComboBox(m_filterFrame);
    caption(tr("Type"), 8595, 450, m_cboTransType);
    m_cboTransType->setObjectName(QStringLiteral("cboTransType"));
    placeInTwips(m_cboTransType, 9075, 450, 2520, 315);
    m_cmdGo = new QPushButton(tr("&Go"), m_filterFrame);
    m_cmdGo->setObjectName(QStringLiteral("cmdGo"));
    placeInTwips(m_cmdGo, 11640, 450, 570, 285);
    connect(m_cmdGo, &QPushButton::clicked, this, &PostingWindow::cmdGo_Click);
}

void PostingWindow::buildGridBand()
{
    m_gridFrame = new QFrame(this);
    m_gridFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_gridFrame, 0, 1350, kWindowWidth, kGridFrameHeight);

    m_gridModel = new VoucherGridModel(this);
    m_msfAccTransfer = new QTableView(m_gridFrame);
    m_msfAccTransfer->setObjectName(QStringLiteral("msfAccTransfer"));
    m_msfAccTransfer->setAccessibleName(tr("Off-line vouchers"));
    m_msfAccTransfer->setModel(m_gridModel);
    m_msfAccTransfer->verticalHeader()->hide();
    m_msfAccTransfer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_msfAccTransfer->setSelectionMode(QAbstractItemView::SingleSelection);
    m_msfAccTransfer->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the grid: the current row moves only by the grid's own keys.
    m_msfAccTransfer->setTabKeyNavigation(false);
    placeInTwips(m_msfAccTransfer, 30, 120, kGridWidth, 4755);
    connect(m_msfAccTransfer, &QTableView::clicked, this, [this] { m_rememberedRow = currentGridRow(); });
    connect(m_msfAccTransfer, &QTableView::doubleClicked, this, &PostingWindow::showCurrentDetail);

    QFont totalFont(QStringLiteral("Times New Roman"));
    totalFont.setPointSizeF(11.25);
    totalFont.setBold(true);
    const QString firstCaption = tr("Trial Balance - Debit Total Amount");
    m_lblTotal1 = new QLabel(firstCaption, m_gridFrame);
    m_lblTotal1->setObjectName(QStringLiteral("lblTotal1"));
    m_lblTotal2 = new QLabel(firstCaption, m_gridFrame);
    m_lblTotal2->setObjectName(QStringLiteral("lblTotal2"));
    for (QLabel *total : {m_lblTotal1, m_lblTotal2}) {
        total->setFont(totalFont);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    m_picDet = new VoucherDetailPanel(m_gridFrame);
    connect(m_picDet, &VoucherDetailPanel::closed, m_msfAccTransfer, [this] { m_msfAccTransfer->setFocus(); });

    m_mnuMain = new QMenu(tr("popup"), this);
    m_mnuMain->setObjectName(QStringLiteral("mnuMain"));
    QAction *mnuAc1 = m_mnuMain->addAction(QStringLiteral("1"));
    mnuAc1->setObjectName(QStringLiteral("mnuAc1"));
    m_mnuMain->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    QAction *mnuAc2 = m_mnuMain->addAction(QStringLiteral("2"));
    mnuAc2->setObjectName(QStringLiteral("mnuAc2"));
    connect(mnuAc1, &QAction::triggered, this, [this] { RowColor(1, m_rememberedRow); });
    connect(mnuAc2, &QAction::triggered, this, [this] { RowColor(2, m_rememberedRow); });
}

void PostingWindow::buildButtonRow()
{
    QFont buttonFont(QStringLiteral("Verdana"));
    buttonFont.setPointSizeF(8.25);
    struct ButtonSpec
    {
        const char *name;
        const char *caption;
    };
    const ButtonSpec specs[] = {{"cmdDate", QT_TR_NOOP("&Date")},
                                {"cmdVoucher", QT_TR_NOOP("&Voucher")},
                                {"cmdTrans", QT_TR_NOOP("&Transaction")},
                                {"cmdSelectall", QT_TR_NOOP("&Select All")},
                                {"cmdDeselectAll", QT_TR_NOOP("DeSelect All")},
                                {"cmdPreview", QT_TR_NOOP("P&review")},
                                {"cmdTransfer", QT_TR_NOOP("Transfer")},
                                {"cmdClear", QT_TR_NOOP("&Clear")},
                                {"cmdExit", QT_TR_NOOP("E&xit")}};
    // The buttons, of equal width, across the window.
    const int width = kWindowWidth / int(std::size(specs));
    QHash<QString, QPushButton *> buttons;
    for (const ButtonSpec &spec : specs) {
        auto *button = new QPushButton(tr(spec.caption), this);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setFont(buttonFont);
        placeInTwips(button, int(buttons.size()) * width, 6600, width, 375);
        buttons.insert(button->objectName(), button);
    }
    m_cmdTransfer = buttons.value(QStringLiteral("cmdTransfer"));
    // No button is the window's default: Enter clicks only the focused button (see
    // enterKey), and never "Transfer".
    const QList<QPushButton *> all = findChildren<QPushButton *>();
    for (QPushButton *button : all)
        button->setAutoDefault(false);
    showButtonFocus(this);

    connect(buttons.value(QStringLiteral("cmdDate")), &QPushButton::clicked, m_dtpFrom,
            [this] { m_dtpFrom->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdVoucher")), &QPushButton::clicked, m_cboVoucherType,
            [this] { m_cboVoucherType->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdTrans")), &QPushButton::clicked, m_cboTransType,
            [this] { m_cboTransType->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdSelectall")), &QPushButton::clicked, this,
            &PostingWindow::cmdSelAll_Click);
    connect(buttons.value(QStringLiteral("cmdDeselectAll")), &QPushButton::clicked, this,
            &PostingWindow::cmdClear_Click);
    connect(buttons.value(QStringLiteral("cmdClear")), &QPushButton::clicked, this, &PostingWindow::cmdClear_Click);
    connect(buttons.value(QStringLiteral("cmdPreview")), &QPushButton::clicked, this, &PostingWindow::cmdPreview_Click);
    connect(buttons.value(QStringLiteral("cmdTransfer")), &QPushButton::clicked, this,
            &PostingWindow::cmdTransfer_Click);
    connect(buttons.value(QStringLiteral("cmdExit")), &QPushButton::clicked, this, &QDialog::accept);
}

void PostingWindow::setGridHeadings()
{
    m_gridModel->reload([](VoucherGrid &grid) { grid.setHeadings(); });
    const QList<int> widths = VoucherGrid::columnWidths(kGridWidth);
    for (int column = 0; column < widths.size(); ++column) {
        m_msfAccTransfer->setColumnHidden(column, widths.at(column) == 0);
        if (widths.at(column) > 0)
            m_msfAccTransfer->setColumnWidth(column, twipsToPixels(widths.at(column), this));
    }
}

void PostingWindow::placeTotals()
{
    // Each total ends under its column; the posted total reaches left where its text needs it,
    // as the caption before the first Go does, and the debit total gives way.
    const auto columnEnd = [this](int column) {
        return m_msfAccTransfer->x() + m_msfAccTransfer->frameWidth() + m_msfAccTransfer->columnViewportPosition(column)
               + m_msfAccTransfer->columnWidth(column);
    };
    const int top = twipsToPixels(kTotalsTop, this);
    const int height = twipsToPixels(kTotalsHeight, this);
    const int postedEnd = columnEnd(VoucherGrid::PostedAmt);
    const int postedWidth =
        std::max(m_msfAccTransfer->columnWidth(VoucherGrid::PostedAmt), m_lblTotal2->sizeHint().width());
    m_lblTotal2->setGeometry(postedEnd - postedWidth, top, postedWidth, height);
    const int left = m_msfAccTransfer->x();
    m_lblTotal1->setGeometry(left, top, std::min(columnEnd(VoucherGrid::BillAmt), m_lblTotal2->x()) - left, height);
}

} // namespace vant
