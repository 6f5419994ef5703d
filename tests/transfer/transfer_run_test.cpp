#include "transfer_fixture.h"

#include <QRegularExpression>

namespace vant::test {
namespace {

const QDate kAprilFirst(2026, 4, 1);
const QDate kAprilLast(2026, 4, 30);
const QDate kMayFirst(2026, 5, 1);
const QDate kMayLast(2026, 5, 31);

const QString kShadowVouchers = QStringLiteral(
    "select VoucherNo,OldVoucherNo,VoucherSlno,VoucherCode,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherDt,"
    "DivisionCode,AcType,Narration,IsVoucherScr,VoucherSlnoOld,BillRefNo,Counter,AID,OppAID "
    "from accvoucher2026 where CompanyCode=2 order by tsid");
const QString kShadowBillwise = QStringLiteral(
    "select VoucherNo,LedgerCode,BillRefNo,BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,CrDr,TransType,OnAcNo,"
    "VoucherCode,Payable,VolumeDisc,CashDisc,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,AID,OppAID,"
    "DivisionCode,AcType from AccPending where CompanyCode=2 order by slno");
const QString kShadowCheques = QStringLiteral(
    "select VoucherNo,LedgerCode,ChequeNo,ChequeAmount,ReceiveDate,DepositDate,ChequeDate,ClearDate,Status,BankName,"
    "Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,Narration,RefVoucherNo,ChequePrinted,OldRefVoucherNo,AID,AID1 "
    "from AccChequeDetails where CompanyCode=2 order by slno");

class TransferRunTest : public TransferFixture
{
protected:
    // Company 1: vouchers 11 (three lines) and 12 of code 1, voucher 5 of code 2 in April,
    // voucher 20 in May; company 3 has a voucher of its own in April.
    void seedPeriod()
    {
        const QDate day10(2026, 4, 10), day11(2026, 4, 11), day12(2026, 4, 12);
        addLine({1, 11, day10, 101, QStringLiteral("201"), QStringLiteral("D"), 300, 1});
        addLine({1, 11, day10, 201, QStringLiteral("101"), QStringLiteral("C"), 200, 1});
        addLine({1, 11, day10, 301, QStringLiteral("101"), QStringLiteral("C"), 100, 1});
        addLine({1, 5, day12, 401, QStringLiteral("201"), QStringLiteral("D"), 75, 2});
        addLine({1, 5, day12, 201, QStringLiteral("401"), QStringLiteral("C"), 75, 2});
        addLine({1, 12, day11, 102, QStringLiteral("null"), QStringLiteral("D"), 50, 1});
        addLine({1, 12, day11, 201, QStringLiteral("102"), QStringLiteral("C"), 50, 1});
        addLine({1, 20, QDate(2026, 5, 10), 101, QStringLiteral("201"), QStringLiteral("D"), 40, 1});
        addLine({3, 11, day10, 101, QStringLiteral("201"), QStringLiteral("D"), 999, 1});
        addBillwise(1, 11, day10);
        addBillwise(1, 20, QDate(2026, 4, 15));
        addBillwise(1, 5, day12);
        addBillwise(1, 0, day12);
        addCheque(1, 12, day11);
        addCheque(1, 20, QDate(2026, 4, 16));
        addCheque(1, 5, day12, QStringLiteral("null"));
        exec({QStringLiteral("insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,2,'Branch')"),
              QStringLiteral("insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values "
                             "(2,2,'Own Branch')")});
    }
};

TEST_F(TransferRunTest, FirstTransferRenumbersEachSourceVoucherOnce)
{
    seedPeriod();
    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end)) << end.error().description.toStdString();
    EXPECT_EQ(*end, TransferEnd::Completed);
    EXPECT_TRUE(prompts.boxes().isEmpty());

