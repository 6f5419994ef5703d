#include "qt_printers.h"

#include "posting/posting_formats.h"
#include "posting/voucher_grid.h"
#include "session/recordset.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vant {
namespace {

// A query result of the voucher query's shape.
Recordset vouchers(const QList<QList<QVariant>> &rows)
{
    QList<Field> fields;
    for (const char *name : {"voucherno", "BillRefno", "VoucherDt", "TransType", "Amount", "AcType", "VoucherCode"})
        fields.append({QString::fromLatin1(name), FieldType::Unknown});
    return Recordset(fields, rows);
}

VoucherGrid threeVouchers()
{
    Recordset rs = vouchers({{11, u"B-11"_s, u"2026-04-10"_s, u"CA"_s, 150.5, 1, 5},
                             {12, QVariant(), u"2026-04-10"_s, u"CA"_s, -250.0, 2, 14},
                             {13, u"B-13"_s, u"2026-04-10"_s, u"CA"_s, 99.0, 1, 5}});
    VoucherGrid grid;
    grid.fill(rs);
    return grid;
}

TEST(AmountFormats, IntegerDigitRequiredOrNot)
{
    struct Case
    {
        double value;
        const char16_t *grid;
        const char16_t *detail;
    };
    const Case cases[] = {{0.5, u"0.50", u".50"},          {1234.5, u"1234.50", u"1234.50"}, {0, u"0.00", u".00"},
                          {-150, u"-150.00", u"-150.00"},  {-0.5, u"-0.50", u"-.50"},        {1234567.125, u"1234567.13", u"1234567.13"},
                          {-0.001, u"0.00", u".00"}};
    for (const Case &c : cases) {
        EXPECT_EQ(formatAmount(c.value), QString::fromUtf16(c.grid)) << c.value;
        EXPECT_EQ(formatDetailAmount(c.value), QString::fromUtf16(c.detail)) << c.value;
    }
}

TEST(VoucherGridLayout, HeadingsAndWidths)
{
    VoucherGrid grid;
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.text(0, VoucherGrid::PostedAmt), u"POSTED AMT");
    EXPECT_EQ(VoucherGrid::headings().size(), 8);
    // 11565 - 360 = 11205 usable twips.
    EXPECT_EQ(VoucherGrid::columnWidths(11565), (QList<int>{1121, 1681, 2353, 3025, 3025, 0, 0, 0}));
}

TEST(VoucherGridMarking, SpaceMarksAndUnmarks)
{
    VoucherGrid grid = threeVouchers();
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.text(3, VoucherGrid::Sno), u"3");
    EXPECT_EQ(grid.text(2, VoucherGrid::BillAmt), u"250.00");

    grid.toggleMark(1);
    grid.toggleMark(2);
    EXPECT_EQ(grid.text(1, VoucherGrid::PostedAmt), u"150.50");
    EXPECT_DOUBLE_EQ(grid.TransferAmountTotal(), 400.5);
    grid.toggleMark(2);
    EXPECT_EQ(grid.text(2, VoucherGrid::PostedAmt), u"");
    EXPECT_DOUBLE_EQ(grid.TransferAmountTotal(), 150.5);
    grid.toggleMark(2);
    EXPECT_DOUBLE_EQ(grid.TransferAmountTotal(), 400.5);

    const GridTotals totals = grid.GetTotal();
    EXPECT_DOUBLE_EQ(totals.billAmount, 499.5);
    EXPECT_DOUBLE_EQ(totals.postedAmount, 400.5);
}

TEST(VoucherGridMarking, SelectAllKeepsMarksAndClearEmptiesThem)
{
    VoucherGrid grid = threeVouchers();
    grid.toggleMark(2);
    grid.selectAll();
    EXPECT_EQ(grid.text(1, VoucherGrid::PostedAmt), u"150.50");
    EXPECT_EQ(grid.text(2, VoucherGrid::PostedAmt), u"250.00");
    EXPECT_EQ(grid.text(3, VoucherGrid::PostedAmt), u"99.00");
    EXPECT_DOUBLE_EQ(grid.TransferAmountTotal(), 499.5);

    grid.clearMarks();
    for (int row = 1; row < grid.rows(); ++row)
        EXPECT_EQ(grid.text(row, VoucherGrid::PostedAmt), u"");
    EXPECT_DOUBLE_EQ(grid.GetTotal().billAmount, 499.5);
    EXPECT_DOUBLE_EQ(grid.GetTotal().postedAmount, 0);
}

TEST(VoucherGridMarking, TheEmptyRowStaysUnmarked)
{
    VoucherGrid grid;
    grid.toggleMark(1);
    grid.selectAll();
    EXPECT_EQ(grid.text(1, VoucherGrid::PostedAmt), u"");
    EXPECT_DOUBLE_EQ(grid.TransferAmountTotal(), 0);
    EXPECT_EQ(formatAmount(grid.TransferAmountTotal()), u"0.00");
}

TEST(VoucherGridRowColor, OnlyMarkedDataRowsChange)
{
    VoucherGrid grid = threeVouchers();
    grid.RowColor(2, 1);
    EXPECT_EQ(grid.text(1, VoucherGrid::AcType), u"1");
    EXPECT_EQ(grid.colour(1, VoucherGrid::Date), CellColour::DarkBlue);

    grid.toggleMark(1);
    grid.RowColor(2, 1);
    EXPECT_EQ(grid.text(1, VoucherGrid::AcType), u"2");
    for (int column = 0; column < VoucherGrid::ColumnCount; ++column)
        EXPECT_EQ(grid.colour(1, column), CellColour::DarkRed) << column;

    grid.RowColor(1, 1);
    EXPECT_EQ(grid.text(1, VoucherGrid::AcType), u"1");
    EXPECT_EQ(grid.colour(1, VoucherGrid::VoucherCode), CellColour::DarkBlue);

    grid.toggleMark(2);
    grid.RowColor(5, 2);
    EXPECT_EQ(grid.text(2, VoucherGrid::AcType), u"2");
    EXPECT_EQ(grid.colour(2, VoucherGrid::Sno), CellColour::DarkBlue);

    // The remembered row starts on the heading row.
    grid.RowColor(2, 0);
    EXPECT_EQ(grid.text(0, VoucherGrid::AcType), u"AcType");
    grid.RowColor(2, 9);
}

TEST(VoucherGridPosting, RowsCarryTheMarkAndKeys)
{
    VoucherGrid grid = threeVouchers();
    grid.toggleMark(3);
    grid.toggleMark(3);
    grid.toggleMark(2);
    grid.RowColor(1, 2);
    const QList<PostingRow> rows = grid.postingRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0).postedAmount, u"");
    EXPECT_EQ(rows.at(1).postedAmount, u"250.00");
    EXPECT_EQ(rows.at(1).voucherNo, u"12");
    EXPECT_EQ(rows.at(1).acType, u"1");
    EXPECT_EQ(rows.at(1).voucherCode, u"14");
}

} // namespace
} // namespace vant
