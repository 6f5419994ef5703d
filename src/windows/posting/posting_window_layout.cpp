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

    m_topFrame = new QFrame(this);
    m_topFrame->setObjectName(QStringLiteral("frTop"));
    m_topFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_topFrame, 0, 0, kWindowWidth, 435);
    m_titleLabel = new QLabel(tr("T R A N S F E R   O F  A C C O U N T S"), m_topFrame);
    m_titleLabel->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Verdana"), 9);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setGeometry(m_topFrame->rect());

    buildFilterBand();
    buildGridBand();
    buildButtonRow();

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("lblStatus"));
    m_statusLabel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    placeInTwips(m_statusLabel, 0, kStatusTop, kWindowWidth, 300);
}

void PostingWindow::buildFilterBand()
{
    m_filterFrame = new QFrame(this);
    m_filterFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_filterFrame, 0, 450, kWindowWidth, 900);

    m_dateLabel = new QLabel(m_filterFrame);
    m_dateLabel->setObjectName(QStringLiteral("lblDate"));
    placeInTwips(m_dateLabel, 30, 60, 1395, 240);
    m_companyNameLabel = new QLabel(m_filterFrame);
    m_companyNameLabel->setObjectName(QStringLiteral("lbhCompanyName"));
    QFont companyFont(QStringLiteral("Verdana"));
    companyFont.setPointSizeF(11.25);
    companyFont.setBold(true);
    m_companyNameLabel->setFont(companyFont);
    m_companyNameLabel->setAlignment(Qt::AlignCenter);
    // Centred, and wide enough for a whole company name.
    placeInTwips(m_companyNameLabel, (kWindowWidth - 7800) / 2, 0, 7800, 270);
    m_financialYearLabel = new QLabel(m_filterFrame);
    m_financialYearLabel->setObjectName(QStringLiteral("lblAccYear"));
    placeInTwips(m_financialYearLabel, kWindowWidth - 2250, 60, 2205, 210);
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
    m_fromDateEdit = new DatePicker(m_filterFrame);
    caption(tr("Date"), 90, 480, m_fromDateEdit);
    m_fromDateEdit->setObjectName(QStringLiteral("dtpFrom"));
    m_fromDateEdit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_fromDateEdit->setCalendarPopup(true);
    placeInTwips(m_fromDateEdit, 600, 450, 1560, 315);
    m_divisionBox = new QComboBox(m_filterFrame);
    caption(tr("Division"), 2220, 750, m_divisionBox);
    m_divisionBox->setObjectName(QStringLiteral("cboDivision"));
    placeInTwips(m_divisionBox, 3000, 450, 1935, 315);
    m_voucherTypeBox = new QComboBox(m_filterFrame);
    caption(tr("Voucher Type"), 4980, 1230, m_voucherTypeBox);
    m_voucherTypeBox->setObjectName(QStringLiteral("cboVoucherType"));
    placeInTwips(m_voucherTypeBox, 6240, 450, 2310, 315);
    m_transTypeBox = new QComboBox(m_filterFrame);
    caption(tr("Type"), 8595, 450, m_transTypeBox);
    m_transTypeBox->setObjectName(QStringLiteral("cboTransType"));
    placeInTwips(m_transTypeBox, 9075, 450, 2520, 315);
    m_goButton = new QPushButton(tr("&Go"), m_filterFrame);
    m_goButton->setObjectName(QStringLiteral("cmdGo"));
    placeInTwips(m_goButton, 11640, 450, 570, 285);
    connect(m_goButton, &QPushButton::clicked, this, &PostingWindow::onGoClicked);
}