    // Voucher code first, then the source number; all lines of a voucher share its new number.
    EXPECT_EQ(rows(kShadowVouchers), QStringList({
        QStringLiteral("1|11|1|1|101|201|D|300|2026-04-10|1|2|Sale|Y|3|BR-1|C1|9101|9201"),
        QStringLiteral("1|11|1|1|201|101|C|200|2026-04-10|1|2|Sale|Y|3|BR-1|C1|9201|9201"),
        QStringLiteral("1|11|1|1|301|101|C|100|2026-04-10|1|2|Sale|Y|3|BR-1|C1|9301|9201"),
        QStringLiteral("2|12|2|1|102|102|D|50|2026-04-11|1|2|Sale|Y|3|BR-1|C1|9102|9201"),
        QStringLiteral("2|12|2|1|201|102|C|50|2026-04-11|1|2|Sale|Y|3|BR-1|C1|9201|9201"),
        QStringLiteral("3|5|1|2|401|201|D|75|2026-04-12|1|2|Sale|Y|3|BR-1|C1|9401|9201"),
        QStringLiteral("3|5|1|2|201|401|C|75|2026-04-12|1|2|Sale|Y|3|BR-1|C1|9201|9201"),
    }));
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=2")), u"3");
    EXPECT_EQ(rows(QStringLiteral("select VoucherCode,TranYear,VoucherSlno from AccCompanyVoucherNo "
                                  "where CompanyCode=2 order by VoucherCode")),
              QStringList({QStringLiteral("1|2026|2"), QStringLiteral("2|2026|1")}));
    EXPECT_EQ(count(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=3")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from accdelvoucher")), 0);
    EXPECT_FALSE(session.AccountsObject);
}

TEST_F(TransferRunTest, BillwiseAndChequeRowsFollowTheirCopiedVoucher)
{
    seedPeriod();
    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));

    // Vouchers 20 (not in the period) and the entry without a voucher are skipped.
    EXPECT_EQ(rows(kShadowBillwise), QStringList({
        QStringLiteral("1|401|BR-11|2026-04-10|250.5|INV-11|10|2.25|D|SAL|0|1|248.25|0|1|2026-04-10|7|1|201|Bill|N|"
                       "9401|9201|1|2"),
        QStringLiteral("3|401|BR-5|2026-04-12|250.5|INV-5|10|2.25|D|SAL|0|1|248.25|0|1|2026-04-12|7|1|201|Bill|N|"
                       "9401|9201|1|2"),
    }));
    // Texts trimmed, reference numbers copied as they are, a missing clear date written as ''.
    EXPECT_EQ(rows(kShadowCheques), QStringList({
        QStringLiteral("2|102|CH12|500|2026-04-11|2026-04-15|2026-04-12|2026-04-20|C|State Bank|Main|1|2|1|401|Rent|"
                       "55|N|44|9102|9401"),
        QStringLiteral("3|102|CH5|500|2026-04-12|2026-04-15|2026-04-12||C|State Bank|Main|1|2|1|401|Rent|55|N|44|"
                       "9102|9401"),
    }));
    EXPECT_EQ(scalar(QStringLiteral("select typeof(ClearDate) from AccChequeDetails where CompanyCode=2 and "
                                    "VoucherNo=3")),
              u"text");
    // Every source row of the three kinds moved the bar, copied or skipped.
    EXPECT_EQ(advances, 7 + 4 + 3);
    EXPECT_EQ(progressShown, 1);
}

TEST_F(TransferRunTest, CaptionsFollowTheSteps)
{
    seedPeriod();
    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));
    EXPECT_EQ(captions, QStringList({
        QStringLiteral("Transfer    [ Clear Old Records...]"),
        QStringLiteral("Transfer    [ Transfer Division Details...]"),
        QStringLiteral("Transfer    [ Transfer Voucher Details...]"),
        QStringLiteral("Transfer    [ Transfer Billwise Outstanding Details ...]"),
        QStringLiteral("Transfer    [ Transfer Cheque Details...]"),
        QStringLiteral("Transfer    [ Completed ]"),
    }));
}

TEST_F(TransferRunTest, MissingDivisionsAreCopiedOnce)
{
    seedPeriod();
    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));
    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));
    EXPECT_EQ(rows(QStringLiteral("select CompanyCode,DivisionCode,DivisionName from accdivisionmaster "
                                  "order by CompanyCode,DivisionCode")),
              QStringList({QStringLiteral("1|1|Main"), QStringLiteral("1|2|Branch"), QStringLiteral("2|1|Main"),
                           QStringLiteral("2|2|Own Branch")}));
}

