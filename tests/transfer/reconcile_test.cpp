// The reconciliation of a period with its copy in a shadow company, on real rows.
#include "transfer_fixture.h"

#include "transfer/reconcile.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class ReconcileTest : public TransferFixture
{
protected:
    // The vouchers of reconcile_seed.sql, copied into company 2.
    ReconcileTest()
    {
        seed("reconcile_seed.sql");
        EXPECT_TRUE(bool(transfer()));
    }

    Reconciliation reconcile()
    {
        auto result =
            reconcileTransfer(db(), {u"accvoucher2026"_s, u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)});
        EXPECT_TRUE(bool(result)) << (result ? std::string() : result.error().description.toStdString());
        return result ? *result : Reconciliation();
    }
    static QStringList differences(const Reconciliation &result)
    {
        QStringList list;
        for (const Difference &d : result.differences)
            list << u"%1/%2/%3: %4"_s.arg(d.voucherCode, d.sourceVoucherNo, d.copyVoucherNo, d.what);
        return list;
    }
};

// A complete copy matches with the same totals; each kind of change made by hand in the shadow
// company is named by its voucher and, where the rows still pair up, by the row and the column.
TEST_F(ReconcileTest, EveryDifferenceNamesItsVoucherAndColumn)
{
    const Reconciliation result = reconcile();
    EXPECT_TRUE(result.matches()) << differences(result).join(u'\n').toStdString();
    ASSERT_EQ(result.byVoucherCode.size(), 2);
    EXPECT_EQ(result.byVoucherCode.at(0).key, u"1");
    EXPECT_EQ(result.byVoucherCode.at(0).source, (SideTotals{2, 5, 350, 350}));
    EXPECT_EQ(result.byVoucherCode.at(0).copy, result.byVoucherCode.at(0).source);
    EXPECT_EQ(result.byLedger.size(), 5);
    for (const TotalsRow &row : result.byLedger)
        EXPECT_EQ(row.copy, row.source) << row.key.toStdString();

    const QString copy = u"update accvoucher2026 set "_s;
    const struct
    {
        QString change;
        QStringList found;
    } cases[] = {
        {copy + u"Amount=55 where CompanyCode=2 and LedgerCode=201 and OldVoucherNo=12"_s,
         {u"1/12/2: line 2, Amount: 50.00 in the source, 55.00 in the copy"_s}},
        {copy + u"Narration='Edited' where CompanyCode=2 and OldVoucherNo=5 and LedgerCode=201"_s,
         {u"2/5/3: line 2, Narration: \"Sale\" in the source, \"Edited\" in the copy"_s}},
        {copy + u"VoucherDt='2026-04-11' where CompanyCode=2 and OldVoucherNo=12 and LedgerCode=102"_s,
         {u"1/12/2: line 1, VoucherDt: 2026-04-10 in the source, 2026-04-11 in the copy"_s}},
        // The source line has no opposite ledger: its copy took its own ledger.
        {copy + u"OppLedgerCode=101 where CompanyCode=2 and OldVoucherNo=12 and LedgerCode=102"_s,
         {u"1/12/2: line 1, OppLedgerCode: 102 in the source, 101 in the copy"_s}},
        {copy + u"AcType=1 where CompanyCode=2 and OldVoucherNo=11"_s,
         {u"1/11/1: line 1, AcType: 2 in the source, 1 in the copy"_s,
          u"1/11/1: line 2, AcType: 2 in the source, 1 in the copy"_s,
          u"1/11/1: line 3, AcType: 2 in the source, 1 in the copy"_s}},
        {u"update AccChequeDetails set ClearDate='2026-04-25' where CompanyCode=2"_s,
         {u"/12/2: cheque row 1, ClearDate: 2026-04-20 in the source, 2026-04-25 in the copy"_s}},
        {u"update AccPending set LedgerCode=402 where CompanyCode=2"_s,
         {u"/11/1: bill-wise row 1, LedgerCode: 401 in the source, 402 in the copy"_s}},
        // Rows that no longer pair up are counted by ledger and side.
        {u"delete from accvoucher2026 where CompanyCode=2 and LedgerCode=301"_s,
         {u"1/11/1: ledger 301 credit: 1 line of 100.00 in the source, 0 lines of 0.00 in the copy"_s}},
        {u"delete from accvoucher2026 where CompanyCode=2 and OldVoucherNo=5"_s, {u"2/5/: the voucher has no copy"_s}},
        {u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,OldVoucherNo,"
         "Counter,VoucherSlnoOld) values (2,9,'2026-04-20',101,'D',10,1,77,'',0)"_s,
         {u"1/77/9: the source has no such voucher in the period"_s}},
        // A voucher posted into the shadow company carries its off-line number too, but is its own.
        {u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,OldVoucherNo) "
         "values (2,9,'2026-04-20',101,'D',10,1,77)"_s,
         {}},
        {u"delete from AccPending where CompanyCode=2"_s,
         {u"/11/1: bill-wise rows: 1 of 250.50 in the source, 0 of 0.00 in the copy"_s}},
        // The copy's own numbers and time stamps are not the source's to match.
        {copy + u"VoucherSlno=99,TS='2027-01-01' where CompanyCode=2"_s, {}},
        {u"update AccPending set TS='2027-01-01' where CompanyCode=2"_s, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.change.toStdString());
        ASSERT_TRUE(db().beginTransaction());
        exec({c.change});
        EXPECT_EQ(differences(reconcile()), c.found);
        EXPECT_TRUE(db().rollbackTransaction());
    }
}

} // namespace
} // namespace vant::test
