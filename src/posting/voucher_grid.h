#pragma once

#include "marked_voucher.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace vant {

class Recordset;

// Column widths in twips, each its percent of the grid's usable width (the width less 360).
QList<int> percentColumnWidths(int gridWidthTwips, const QList<int> &percents);

enum class CellColour { DarkBlue, DarkRed };

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
    // One row per result row; BILL AMT is the absolute summed amount.
    void fill(Recordset &result);

    int rows() const { return int(m_rows.size()) + 1; }
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
    struct Row
    {
        std::array<QString, ColumnCount> cells;
        std::array<CellColour, ColumnCount> colours{};
    };
    bool isDataRow(int row) const { return row >= 1 && row < rows(); }
    double columnSum(int column) const;

    QList<Row> m_rows = {Row{}};
};

} // namespace vant
