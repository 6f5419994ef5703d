#include "voucher_grid.h"

#include "db/recordset.h"
#include "db/sql_literals.h"
#include "posting_formats.h"
#include "session/translations.h"

#include <cmath>

namespace vant {

namespace {

Outcome<MarkedVoucher> markedVoucher(const QString &voucherNo, const QString &voucherCodeText,
                                     const QString &acTypeText, double postedAmount)
{
    const auto offLineNo = wholeNumber(voucherNo, QStringLiteral("The off-line voucher number (VoucherNo)"));
    if (!offLineNo)
        return offLineNo.error();
    const QString owner = QStringLiteral("off-line voucher ") + voucherNo.trimmed();
    const auto voucherCode = wholeNumber(voucherCodeText, QStringLiteral("The voucher code (VoucherCode) of ") + owner);
    if (!voucherCode)
        return voucherCode.error();
    const auto acType = wholeNumber(acTypeText, QStringLiteral("The account type (AcType) of ") + owner);
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
    m_rows.clear();
    m_rows.squeeze();
    m_codes.clear();
}

void VoucherGrid::append(Recordset &result)
{
    m_rows.reserve(m_rows.size() + result.recordCount());
    for (result.moveFirst(); !result.eof(); result.moveNext()) {
        Row row;
        row.date = dateOf(result.value(QStringLiteral("VoucherDt")));
        row.billNo = result.text(QStringLiteral("BillRefno"));
        row.billAmount = std::fabs(result.value(QStringLiteral("Amount")).toDouble());
        row.voucherNo = m_codes.code(result.text(QStringLiteral("voucherno")));
        row.acType = m_codes.code(result.text(QStringLiteral("AcType")));
        row.voucherCode = m_codes.code(result.text(QStringLiteral("VoucherCode")));
        if (result.value(QStringLiteral("AcType")).toInt() == 2)
            row.snoColour = CellColour::DarkRed;
        m_rows.append(row);
    }
}

const VoucherGrid::Row *VoucherGrid::dataRow(int row) const
{
    return row >= 1 && row <= m_rows.size() ? &m_rows.at(row - 1) : nullptr;
}

VoucherGrid::Row *VoucherGrid::dataRow(int row)
{
    return row >= 1 && row <= m_rows.size() ? &m_rows[row - 1] : nullptr;
}

QString VoucherGrid::postedText(const Row &row) const
{
    return row.marked ? formatAmount(row.postedAmount) : QString();
}

QString VoucherGrid::cellText(qsizetype index, int column) const
{
    const Row &row = m_rows.at(index);
    switch (column) {
    case Sno: return QString::number(index + 1);
    case Date: return row.date.toString(QStringLiteral("dd/MM/yyyy"));
    case BillNo: return row.billNo;
    case BillAmt: return formatAmount(row.billAmount);
    case PostedAmt: return postedText(row);
    case Vno: return m_codes.text(row.voucherNo);
    case AcType: return m_codes.text(row.acType);
    case VoucherCode: return m_codes.text(row.voucherCode);
    default: return {};
    }
}

QString VoucherGrid::text(int row, int column) const
{
    if (row == 0)
        return headings().at(column);
    return dataRow(row) ? cellText(row - 1, column) : QString();
}

CellColour VoucherGrid::colour(int row, int column) const
{
    const Row *data = dataRow(row);
    if (!data)
        return CellColour::DarkBlue;
    return column == Sno ? data->snoColour : data->otherColour;
}

void VoucherGrid::toggleMark(int row)
{
    // A mark shows the amount that BILL AMT shows.
    if (Row *data = dataRow(row)) {
        data->marked = !data->marked;
        data->postedAmount = data->billAmount;
    }
}

void VoucherGrid::selectAll()
{
    // The mark is the amount that BILL AMT shows, read back as a number.
    for (Row &row : m_rows) {
        if (!row.marked) {
            row.postedAmount = leadingNumber(formatAmount(row.billAmount));
            row.marked = true;
        }
    }
}

void VoucherGrid::clearMarks()
{
    for (Row &row : m_rows)
        row.marked = false;
}

void VoucherGrid::RowColor(int acType, int row)
{
    Row *target = dataRow(row);
    if (!target || !target->marked)
        return;
    CellColour colour = CellColour::DarkBlue;
    if (acType == 1) {
        target->acType = 1;
    } else if (acType == 2) {
        colour = CellColour::DarkRed;
        target->acType = 2;
    }
    target->snoColour = colour;
    target->otherColour = colour;
}

double VoucherGrid::columnSum(int column) const
{
    double sum = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        sum += leadingNumber(cellText(i, column));
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
        if (!row.marked)
            continue;
        const QString mark = postedText(row).trimmed();
        ++marked.rows;
        const double postedAmount = leadingNumber(mark);
        const QString voucherNo = m_codes.text(row.voucherNo);
        if (!(postedAmount > 0)) {
            marked.refused << FailedVoucher{voucherNo.trimmed(),
                                            QStringLiteral("its amount %1 is not above 0").arg(mark)};
            continue;
        }
        if (marked.unreadable) {
            ++marked.afterUnreadable;
            continue;
        }
        const auto voucher =
            markedVoucher(voucherNo, m_codes.text(row.voucherCode), m_codes.text(row.acType), postedAmount);
        if (voucher)
            marked.vouchers.append(*voucher);
        else
            marked.unreadable = voucher.error();
    }
    return marked;
}

} // namespace vant
