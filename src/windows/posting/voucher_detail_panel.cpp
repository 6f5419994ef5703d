#include "voucher_detail_panel.h"

#include "widgets/widget_twips.h"

#include <QColor>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace vant {

namespace {

constexpr int kHeightTwips = 1665;
constexpr int kGridWidthTwips = 6765;
constexpr int kGridHeightTwips = 1305;
// Lines that show without scrolling: a three-line voucher is common.
constexpr int kShownLines = 3;
constexpr int kDescriptionColumn = 2;
constexpr int kDebitColumn = 3;
constexpr int kCreditColumn = 4;

// The dark red of the voucher grid's account type 2.
const QColor kUnknownLedgerColour(192, 0, 0);

QFont detailFont(const char *family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace

VoucherDetailPanel::VoucherDetailPanel(QWidget *parent)
    : QFrame(parent), m_detailGrid(new QTableWidget(this)), m_okButton(new QPushButton(tr("&Ok"), this))
{
    setObjectName(QStringLiteral("picDet"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_detailGrid->setObjectName(QStringLiteral("msfGridDet"));
    m_detailGrid->setAccessibleName(tr("Voucher detail"));
    m_detailGrid->setFont(detailFont("MS Sans Serif", 8.25));
    m_detailGrid->horizontalHeader()->setFont(detailFont("Small Fonts", 7));
    m_detailGrid->verticalHeader()->hide();
    // Rows as high as their text, as in a flex grid.
    const int rowHeight = m_detailGrid->fontMetrics().height() + 6;
    m_detailGrid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_detailGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_detailGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_detailGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for "&Ok" instead of moving the current cell.
    m_detailGrid->setTabKeyNavigation(false);
    m_detailGrid->setColumnCount(int(detailHeadings().size()));
    m_okButton->setObjectName(QStringLiteral("cmdOk"));

    placeInTwips(this, kLeftTwips, 0, kWidthTwips, kHeightTwips);
    placeInTwips(m_detailGrid, 45, 45, kGridWidthTwips, kGridHeightTwips);
    placeInTwips(m_okButton, kWidthTwips - 885 - 60, kHeightTwips - 285 - 30, 885, 285);
    // Taller where the heading and three lines need more than the grid's height.
    const int grow = m_detailGrid->horizontalHeader()->sizeHint().height() + kShownLines * rowHeight
                     + 2 * m_detailGrid->frameWidth() - m_detailGrid->height();
    if (grow > 0) {
        m_detailGrid->resize(m_detailGrid->width(), m_detailGrid->height() + grow);
        m_okButton->move(m_okButton->x(), m_okButton->y() + grow);
        resize(width(), height() + grow);
    }

    connect(m_okButton, &QPushButton::clicked, this, &VoucherDetailPanel::onOkClicked);
    connect(m_detailGrid, &QTableWidget::clicked, m_okButton, [this] { m_okButton->setFocus(); });
    setHeadings();
    hide();
}

int VoucherDetailPanel::topBeside(int rowTop, int rowBottom, int areaHeight, int panelHeight)
{
    if (rowBottom + panelHeight <= areaHeight)
        return rowBottom;
    if (rowTop - panelHeight >= 0)
        return rowTop - panelHeight;
    return std::max(0, std::min(rowBottom, areaHeight - panelHeight));
}

void VoucherDetailPanel::setHeadings()
{
    m_detailGrid->setUpdatesEnabled(false);
    m_detailGrid->clearContents();
    m_detailGrid->setRowCount(1);
    m_detailGrid->setHorizontalHeaderLabels(detailHeadings());
    const QList<int> widths = detailColumnWidths(kGridWidthTwips);
    for (int column = 0; column < widths.size(); ++column) {
        m_detailGrid->setColumnHidden(column, widths.at(column) == 0);
        if (widths.at(column) > 0)
            m_detailGrid->setColumnWidth(column, twipsToPixels(widths.at(column), this));
    }
    m_detailGrid->setUpdatesEnabled(true);
}

void VoucherDetailPanel::showLines(const QList<DetailLine> &lines)
{
    m_detailGrid->setRowCount(std::max(1, int(lines.size())));
    for (int row = 0; row < lines.size(); ++row) {
        const DetailLine &line = lines.at(row);
        const QStringList cells = {line.sno, line.refNo, line.description, line.debit, line.credit};
        for (int column = 0; column < cells.size(); ++column) {
            auto *cell = new QTableWidgetItem(cells.at(column));
            if (column == kDebitColumn || column == kCreditColumn)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The line that the posting refuses stands out.
            if (column == kDescriptionColumn && !line.knownLedger)
                cell->setForeground(kUnknownLedgerColour);
            m_detailGrid->setItem(row, column, cell);
        }
    }
    m_detailGrid->setCurrentCell(0, 0);
    m_detailGrid->scrollToTop();
}

void VoucherDetailPanel::onOkClicked()
{
    hide();
    emit closed();
}

} // namespace vant
