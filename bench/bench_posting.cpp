#include "bench_check.h"
#include "bench_support.h"

#include "db/copy_forms.h"
#include "posting/posting_filters.h"
#include "posting/posting_job.h"
#include "posting/voucher_grid.h"

namespace vant::bench {

namespace {

// The default company's off-line lines not posted yet.
const QString kUnmoved = QStringLiteral("x.CompanyCode=1 and isnull(x.Moved,'N')='N'");

// What a posting leaves: the posted vouchers and rows, the flags and the counters.
QString postingCheck(Database &db)
{
    return tablesDigest(db, {QStringLiteral("accvoucher2026"), QStringLiteral("AccOffLineVoucher"),
                             QStringLiteral("AccPending"), QStringLiteral("AccChequeDetails"),
                             QStringLiteral("acccompanymaster"), QStringLiteral("AccCompanyVoucherNo")});
}

// The lean script of the same posting, as a person who knows this data would write it, made
// lean so:
// - every unmoved voucher of the company is posted, in one transaction: the window posts all
//   vouchers listed, and all are of the listed day and kinds;
// - no check that changes nothing: every value is a clean number or date of its column and every
//   ledger is in the ledger master, so values are copied as stored, and no row is looked at for
//   a refusal; a voucher has at most one bill-wise and one cheque row, so none is left out;
// - one numbering pass (#VantPosted, keyed by its order and by the off-line number) gives each
//   voucher its place, number and sub-number; the lines, bill-wise and cheque rows are joined
//   to it on the off-line number through their indexes and written in its key order;
// - the leading number of a bill-wise row's account number is read once per value (#VantOnAc);
// - the plans (vant_bench --profile) read #VantPosted in its key order and seek the off-line
//   rows: the unary plus keeps SQLite from driving the join from the off-line table and sorting
//   the joined rows afterwards; the numbering's windows are the only sorts.
QStringList leanPosting()
{
    const QString aids = QStringLiteral("isnull(l1.aid,0),isnull(l2.aid,0) from #VantPosted m join %1 x on "
                                        "x.VoucherNo=+m.OffLineNo and x.CompanyCode=1%2 left join accledgermaster l1 "
                                        "on l1.ledgercode=x.LedgerCode left join accledgermaster l2 on "
                                        "l2.ledgercode=x.%3%4 order by m.VoucherOrd");
    return {
        QStringLiteral("create table #VantPosted (VoucherOrd int primary key, OffLineNo int unique, VoucherCode int, "
                       "AcType int, VoucherNo int, SubNo int)"),
        QStringLiteral("insert into #VantPosted(VoucherOrd,OffLineNo,VoucherCode,AcType,VoucherNo,SubNo) select "
                       "row_number() over (order by x.VoucherNo),x.VoucherNo,x.VoucherCode,x.AcType,c.Voucherno+"
                       "row_number() over (order by x.VoucherNo),isnull(s.VoucherSlno,0)+row_number() over (partition "
                       "by x.VoucherCode order by x.VoucherNo) from (select VoucherNo,min(VoucherCode) VoucherCode,"
                       "min(AcType) AcType from AccOffLineVoucher x where ")
            + kUnmoved
            + QStringLiteral(" group by VoucherNo) x join acccompanymaster c on c.CompanyCode=1 left join "
                             "AccCompanyVoucherNo s on s.CompanyCode=1 and s.VoucherCode=x.VoucherCode and "
                             "s.TranYear='2026'"),
        QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,"
                       "Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,"
                       "AID,OppAID) select x.CompanyCode,x.DivisionCode,m.AcType,m.VoucherNo,x.VoucherDt,x.LedgerCode,"
                       "x.CrDr,x.Amount,m.VoucherCode,x.Narration,'N',m.SubNo,x.OppLedgerCode,isnull(x.BillRefNo,''),"
                       "x.OldVoucherNo,getdate(),")
            + aids.arg(QStringLiteral("AccOffLineVoucher"), QStringLiteral(" and isnull(x.Moved,'N')='N'"),
                       QStringLiteral("OppLedgerCode"), QString()),
        QStringLiteral("update AccOffLineVoucher set Moved='Y' where CompanyCode=1 and isnull(Moved,'N')='N'"),
        QStringLiteral("create table #VantOnAc (OnAcNo varchar(20) primary key, Number float)"),
        QStringLiteral("insert into #VantOnAc(OnAcNo,Number) select d.OnAcNo,")
            + copyform::leadingNumber(QStringLiteral("d.OnAcNo"))
            + QStringLiteral(" from (select distinct OnAcNo from AccOffLinePending where CompanyCode=1 and OnAcNo is "
                             "not null) d"),
        QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,"
                       "BillAmount,InvoiceNo,MRC_Amt,CrDr,TransType,OnAcNo,VoucherCode,Payable,DiscAmt,VoucherSlno,"
                       "TransDate,OppLedgerCode,Remarks,TS,AID,OppAID) select x.CompanyCode,x.DivisionCode,x.AcType,"
                       "x.LedgerCode,m.VoucherNo,x.BillRefNo,x.billdate,x.billamount,x.InvoiceNo,x.MRC_Amt,x.CrDr,"
                       "x.TransType,isnull(o.Number,0)")
            + QStringLiteral(
                ",x.VoucherCode,x.Payable,x.discamt,m.SubNo,x.billdate,x.OppLedgerCode,x.Remarks,getdate(),")
            + aids.arg(QStringLiteral("AccOffLinePending"), QString(), QStringLiteral("OppLedgerCode"),
                       QStringLiteral(" left join #VantOnAc o on o.OnAcNo=x.OnAcNo")),
        QStringLiteral(
            "insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,"
            "ChequeDate,Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,Narration,"
            "ChequePrinted,DepositDate,AID,AID1) select x.CompanyCode,x.LedgerCode,m.VoucherNo,x.ChequeNo,"
            "x.ChequeAmount,x.ReceiveDate,x.ChequeDate,x.Status,x.BankName,'',x.DivisionId,x.AcType,"
            "x.VoucherCode,x.LedgerCode1,'',x.ChequePrinted,x.DepositDate,")
            + aids.arg(QStringLiteral("AccOffLineChequeDet"), QString(), QStringLiteral("LedgerCode1"), QString()),
        QStringLiteral(
            "update acccompanymaster set ts=getdate(),Voucherno=Voucherno+(select count(*) from #VantPosted) "
            "where CompanyCode=1"),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(),VoucherSlno=(select max(m.SubNo) from #VantPosted "
                       "m where m.VoucherCode=AccCompanyVoucherNo.VoucherCode) where CompanyCode=1 and "
                       "TranYear='2026' and VoucherCode in (select VoucherCode from #VantPosted)"),
        QStringLiteral("insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno,ts) select 1,"
                       "m.VoucherCode,'2026',max(m.SubNo),getdate() from #VantPosted m where not exists (select 1 from "
                       "AccCompanyVoucherNo s where s.CompanyCode=1 and s.VoucherCode=m.VoucherCode and "
                       "s.TranYear='2026') group by m.VoucherCode"),
        QStringLiteral("drop table #VantPosted"),
        QStringLiteral("drop table #VantOnAc"),
    };
}

} // namespace

bool postingJob(Bench &bench, JobRun &run)
{
    VoucherGrid grid;
    if (!LoadOffLineVouchers(
            bench.session, {1, QDate::fromString(kPostingDay, Qt::ISODate), QStringLiteral("SA"), QStringLiteral("CA")},
            grid))
        return false;
    grid.selectAll();
    const MarkedVouchers marked = grid.markedVouchers();
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const PostingEnd end = PostingJob(bench.session, 0).SaveTrans(marked);
    const Measure measure = bench.stop(QStringLiteral("posting"), int(marked.rows));
    return bench.keep(run, measure, end == PostingEnd::Completed, postingCheck);
}

// The lean script of the same posting.
bool postingReference(Bench &bench, JobRun &run)
{
    const int vouchers = scalarText(bench.db(), QStringLiteral("select count(distinct VoucherNo) from "
                                                               "AccOffLineVoucher x where ")
                                                    + kUnmoved)
                             .toInt();
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll(leanPosting());
    const Measure measure = bench.stop(QStringLiteral("posting"), vouchers);
    return bench.keep(run, measure, done, postingCheck);
}

} // namespace vant::bench
