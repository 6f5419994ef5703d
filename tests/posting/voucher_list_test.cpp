#include "posting_fixture.h"

#include "posting/posting_filters.h"
#include "posting/grid_text_codes.h"
#include "posting/posting_formats.h"
#include "posting/voucher_grid.h"
#include "support/test_server.h"

using namespace Qt::StringLiterals;

namespace vant::test {
namespace {

TEST(AmountFormats, GridNeedsAnIntegerDigitDetailDoesNot)
{
    const std::tuple<double, const char16_t *, const char16_t *> cases[] = {
        {0.5, u"0.50", u".50"},    {0, u"0.00", u".00"},      {-150, u"-150.00", u"-150.00"},
        {-0.5, u"-0.50", u"-.50"}, {-0.001, u"0.00", u".00"}, {1234567.125, u"1234567.13", u"1234567.13"}};
    for (const auto &[value, grid, detail] : cases) {
        EXPECT_EQ(formatAmount(value), QString::fromUtf16(grid)) << value;
        EXPECT_EQ(formatDetailAmount(value), QString::fromUtf16(detail)) << value;
    }
}

TEST(GridTextCodes, EveryTextComesBackAsGivenAndRepeatsShareACode)
{
    GridTextCodes codes;
    const QStringList texts = {u"12"_s,  u"0"_s, u"007"_s, u"-3"_s,         u" 5"_s, u"+5"_s,
                               u"abc"_s, u""_s,  u"1e3"_s, u"2147483648"_s, u"12"_s, u"abc"_s};
    QList<qint32> given;
    for (const QString &text : texts)
        given << codes.code(text);
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ(codes.text(given.at(i)), texts.at(i)) << i;
    EXPECT_EQ(given.at(0), 12);
    EXPECT_EQ(given.at(10), 12);
    EXPECT_EQ(given.at(6), given.at(11));
    EXPECT_EQ(given.at(6), -5) << "only the texts that are not plain numbers enter the table";
    codes.clear();
    EXPECT_EQ(codes.code(u"xyz"_s), -1);
}

using VoucherList = PostingFixture;

TEST_F(VoucherList, OnlyUnmovedDebitLinesSummedPerVoucher)
{
    seed("unmoved_lines.sql");

    VoucherGrid grid = salesOf();
    ASSERT_EQ(grid.rows(), 3);
    const QStringList first = {grid.text(1, VoucherGrid::Sno),       grid.text(1, VoucherGrid::Date),
                               grid.text(1, VoucherGrid::BillNo),    grid.text(1, VoucherGrid::BillAmt),
                               grid.text(1, VoucherGrid::PostedAmt), grid.text(1, VoucherGrid::Vno),
                               grid.text(1, VoucherGrid::AcType),    grid.text(1, VoucherGrid::VoucherCode)};
    EXPECT_EQ(first, (QStringList{u"1"_s, u"10/04/2026"_s, u"B-11"_s, u"150.50"_s, u""_s, u"11"_s, u"1"_s, u"5"_s}));
    EXPECT_EQ(grid.text(2, VoucherGrid::BillAmt), u"250.00");
    EXPECT_EQ(grid.text(2, VoucherGrid::AcType), u"2");
    EXPECT_EQ(grid.colour(2, VoucherGrid::Sno), CellColour::DarkRed);
    EXPECT_EQ(grid.colour(2, VoucherGrid::Date), CellColour::DarkBlue);

    // Select All keeps an existing mark; the totals follow the marks.
    grid.toggleMark(2);
    grid.selectAll();
    EXPECT_EQ(grid.text(2, VoucherGrid::PostedAmt), u"250.00");
    EXPECT_DOUBLE_EQ(grid.TransferAmountTotal(), 400.5);
    grid.toggleMark(1);
    EXPECT_DOUBLE_EQ(grid.GetTotal().postedAmount, 250);
    EXPECT_DOUBLE_EQ(grid.GetTotal().billAmount, 400.5);

    // Loading again starts from an empty grid.
    grid = salesOf(QDate(2026, 4, 9));
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.text(1, VoucherGrid::Sno), u"");
    grid.selectAll();
    EXPECT_EQ(grid.text(1, VoucherGrid::PostedAmt), u"");

    // A company code pasted between quotes once lost the list its company filter.
    session->companyCode = u"1' or '1'='1"_s;
    EXPECT_EQ(salesOf().rows(), 2);
    EXPECT_EQ(salesOf().text(1, VoucherGrid::Vno), u"");
    EXPECT_TRUE(loadDivisions(*session)->isEmpty());
}

// The list is read in batches; every voucher is listed once, in order, whatever the batch.
TEST_F(VoucherList, ALongListIsWholeAndInOrder)
{
    VANT_SQLITE_ONLY("makes its rows with SQLite's recursive query");
    addLine({.voucherNo = 1, .amount = 10, .billRefNo = u"B-1"_s});
    exec({u"with recursive n(i) as (select 2 union all select i+1 from n where i<4500) insert into "
          "AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,CrDr,"
          "Amount,VoucherCode,TransType,Narration,BillRefNo) select CompanyCode,DivisionCode,AcType,n.i,VoucherDt,"
          "LedgerCode,OppLedgerCode,CrDr,n.i*10,VoucherCode,TransType,Narration,'B-'||n.i from AccOffLineVoucher,n"_s});
    VoucherGrid grid = salesOf();
    ASSERT_EQ(grid.rows(), 4501);
    for (const int row : {1, 2000, 2001, 4000, 4001, 4500}) {
        EXPECT_EQ(grid.text(row, VoucherGrid::Sno), QString::number(row));
        EXPECT_EQ(grid.text(row, VoucherGrid::Vno), QString::number(row));
        EXPECT_EQ(grid.text(row, VoucherGrid::BillNo), u"B-"_s + QString::number(row));
        EXPECT_EQ(grid.text(row, VoucherGrid::BillAmt), formatAmount(row * 10));
        EXPECT_EQ(grid.text(row, VoucherGrid::Date), u"10/04/2026");
    }
    grid.selectAll();
    EXPECT_EQ(grid.markedVouchers().vouchers.size(), 4500);
    EXPECT_DOUBLE_EQ(grid.GetTotal().billAmount, 10.0 * 4500 * 4501 / 2);
}

TEST_F(VoucherList, RowColorChangesOnlyMarkedDataRows)
{
    addVoucher(11, 10);
    addVoucher(12, 20);
    VoucherGrid grid = salesOf();
    grid.toggleMark(1);
    // The remembered row starts on the heading row; rows outside the grid are ignored.
    for (int row : {0, 1, 2, 9})
        grid.RowColor(2, row);
    EXPECT_EQ(grid.text(0, VoucherGrid::AcType), u"AcType");
    EXPECT_EQ(grid.text(1, VoucherGrid::AcType) + grid.text(2, VoucherGrid::AcType), u"21");
    for (int column = 0; column < VoucherGrid::ColumnCount; ++column)
        EXPECT_EQ(grid.colour(1, column), CellColour::DarkRed) << column;
    EXPECT_EQ(grid.colour(2, VoucherGrid::Date), CellColour::DarkBlue);
    grid.RowColor(1, 1);
    EXPECT_EQ(grid.text(1, VoucherGrid::AcType), u"1");
    EXPECT_EQ(grid.colour(1, VoucherGrid::VoucherCode), CellColour::DarkBlue);
}

} // namespace
} // namespace vant::test
