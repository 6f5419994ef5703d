#include "posting_fixture.h"

#include "posting/voucher_detail.h"

using namespace Qt::StringLiterals;

namespace vant::test {
namespace {

using VoucherDetail = PostingFixture;

TEST_F(VoucherDetail, DebitLinesFirstWithTheirFormats)
{
    addLine({.voucherNo = 21, .crDr = u"C"_s, .amount = -150, .ledgerCode = 201, .billRefNo = u"B-21"_s});
    addLine({.voucherNo = 21, .amount = -150, .ledgerCode = 101});
    addLine({.voucherNo = 21, .amount = 0.5, .ledgerCode = 102});
    addLine({.voucherNo = 21, .amount = 9, .ledgerCode = 999});
    addLine({.voucherNo = 22, .amount = 1234.5});
    tracedStatements();

    auto lines = loadVoucherDetail(*session, 21);
    ASSERT_TRUE(bool(lines));
    EXPECT_EQ(tracedStatements(),
              QStringList{u"select a.LedgerCode,b.LedgerName,a.Amount,a.CrDr,a.BillRefNo from AccOfflineVoucher a "
                          "inner join AccLedgerMaster B ON A.LEDGERCODE=B.LEDGERCODE AND Voucherno=21 order by crdr "
                          "desc"_s});
    // The line of ledger 999 has no ledger master row and is not shown.
    ASSERT_EQ(lines->size(), 3);
    EXPECT_EQ(lines->at(0).sno, u"1");
    EXPECT_EQ(lines->at(1).sno, u"2");
    QStringList debits = {lines->at(0).debit, lines->at(1).debit};
    debits.sort();
    EXPECT_EQ(debits, (QStringList{u".50"_s, u"150.00"_s}));
    EXPECT_EQ(lines->at(0).credit, u"00.0");
    const DetailLine &credit = lines->at(2);
    EXPECT_EQ(credit.sno, u"3");
    EXPECT_EQ(credit.description, u"Sales");
    EXPECT_EQ(credit.refNo, u"B-21");
    EXPECT_EQ(credit.debit, u"00.0");
    EXPECT_EQ(credit.credit, u"-150.00");

    auto one = loadVoucherDetail(*session, 22);
    ASSERT_TRUE(bool(one));
    ASSERT_EQ(one->size(), 1);
    EXPECT_EQ(one->at(0).description, u"Cash");
    EXPECT_EQ(one->at(0).debit, u"1234.50");
    EXPECT_EQ(one->at(0).refNo, u"");
}

TEST(VoucherDetailLayout, PanelStaysInsideTheArea)
{
    EXPECT_EQ(detailPanelTop(960, 5235, 1665), 1260);
    EXPECT_EQ(detailPanelTop(4500, 5235, 1665), 3570);
    EXPECT_EQ(detailPanelTop(0, 1000, 1665), 0);
    EXPECT_EQ(detailHeadings().at(3), u"DEBIT");
    EXPECT_EQ(detailWidthPercent(1), 0);
}

} // namespace
} // namespace vant::test
