#pragma once

#include "grid_text_codes.h"
#include "marked_voucher.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace vant {

class Recordset;

// Column widths in twips, each its percent of the grid's usable width (the width less 360).
QList<int> percentColumnWidths(int gridWidthTwips, const QList<int> &percents);

enum class CellColour : quint8 { DarkBlue, DarkRed };

struct GridTotals
{
    double billAmount = 0;
    double postedAmount = 0;
};

// The off-line voucher grid without a screen: row 0 is the heading row, rows 1 to
// rows() - 1 hold one off-line voucher each. A row is marked when its POSTED AMT is
// not empty; the mark is the amount to post.
class VoucherGrid
{
public:
    enum Column { Sno, Date, BillNo, BillAmt, PostedAmt, Vno, AcType, VoucherCode, ColumnCount };

    static QStringList headings();
    // Column widths in twips for a grid of that width; 0 hides a column.
    static QList<int> columnWidths(int gridWidthTwips);

    // Back to the heading row and one empty row.
    void setHeadings();
    // One row per result row after those already listed; BILL AMT is the absolute summed amount.
    void append(Recordset &result);

    int rows() const { return int(std::max<qsizetype>(m_rows.size(), 1)) + 1; }
    QString text(int row, int column) const;
    CellColour colour(int row, int column) const;

    // Space: mark an unmarked row with its BILL AMT, unmark a marked one.
    void toggleMark(int row);
    void selectAll();
    void clearMarks();
    // Sets the account type of a marked row and colours the whole row; unmarked rows,
    // the heading row and rows outside the grid are left alone.
    void RowColor(int acType, int row);

    GridTotals GetTotal() const;
    double TransferAmountTotal() const;

    // The marked rows in grid order: those whose POSTED AMT is above 0 with their values read as
    // numbers, the others refused.
    MarkedVouchers markedVouchers() const;

private:
    // One voucher in a few bytes: what each cell shows is made from it when asked, so a list of
    // a hundred thousand vouchers stays small.
    struct Row
    {
        QDate date;
        double billAmount = 0;   // shown as an amount
        double postedAmount = 0; // shown as an amount while the row is marked
        QString billNo;
        qint32 voucherNo = 0; // codes of m_codes
        qint32 acType = 0;
        qint32 voucherCode = 0;
        bool marked = false;
        CellColour snoColour = CellColour::DarkBlue;
        CellColour otherColour = CellColour::DarkBlue; // of every column but SNO
    };
    // The row of a voucher; null for the heading row, the empty list's blank row and rows outside.
    const Row *dataRow(int row) const;
    Row *dataRow(int row);
    QString cellText(qsizetype index, int column) const;
    QString postedText(const Row &row) const;
    double columnSum(int column) const;

    // No rows shows one blank row.
    QList<Row> m_rows;
    GridTextCodes m_codes;
};

} // namespace vant
