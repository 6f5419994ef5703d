#include "voucher_grid.h"

#include "db/recordset.h"
#include "db/sql_literals.h"
#include "posting_formats.h"
#include "session/translations.h"

#include <cmath>

namespace vant {

namespace {

Outcome<MarkedVoucher> markedVoucher(const std::array<QString, VoucherGrid::ColumnCount> &cells, double postedAmount)
{
    const QString &voucherNo = cells[VoucherGrid::Vno];
    const auto offLineNo = wholeNumber(voucherNo, QStringLiteral("The off-line voucher number (VoucherNo)"));
    if (!offLineNo)
        return offLineNo.error();
    const QString owner = QStringLiteral("off-line voucher ") + voucherNo.trimmed();
    const auto voucherCode =
        wholeNumber(cells[VoucherGrid::VoucherCode], QStringLiteral("The voucher code (VoucherCode) of ") + owner);
    if (!voucherCode)
        return voucherCode.error();
    const auto acType = wholeNumber(cells[VoucherGrid::AcType], QStringLiteral("The account type (AcType) of ") + owner);
    if (!acType)
        return acType.error();
    return MarkedVoucher{*offLineNo, *voucherCode, *acType, postedAmount};
}

} // namespace

QStringList VoucherGrid::headings()
{
    return translateEach(
        "vant::VoucherGrid",
        {QT_TRANSLATE_NOOP("vant::VoucherGrid", "SNO"), QT_TRANSLATE_NOOP("vant::VoucherGrid", "DATE"),
         QT_TRANSLATE_NOOP("vant::VoucherGrid", "BILL NO"), QT_TRANSLATE_NOOP("vant::VoucherGrid", "BILL AMT"),
         QT_TRANSLATE_NOOP("vant::VoucherGrid", "POSTED AMT"), QT_TRANSLATE_NOOP("vant::VoucherGrid", "VNO"),
         QT_TRANSLATE_NOOP("vant::VoucherGrid", "AcType"), QT_TRANSLATE_NOOP("vant::VoucherGrid", "VoucherCode")});
}

QList<int> percentColumnWidths(int gridWidthTwips, const QList<int> &percents)
{
    const double usable = std::round(gridWidthTwips - 360.0);
    QList<int> widths;
    for (const int percent : percents)
        widths.append(int(std::round(usable / 100.0 * percent)));
    return widths;
}

QList<int> VoucherGrid::columnWidths(int gridWidthTwips)
{
    return percentColumnWidths(gridWidthTwips, {10, 15, 21, 27, 27, 0, 0, 0});
}

void VoucherGrid::setHeadings()
{
    m_rows = {Row{}};
}

void VoucherGrid::fill(Recordset &result)
{
    m_rows.clear();
    for (result.moveFirst(); !result.eof(); result.moveNext()) {
        Row row;
        row.cells[Sno] = QString::number(m_rows.size() + 1);
        row.cells[Date] = dateOf(result.value(QStringLiteral("VoucherDt"))).toString(QStringLiteral("dd/MM/yyyy"));
        row.cells[BillNo] = result.text(QStringLiteral("BillRefno"));
        row.cells[BillAmt] = formatAmount(std::fabs(result.value(QStringLiteral("Amount")).toDouble()));
        row.cells[Vno] = result.text(QStringLiteral("voucherno"));
        row.cells[AcType] = result.text(QStringLiteral("AcType"));
        row.cells[VoucherCode] = result.text(QStringLiteral("VoucherCode"));
        if (result.value(QStringLiteral("AcType")).toInt() == 2)
            row.colours[Sno] = CellColour::DarkRed;
        m_rows.append(row);
    }
    if (m_rows.isEmpty())
        m_rows = {Row{}};
}

QString VoucherGrid::text(int row, int column) const
{
    if (row == 0)
        return headings().at(column);
    return isDataRow(row) ? m_rows.at(row - 1).cells.at(column) : QString();
}

CellColour VoucherGrid::colour(int row, int column) const
{
    return isDataRow(row) ? m_rows.at(row - 1).colours.at(column) : CellColour::DarkBlue;
}

void VoucherGrid::toggleMark(int row)
{
    if (!isDataRow(row))
        return;
    std::array<QString, ColumnCount> &cells = m_rows[row - 1].cells;
    cells[PostedAmt] = cells[PostedAmt].isEmpty() ? cells[BillAmt] : QString();
}

void VoucherGrid::selectAll()
{
    for (Row &row : m_rows) {
        if (row.cells[PostedAmt].trimmed().isEmpty() && !row.cells[BillAmt].isEmpty())
            row.cells[PostedAmt] = formatAmount(leadingNumber(row.cells[BillAmt]));
    }
}

void VoucherGrid::clearMarks()
{
    for (Row &row : m_rows)
        row.cells[PostedAmt].clear();
}

void VoucherGrid::RowColor(int acType, int row)
{
    if (!isDataRow(row) || m_rows.at(row - 1).cells[PostedAmt].isEmpty())
        return;
    Row &target = m_rows[row - 1];
    CellColour colour = CellColour::DarkBlue;
    if (acType == 1) {
        target.cells[AcType] = QStringLiteral("1");
    } else if (acType == 2) {
        colour = CellColour::DarkRed;
        target.cells[AcType] = QStringLiteral("2");
    }
    target.colours.fill(colour);
}

double VoucherGrid::columnSum(int column) const
{
    double sum = 0;
    for (const Row &row : m_rows)
        sum += leadingNumber(row.cells.at(column));
    return sum;
}

GridTotals VoucherGrid::GetTotal() const
{
    return {columnSum(BillAmt), columnSum(PostedAmt)};
}

double VoucherGrid::TransferAmountTotal() const
{
    return columnSum(PostedAmt);
}

MarkedVouchers VoucherGrid::markedVouchers() const
{
    MarkedVouchers marked;
    for (const Row &row : m_rows) {
        const QString mark = row.cells[PostedAmt].trimmed();
        if (mark.isEmpty())
            continue;
        ++marked.rows;
        const double postedAmount = leadingNumber(mark);
        if (!(postedAmount > 0)) {
            marked.refused << FailedVoucher{row.cells[Vno].trimmed(),
                                            QStringLiteral("its amount %1 is not above 0").arg(mark)};
            continue;
        }
        if (marked.unreadable) {
            ++marked.afterUnreadable;
            continue;
        }
        if (const auto voucher = markedVoucher(row.cells, postedAmount))
            marked.vouchers.append(*voucher);
        else
            marked.unreadable = voucher.error();
    }
    return marked;
}

} // namespace vant