TEST_F(TransferRunTest, RepeatedTransferLogsAndReplacesOnlyTheEarlierCopy)
{
    seedPeriod();
    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));
    ASSERT_TRUE(bool(transfer(kMayFirst, kMayLast)));
    // Rows entered in the shadow company itself, in the same period.
    addLine({2, 900, QDate(2026, 4, 15), 102, QStringLiteral("201"), QStringLiteral("D"), 10, 1,
             QStringLiteral("Own"), QStringLiteral("0")});
    addLine({2, 901, QDate(2026, 4, 16), 102, QStringLiteral("201"), QStringLiteral("D"), 20, 1,
             QStringLiteral("Own"), QStringLiteral("null")});
    addBillwise(2, 900, QDate(2026, 4, 15), QStringLiteral("Own bill"));
    const QStringList earlierTsids = rows(QStringLiteral("select tsid from accvoucher2026 where CompanyCode=2 and "
                                                         "VoucherNo<=3 order by tsid"));

    ASSERT_TRUE(bool(transfer(kAprilFirst, kAprilLast)));

    EXPECT_EQ(rows(QStringLiteral("select type,companycode,voucherno,ledgercode,aid,actype,tranyear from "
                                  "accdelvoucher order by rowid")),
              QStringList({
                  QStringLiteral("V|2|1|101|9101|2|2026"), QStringLiteral("V|2|1|201|9201|2|2026"),
                  QStringLiteral("V|2|1|301|9301|2|2026"), QStringLiteral("V|2|2|102|9102|2|2026"),
                  QStringLiteral("V|2|2|201|9201|2|2026"), QStringLiteral("V|2|3|401|9401|2|2026"),
                  QStringLiteral("V|2|3|201|9201|2|2026"), QStringLiteral("P|2|1|401|9401|2|2026"),
                  QStringLiteral("P|2|3|401|9401|2|2026"), QStringLiteral("C|2|2|102|9102|2|NULL"),
                  QStringLiteral("C|2|3|102|9102|2|NULL"),
              }));
    EXPECT_EQ(rows(QStringLiteral("select tsid from accdelvoucher where type='V' order by rowid")), earlierTsids);

    // The April copy comes afresh under numbers after the May copy's 4; May and own rows stay.
    EXPECT_EQ(rows(QStringLiteral("select VoucherNo,OldVoucherNo,Narration from accvoucher2026 where CompanyCode=2 "
                                  "order by VoucherNo,tsid")),
              QStringList({
                  QStringLiteral("4|20|Sale"), QStringLiteral("5|11|Sale"), QStringLiteral("5|11|Sale"),
                  QStringLiteral("5|11|Sale"), QStringLiteral("6|12|Sale"), QStringLiteral("6|12|Sale"),
                  QStringLiteral("7|5|Sale"), QStringLiteral("7|5|Sale"), QStringLiteral("900|0|Own"),
                  QStringLiteral("901|NULL|Own"),
              }));
    // The April entry of May's voucher 20 is now tied to that voucher's copy.
    EXPECT_EQ(rows(QStringLiteral("select VoucherNo,Remarks from AccPending where CompanyCode=2 order by slno")),
              QStringList({QStringLiteral("900|Own bill"), QStringLiteral("5|Bill"), QStringLiteral("7|Bill"),
                           QStringLiteral("4|Bill")}));
    EXPECT_EQ(rows(QStringLiteral("select VoucherNo from AccChequeDetails where CompanyCode=2 order by slno")),
              QStringList({QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("4")}));
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=2")), u"7");
}

TEST_F(TransferRunTest, TextsWithSingleQuotesAreCopiedIntact)
{
    addLine({1, 11, QDate(2026, 4, 10), 101, QStringLiteral("201"), QStringLiteral("D"), 10, 1,
             QStringLiteral("O'Neil's; rent")});
    addBillwise(1, 11, QDate(2026, 4, 10), QStringLiteral("Anand's bill"));
    exec({QStringLiteral("insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ChequeNo,ReceiveDate,Narration,"
                         "BankName) values (1,102,11,'1''2','2026-04-10',' D''Souza ','Bank''s')")});

    const auto end = transfer(kAprilFirst, kAprilLast);
    ASSERT_TRUE(bool(end));
    EXPECT_EQ(*end, TransferEnd::Completed);
    EXPECT_EQ(scalar(QStringLiteral("select Narration from accvoucher2026 where CompanyCode=2")), u"O'Neil's; rent");
    EXPECT_EQ(scalar(QStringLiteral("select Remarks from AccPending where CompanyCode=2")), u"Anand's bill");
    EXPECT_EQ(rows(QStringLiteral("select ChequeNo,Narration,BankName from AccChequeDetails where CompanyCode=2")),
              QStringList({QStringLiteral("1'2|D'Souza|Bank's")}));
}

} // namespace
} // namespace vant::test
