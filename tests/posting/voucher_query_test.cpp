#include "posting_fixture.h"

#include "posting/posting_filters.h"
#include "posting/voucher_grid.h"

using namespace Qt::StringLiterals;

namespace vant::test {
namespace {

using VoucherQuery = PostingFixture;

VoucherFilter salesCash()
{
    return {1, QDate(2026, 4, 10), QStringLiteral("SA"), QStringLiteral("CA")};
}

TEST_F(VoucherQuery, SendsTheStatementAsBuilt)
{
    VoucherGrid grid;
    ASSERT_TRUE(LoadOffLineVouchers(*session, salesCash(), grid));
    EXPECT_EQ(tracedStatements(),
              QStringList{QStringLiteral(
                  "select voucherno,BillRefno,VoucherDt, TransType,sum(Amount) Amount,AcType,VoucherCode from "
                  "AccOffLineVoucher where  CompanyCode='1' and DIvisionCOde='1' and   CrDr='D' and "
                  "VoucherDt='2026-04-10' and moved is null and    VoucherCode in (5,14) and TransType='CA' group by "
                  "voucherno,VoucherDt,BillRefNo,TransType,AcType,VoucherCode order by VoucherDt,voucherno")});
}

TEST_F(VoucherQuery, EachVoucherTypeSelectsItsCodes)
{
    struct Case
    {
        int index;
        int transIndex;
        QString condition;
    };
    const QList<Case> cases = {
        {0, 1, QStringLiteral("VoucherCode in (5,14) and TransType='CR'")},
        {1, 1, QStringLiteral("VoucherCode in (3,13) and TransType='Cr'")},
        {1, 0, QStringLiteral("VoucherCode in (3,13) and TransType='Ca'")},
        {2, 0, QStringLiteral("VoucherCode in (6,16) and TransType='CA'")},
        {3, 1, QStringLiteral("VoucherCode in (4,15) and TransType='CR'")},
    };
    for (const Case &c : cases) {
        const VoucherFilter filter{7, QDate(2009, 3, 31), typeCode(voucherTypeEntries().at(c.index)),
                                   typeCode(transTypeEntries(c.index).at(c.transIndex).text)};
        VoucherGrid grid;
        ASSERT_TRUE(LoadOffLineVouchers(*session, filter, grid));
        const QStringList sent = tracedStatements();
        ASSERT_EQ(sent.size(), 1);
        EXPECT_TRUE(sent.first().contains(u"DIvisionCOde='7'")) << sent.first().toStdString();
        EXPECT_TRUE(sent.first().contains(u"VoucherDt='2009-03-31' ")) << sent.first().toStdString();
        EXPECT_TRUE(sent.first().contains(c.condition)) << sent.first().toStdString();
    }
    EXPECT_EQ(voucherCodeSet(QString()), u"0");
}

TEST_F(VoucherQuery, TransactionTypesFollowTheVoucherType)
{
    const auto texts = [](int index) {
        QStringList list;
        for (const TransTypeEntry &entry : transTypeEntries(index))
            list << entry.text;
        return list;
    };
    EXPECT_EQ(voucherTypeEntries(), (QStringList{u"SA-Sales"_s, u"PU-Purchase"_s, u"SR-Sales Return"_s,
                                                 u"PR-Purchase Return"_s}));
    EXPECT_EQ(texts(0).size(), 6);
    EXPECT_EQ(texts(1), (QStringList{u"Cash Purchase"_s, u"Credit Purchase"_s}));
    EXPECT_EQ(transTypeEntries(1).at(1).itemData, 67);
    EXPECT_EQ(texts(2), (QStringList{u"CA - Cash"_s, u"CR - Credit"_s}));
    EXPECT_EQ(texts(3), texts(2));
    EXPECT_TRUE(texts(-1).isEmpty());
}

TEST_F(VoucherQuery, ListsOnlyUnmovedDebitLinesSummedPerVoucher)
{
    addLine({.voucherNo = 11, .amount = 100, .billRefNo = QStringLiteral("B-11")});
    addLine({.voucherNo = 11, .amount = 50.5, .billRefNo = QStringLiteral("B-11")});
    addLine({.voucherNo = 11, .crDr = QStringLiteral("C"), .amount = -150.5, .billRefNo = QStringLiteral("B-11")});
    addLine({.voucherNo = 12, .amount = -250, .acType = 2});
    addLine({.voucherNo = 13, .amount = 75, .moved = QStringLiteral("Y")});
    addLine({.voucherNo = 14, .amount = 80, .moved = QStringLiteral("N")});
    addLine({.voucherNo = 15, .amount = 90, .transType = QStringLiteral("CR")});
    addLine({.voucherNo = 16, .amount = 95, .companyCode = 2});
    addLine({.voucherNo = 17, .amount = 99, .date = QDate(2026, 4, 11)});

    VoucherGrid grid;
    ASSERT_TRUE(LoadOffLineVouchers(*session, salesCash(), grid));
    ASSERT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.text(1, VoucherGrid::Sno), u"1");
    EXPECT_EQ(grid.text(1, VoucherGrid::Date), u"10/04/2026");
    EXPECT_EQ(grid.text(1, VoucherGrid::BillNo), u"B-11");
    EXPECT_EQ(grid.text(1, VoucherGrid::BillAmt), u"150.50");
    EXPECT_EQ(grid.text(1, VoucherGrid::PostedAmt), u"");
    EXPECT_EQ(grid.text(1, VoucherGrid::Vno), u"11");
    EXPECT_EQ(grid.text(1, VoucherGrid::VoucherCode), u"5");
    EXPECT_EQ(grid.text(2, VoucherGrid::Sno), u"2");
    EXPECT_EQ(grid.text(2, VoucherGrid::BillNo), u"");
    EXPECT_EQ(grid.text(2, VoucherGrid::BillAmt), u"250.00");
    EXPECT_EQ(grid.text(2, VoucherGrid::AcType), u"2");
    EXPECT_EQ(grid.colour(2, VoucherGrid::Sno), CellColour::DarkRed);
    EXPECT_EQ(grid.colour(2, VoucherGrid::Date), CellColour::DarkBlue);
    EXPECT_EQ(grid.colour(1, VoucherGrid::Sno), CellColour::DarkBlue);
}

TEST_F(VoucherQuery, AnEmptyResultLeavesOneEmptyRow)
{
    addLine({.voucherNo = 11, .amount = 100});
    VoucherGrid grid;
    ASSERT_TRUE(LoadOffLineVouchers(*session, salesCash(), grid));
    ASSERT_EQ(grid.rows(), 2);
    ASSERT_TRUE(LoadOffLineVouchers(*session, {1, QDate(2026, 4, 9), u"SA"_s, u"CA"_s}, grid));
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.text(1, VoucherGrid::Sno), u"");
}

