#include "bench_support.h"

#include "db/copy_forms.h"
#include "posting/posting_filters.h"
#include "posting/posting_job.h"
#include "posting/voucher_grid.h"

namespace vant::bench {

namespace {

// What a posting leaves in the default company, summed so that it can be compared.
QString postingCheck(Database &db)
{
    return QStringList{
        scalarText(db, QStringLiteral("select count(*)||'/'||sum(VoucherNo)||'/'||count(distinct VoucherNo)||'/'||"
                                      "sum(VoucherSlno)||'/'||total(Amount)||'/'||sum(AID)||'/'||sum(OppAID) from "
                                      "accvoucher2026 where CompanyCode=1")),
        scalarText(db, QStringLiteral("select count(*) from AccOffLineVoucher where Moved='Y'")),
        scalarText(db, QStringLiteral("select count(*)||'/'||sum(VoucherNo)||'/'||sum(OnAcNo) from AccPending")),
        scalarText(db, QStringLiteral("select count(*)||'/'||sum(VoucherNo) from AccChequeDetails")),
        scalarText(db, QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=1")),
        scalarText(db, QStringLiteral("select group_concat(VoucherCode||':'||VoucherSlno) from AccCompanyVoucherNo")),
    }
        .join(QLatin1Char(' '));
}

// The default company's off-line lines not posted yet.
const QString kUnmoved = QStringLiteral("x.CompanyCode=1 and isnull(x.Moved,'N')='N'");

// The vouchers numbered by window functions, copied and flagged with a few statements.
QStringList postingStatements(int vouchers)
{
    const QString newNumber = QStringLiteral("(select top 1 v.VoucherNo from accvoucher2026 v where v.CompanyCode=1 "
                                             "and v.OldVoucherNo=p.VoucherNo)");
    const QString newSubNo = QStringLiteral("(select top 1 v.VoucherSlno from accvoucher2026 v where v.CompanyCode=1 "
                                            "and v.OldVoucherNo=p.VoucherNo)");
    const QString aid = QStringLiteral("(select aid from accledgermaster l where l.ledgercode=%1)");
    return {
        QStringLiteral("insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno,ts) select "
                       "distinct 1,x.VoucherCode,'2026',0,getdate() from AccOffLineVoucher x where ")
            + kUnmoved
            + QStringLiteral(" and not exists (select 1 from AccCompanyVoucherNo s where s.CompanyCode=1 and "
                             "s.VoucherCode=x.VoucherCode and s.TranYear='2026')"),
        QStringLiteral(
            "insert into accvoucher2026 (CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
            "CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,"
            "OldVoucherNo,TS,AID,OppAID) select x.CompanyCode,x.DivisionCode,x.AcType,c.Voucherno+"
            "dense_rank() over (order by x.VoucherNo),x.VoucherDt,x.LedgerCode,x.CrDr,x.Amount,x.VoucherCode,"
            "x.Narration,'N',s.VoucherSlno+dense_rank() over (partition by x.VoucherCode order by "
            "x.VoucherNo),x.OppLedgerCode,x.BillRefNo,x.OldVoucherNo,getdate(),")
            + aid.arg(QStringLiteral("x.LedgerCode")) + QLatin1Char(',') + aid.arg(QStringLiteral("x.OppLedgerCode"))
            + QStringLiteral(" from AccOffLineVoucher x join acccompanymaster c on c.CompanyCode=1 join "
                             "AccCompanyVoucherNo s on s.CompanyCode=1 and s.VoucherCode=x.VoucherCode and "
                             "s.TranYear='2026' where ")
            + kUnmoved + QStringLiteral(" order by x.VoucherNo"),
        QStringLiteral("update AccOffLineVoucher set Moved='Y' where CompanyCode=1 and isnull(Moved,'N')='N'"),
        QStringLiteral(
            "insert into AccPending (CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,"
            "BillAmount,InvoiceNo,MRC_Amt,CrDr,TransType,OnAcNo,VoucherCode,Payable,DiscAmt,VoucherSlno,"
            "TransDate,OppLedgerCode,Remarks,TS,AID,OppAID) select p.CompanyCode,p.DivisionCode,p.AcType,"
            "p.LedgerCode,")
            + newNumber
            + QStringLiteral(",p.BillRefNo,p.billdate,p.billamount,p.InvoiceNo,p.MRC_Amt,p.CrDr,p.TransType,")
            + copyform::leadingNumber(QStringLiteral("p.OnAcNo"))
            + QStringLiteral(",p.VoucherCode,p.Payable,p.discamt,") + newSubNo
            + QStringLiteral(",p.billdate,p.OppLedgerCode,p.Remarks,getdate(),")
            + aid.arg(QStringLiteral("p.LedgerCode")) + QLatin1Char(',') + aid.arg(QStringLiteral("p.OppLedgerCode"))
            + QStringLiteral(" from AccOffLinePending p where p.CompanyCode=1 order by p.VoucherNo"),
        QStringLiteral(
            "INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,"
            "ChequeDate,Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,Narration,"
            "ChequePrinted,DepositDate,AID,AID1) select p.CompanyCode,p.LedgerCode,")
            + newNumber
            + QStringLiteral(
                ",p.ChequeNo,p.ChequeAmount,p.ReceiveDate,p.ChequeDate,p.Status,p.BankName,'',p.DivisionId,"
                "p.AcType,p.VoucherCode,p.LedgerCode1,'',p.ChequePrinted,p.DepositDate,")
            + aid.arg(QStringLiteral("p.LedgerCode")) + QLatin1Char(',') + aid.arg(QStringLiteral("p.LedgerCode1"))
            + QStringLiteral(" from AccOffLineChequeDet p where p.CompanyCode=1 order by p.VoucherNo"),
        QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=Voucherno+") + QString::number(vouchers)
            + QStringLiteral(" where CompanyCode=1"),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(),VoucherSlno=(select max(v.VoucherSlno) from "
                       "accvoucher2026 v where v.CompanyCode=1 and v.VoucherCode=AccCompanyVoucherNo.VoucherCode) "
                       "where CompanyCode=1 and TranYear='2026'"),
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

// The set-based posting of the same vouchers, in one transaction.
bool postingReference(Bench &bench, JobRun &run)
{
    const int vouchers = scalarText(bench.db(), QStringLiteral("select count(distinct VoucherNo) from "
                                                               "AccOffLineVoucher x where ")
                                                    + kUnmoved)
                             .toInt();
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll(postingStatements(vouchers));
    const Measure measure = bench.stop(QStringLiteral("posting"), vouchers);
    return bench.keep(run, measure, done, postingCheck);
}

} // namespace vant::bench