void PostingWindow::buildGridBand()
{
    m_gridFrame = new QFrame(this);
    m_gridFrame->setFrameShape(QFrame::Box);
    placeInTwips(m_gridFrame, 0, 1350, kWindowWidth, kGridFrameHeight);

    m_gridModel = new VoucherGridModel(this);
    m_voucherGrid = new QTableView(m_gridFrame);
    m_voucherGrid->setObjectName(QStringLiteral("msfAccTransfer"));
    m_voucherGrid->setAccessibleName(tr("Off-line vouchers"));
    m_voucherGrid->setModel(m_gridModel);
    m_voucherGrid->verticalHeader()->hide();
    m_voucherGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_voucherGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_voucherGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the grid: the current row moves only by the grid's own keys.
    m_voucherGrid->setTabKeyNavigation(false);
    placeInTwips(m_voucherGrid, 30, 120, kGridWidth, 4755);
    connect(m_voucherGrid, &QTableView::clicked, this, [this] { m_rememberedRow = currentGridRow(); });
    connect(m_voucherGrid, &QTableView::doubleClicked, this, &PostingWindow::showCurrentDetail);

    QFont totalFont(QStringLiteral("Times New Roman"));
    totalFont.setPointSizeF(11.25);
    totalFont.setBold(true);
    const QString firstCaption = tr("Trial Balance - Debit Total Amount");
    m_billTotalLabel = new QLabel(firstCaption, m_gridFrame);
    m_billTotalLabel->setObjectName(QStringLiteral("lblTotal1"));
    m_postedTotalLabel = new QLabel(firstCaption, m_gridFrame);
    m_postedTotalLabel->setObjectName(QStringLiteral("lblTotal2"));
    for (QLabel *total : {m_billTotalLabel, m_postedTotalLabel}) {
        total->setFont(totalFont);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    m_detailPanel = new VoucherDetailPanel(m_gridFrame);
    connect(m_detailPanel, &VoucherDetailPanel::closed, m_voucherGrid, [this] { m_voucherGrid->setFocus(); });

    m_rowColourMenu = new QMenu(tr("popup"), this);
    m_rowColourMenu->setObjectName(QStringLiteral("mnuMain"));
    QAction *firstColour = m_rowColourMenu->addAction(QStringLiteral("1"));
    firstColour->setObjectName(QStringLiteral("mnuAc1"));
    m_rowColourMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    QAction *secondColour = m_rowColourMenu->addAction(QStringLiteral("2"));
    secondColour->setObjectName(QStringLiteral("mnuAc2"));
    connect(firstColour, &QAction::triggered, this, [this] { RowColor(1, m_rememberedRow); });
    connect(secondColour, &QAction::triggered, this, [this] { RowColor(2, m_rememberedRow); });
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
    m_transferButton = buttons.value(QStringLiteral("cmdTransfer"));
    // No button is the window's default: Enter clicks only the focused button (see
    // enterKey), and never "Transfer".
    const QList<QPushButton *> all = findChildren<QPushButton *>();
    for (QPushButton *button : all)
        button->setAutoDefault(false);
    showButtonFocus(this);

    connect(buttons.value(QStringLiteral("cmdDate")), &QPushButton::clicked, m_fromDateEdit,
            [this] { m_fromDateEdit->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdVoucher")), &QPushButton::clicked, m_voucherTypeBox,
            [this] { m_voucherTypeBox->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdTrans")), &QPushButton::clicked, m_transTypeBox,
            [this] { m_transTypeBox->setFocus(); });
    connect(buttons.value(QStringLiteral("cmdSelectall")), &QPushButton::clicked, this,
            &PostingWindow::onSelectAllClicked);
    connect(buttons.value(QStringLiteral("cmdDeselectAll")), &QPushButton::clicked, this,
            &PostingWindow::onClearClicked);
    connect(buttons.value(QStringLiteral("cmdClear")), &QPushButton::clicked, this, &PostingWindow::onClearClicked);
    connect(buttons.value(QStringLiteral("cmdPreview")), &QPushButton::clicked, this, &PostingWindow::onPreviewClicked);
    connect(buttons.value(QStringLiteral("cmdTransfer")), &QPushButton::clicked, this,
            &PostingWindow::onTransferClicked);
    connect(buttons.value(QStringLiteral("cmdExit")), &QPushButton::clicked, this, &QDialog::accept);
}

void PostingWindow::setGridHeadings()
{
    m_gridModel->reload([](VoucherGrid &grid) { grid.setHeadings(); });
    const QList<int> widths = VoucherGrid::columnWidths(kGridWidth);
    for (int column = 0; column < widths.size(); ++column) {
        m_voucherGrid->setColumnHidden(column, widths.at(column) == 0);
        if (widths.at(column) > 0)
            m_voucherGrid->setColumnWidth(column, twipsToPixels(widths.at(column), this));
    }
}

void PostingWindow::placeTotals()
{
    // Each total ends under its column; the posted total reaches left where its text needs it,
    // as the caption before the first Go does, and the debit total gives way.
    const auto columnEnd = [this](int column) {
        return m_voucherGrid->x() + m_voucherGrid->frameWidth() + m_voucherGrid->columnViewportPosition(column)
               + m_voucherGrid->columnWidth(column);
    };
    const int top = twipsToPixels(kTotalsTop, this);
    const int height = twipsToPixels(kTotalsHeight, this);
    const int postedEnd = columnEnd(VoucherGrid::PostedAmt);
    const int postedWidth =
        std::max(m_voucherGrid->columnWidth(VoucherGrid::PostedAmt), m_postedTotalLabel->sizeHint().width());
    m_postedTotalLabel->setGeometry(postedEnd - postedWidth, top, postedWidth, height);
    const int left = m_voucherGrid->x();
    m_billTotalLabel->setGeometry(left, top, std::min(columnEnd(VoucherGrid::BillAmt), m_postedTotalLabel->x()) - left,
                                  height);
}

} // namespace vant