TEST_F(VoucherQuery, DivisionsOfTheSessionCompany)
{
    exec({u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,7,'Branch')"_s,
          u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (2,8,'Other')"_s});
    tracedStatements();
    auto divisions = loadDivisions(*session);
    ASSERT_TRUE(bool(divisions));
    ASSERT_EQ(divisions->size(), 2);
    EXPECT_EQ(divisions->at(0).name, u"Main");
    EXPECT_EQ(divisions->at(1).code, 7);
    EXPECT_EQ(tracedStatements(),
              QStringList{u"select DivisionCode,DivisionName from AccDivisionMaster where CompanyCode='1'"_s});
}

TEST(SetAcType, CtrlShiftDigitsSetTheAccountType)
{
    ScriptedPrompts prompts;
    Session session(prompts, QString());
    struct Case
    {
        int shift;
        int key;
        int returned;
        int acType;
    };
    const QList<Case> cases = {{3, 49, 1, 1}, {3, 50, 2, 2}, {3, 48, 3, 0}, {2, 50, 0, 0}, {3, 51, 0, 0},
                               {3, 50, 2, 2}, {1, 48, 0, 2}};
    for (const Case &c : cases) {
        EXPECT_EQ(SetAcType(session, c.shift, c.key), c.returned);
        EXPECT_EQ(session.PostingAcType, c.acType);
    }
}

} // namespace
} // namespace vant::test
