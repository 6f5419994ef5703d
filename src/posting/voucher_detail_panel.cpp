#include "voucher_detail_panel.h"

#include "session/widget_twips.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace vant {

namespace {

constexpr int kGridWidthTwips = 6765;
constexpr int kGridHeightTwips = 1305;

QFont detailFont(const char *family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace

VoucherDetailPanel::VoucherDetailPanel(QWidget *parent)
    : QFrame(parent), m_msfGridDet(new QTableWidget(this)), m_cmdOk(new QPushButton(QStringLiteral("&Ok"), this))
{
    setObjectName(QStringLiteral("picDet"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_msfGridDet->setObjectName(QStringLiteral("msfGridDet"));
    m_msfGridDet->setFont(detailFont("MS Sans Serif", 8.25));
    m_msfGridDet->horizontalHeader()->setFont(detailFont("Small Fonts", 7));
    m_msfGridDet->verticalHeader()->hide();
    m_msfGridDet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_msfGridDet->setColumnCount(int(detailHeadings().size()));
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));

    placeInTwips(this, kLeftTwips, 0, kWidthTwips, kHeightTwips);
    placeInTwips(m_msfGridDet, 45, 45, kGridWidthTwips, kGridHeightTwips);
    placeInTwips(m_cmdOk, kWidthTwips - 885 - 60, kHeightTwips - 285 - 30, 885, 285);

    connect(m_cmdOk, &QPushButton::clicked, this, &VoucherDetailPanel::cmdOk_Click);
    connect(m_msfGridDet, &QTableWidget::clicked, m_cmdOk, [this] { m_cmdOk->setFocus(); });
    setHeadings();
    hide();
}

void VoucherDetailPanel::setHeadings()
{
    m_msfGridDet->setUpdatesEnabled(false);
    m_msfGridDet->clearContents();
    m_msfGridDet->setRowCount(1);
    m_msfGridDet->setHorizontalHeaderLabels(detailHeadings());
    const QList<int> widths = detailColumnWidths(kGridWidthTwips);
    for (int column = 0; column < widths.size(); ++column) {
        m_msfGridDet->setColumnHidden(column, widths.at(column) == 0);
        if (widths.at(column) > 0)
            m_msfGridDet->setColumnWidth(column, twipsToPixels(widths.at(column), this));
    }
    m_msfGridDet->setUpdatesEnabled(true);
}

void VoucherDetailPanel::showLines(const QList<DetailLine> &lines)
{
    m_msfGridDet->setRowCount(std::max(1, int(lines.size())));
    for (int row = 0; row < lines.size(); ++row) {
        const DetailLine &line = lines.at(row);
        const QStringList cells = {line.sno, line.refNo, line.description, line.debit, line.credit};
        for (int column = 0; column < cells.size(); ++column)
            m_msfGridDet->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

void VoucherDetailPanel::cmdOk_Click()
{
    hide();
    emit closed();
}

} // namespace vant
