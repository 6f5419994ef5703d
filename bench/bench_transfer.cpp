#include "bench_check.h"
#include "bench_support.h"

#include "transfer/transfer_job.h"

namespace vant::bench {

namespace {

// What a transfer leaves: the shadow's rows, the deletion log, the counters and divisions.
QString transferCheck(Database &db)
{
    return tablesDigest(db, {QStringLiteral("accvoucher2026"), QStringLiteral("AccPending"),
                             QStringLiteral("AccChequeDetails"), QStringLiteral("accdelvoucher"),
                             QStringLiteral("acccompanymaster"), QStringLiteral("AccCompanyVoucherNo"),
                             QStringLiteral("accdivisionmaster")});
}

// The period the transfer copies: the whole year.
const QString kFrom = QStringLiteral("2026-04-01");
const QString kTo = QStringLiteral("2027-03-31");

int transferSourceRows(Database &db)
{
    const QString period = QStringLiteral(" where CompanyCode=1 and %1 between '") + kFrom + QStringLiteral("' and '")
                           + kTo + QLatin1Char('\'');
    return scalarText(db,
                      QStringLiteral("select count(*) from accvoucher2026") + period.arg(QStringLiteral("VoucherDt")))
               .toInt()
           + scalarText(db, QStringLiteral("select count(*) from AccPending") + period.arg(QStringLiteral("TransDate")))
                 .toInt()
           + scalarText(db, QStringLiteral("select count(*) from AccChequeDetails")
                                + period.arg(QStringLiteral("ReceiveDate")))
                 .toInt();
}

// " between 'from' and 'to'" of the period.
QString periodCondition()
{
    return QStringLiteral(" between '") + kFrom + QStringLiteral("' and '") + kTo + QLatin1Char('\'');
}

// The lean script of the same work, as a person who knows this data would write it, made lean so:
// - no check that changes nothing here: every value is a clean number or date of its column,
//   so rows are copied as they are stored (only the cheque's blanks are trimmed), and no row
//   is looked at for a refusal;
// - the earlier copy's rows are found once (#VantOldRows, keyed by row) for their log and their
//   delete, and their voucher numbers gathered from them (#VantOld, keyed by number) for the log
//   and the deletes of the bill-wise and cheque rows;
// - the rows of the period are sorted once, by a work table whose key is the copy's order
//   (#VantRows): the numbering and the insert read it in key order without another sort;
// - one numbering pass (#VantNumbers, keyed by code and number and by number alone) gives each
//   voucher its number and sub-number, the counters their last values and the bill-wise and
//   cheque rows their voucher, by a join on its keys;
// - the bill-wise and cheque rows are read in the order of their date index, which is the order
//   in which they are written;
// - the plans (vant_bench --profile) read each table once through an index or by row id, with
//   no sort but the work table's key and the numbering's windows.
// Voucher numbers are unique across codes in this data (the unique key says so), and the
// shadow holds no copies from outside the period.
QStringList leanClearing()
{
    const QString log = QStringLiteral("insert into accdelvoucher(companycode,actype,voucherno,ledgercode,aid,type,"
                                       "tsid,tranyear) select a.CompanyCode,a.AcType,a.VoucherNo,a.LedgerCode,l.aid,");
    const QString ledger = QStringLiteral(" left join accledgermaster l on l.ledgercode=a.LedgerCode");
    return {
        QStringLiteral("create table #VantOldRows (Tsid int primary key, VoucherNo int)"),
        QStringLiteral("insert into #VantOldRows(Tsid,VoucherNo) select tsid,VoucherNo from accvoucher2026 where "
                       "CompanyCode=2 and OldVoucherNo<>0 and VoucherDt")
            + periodCondition(),
        QStringLiteral("create table #VantOld (VoucherNo int primary key)"),
        QStringLiteral("insert into #VantOld(VoucherNo) select distinct VoucherNo from #VantOldRows"),
        log + QStringLiteral("'V',a.tsid,'2026' from #VantOldRows o join accvoucher2026 a on a.tsid=o.Tsid") + ledger,
        log
            + QStringLiteral("'P',a.slno,'2026' from #VantOld o join AccPending a on a.CompanyCode=2 and "
                             "a.VoucherNo=o.VoucherNo")
            + ledger,
        log
            + QStringLiteral("'C',a.slno,a.tranyear from #VantOld o join AccChequeDetails a on a.CompanyCode=2 and "
                             "a.VoucherNo=o.VoucherNo")
            + ledger,
        QStringLiteral("delete from AccPending where CompanyCode=2 and VoucherNo in (select VoucherNo from #VantOld)"),
        QStringLiteral("delete from AccChequeDetails where CompanyCode=2 and VoucherNo in (select VoucherNo from "
                       "#VantOld)"),
        QStringLiteral("delete from accvoucher2026 where tsid in (select Tsid from #VantOldRows)"),
        QStringLiteral("drop table #VantOldRows"),
        QStringLiteral("drop table #VantOld"),
    };
}

QStringList leanCopy()
{
    const QString period = periodCondition();
    return {
        QStringLiteral("insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) select 2,DivisionCode,"
                       "DivisionName from accdivisionmaster where CompanyCode=1 and DivisionCode not in (select "
                       "DivisionCode from accdivisionmaster where CompanyCode=2)"),
        QStringLiteral("create table #VantRows (VoucherCode int, VoucherNo int, VoucherDt datetime, Tsid int, primary "
                       "key (VoucherCode,VoucherNo,VoucherDt,Tsid))"),
        QStringLiteral("insert into #VantRows(VoucherCode,VoucherNo,VoucherDt,Tsid) select VoucherCode,VoucherNo,"
                       "VoucherDt,tsid from accvoucher2026 where CompanyCode=1 and VoucherDt")
            + period,
        QStringLiteral("create table #VantNumbers (VoucherCode int, VoucherNo int, NewNo int, SubNo int, primary key "
                       "(VoucherCode,VoucherNo), unique (VoucherNo))"),
        QStringLiteral("insert into #VantNumbers(VoucherCode,VoucherNo,NewNo,SubNo) select d.VoucherCode,d.VoucherNo,"
                       "c.Voucherno+row_number() over (order by d.VoucherCode,d.VoucherNo),isnull(s.VoucherSlno,0)+"
                       "row_number() over (partition by d.VoucherCode order by d.VoucherNo) from (select distinct "
                       "VoucherCode,VoucherNo from #VantRows) d join acccompanymaster c on c.CompanyCode=2 left join "
                       "AccCompanyVoucherNo s on s.CompanyCode=2 and s.VoucherCode=d.VoucherCode and "
                       "s.TranYear='2026'"),
        QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,"
                       "Amount,VoucherCode,Narration,IsVoucherScr,OppLedgerCode,VoucherSlno,VoucherSlnoOld,BillRefNo,"
                       "OldVoucherNo,Counter,TS,AID,OppAID) select 2,v.DivisionCode,v.AcType,n.NewNo,v.VoucherDt,"
                       "v.LedgerCode,v.CrDr,v.Amount,v.VoucherCode,v.Narration,v.IsVoucherScr,isnull(v.OppLedgerCode,"
                       "v.LedgerCode),n.SubNo,v.VoucherSlnoOld,v.BillRefNo,v.VoucherNo,v.Counter,getdate(),v.AID,"
                       "v.OppAID from #VantRows r join #VantNumbers n on n.VoucherCode=r.VoucherCode and "
                       "n.VoucherNo=r.VoucherNo join accvoucher2026 v on v.tsid=r.Tsid order by r.VoucherCode,"
                       "r.VoucherNo,r.VoucherDt,r.Tsid"),
        QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=Voucherno+(select count(*) from "
                       "#VantNumbers) where CompanyCode=2"),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(),VoucherSlno=(select max(n.SubNo) from #VantNumbers "
                       "n where n.VoucherCode=AccCompanyVoucherNo.VoucherCode) where CompanyCode=2 and "
                       "TranYear='2026' and VoucherCode in (select VoucherCode from #VantNumbers)"),
        QStringLiteral(
            "insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno,ts) select 2,"
            "n.VoucherCode,'2026',max(n.SubNo),getdate() from #VantNumbers n where not exists (select 1 from "
            "AccCompanyVoucherNo s where s.CompanyCode=2 and s.VoucherCode=n.VoucherCode and "
            "s.TranYear='2026') group by n.VoucherCode"),
        QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,"
                       "BillAmount,InvoiceNo,MRC_Amt,DiscAmt,CrDr,TransType,OnAcNo,VoucherCode,Payable,VolumeDisc,"
                       "CashDisc,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,OppAID) select 2,"
                       "p.DivisionCode,p.AcType,p.LedgerCode,n.NewNo,p.BillRefNo,p.BillDate,p.BillAmount,p.InvoiceNo,"
                       "p.MRC_Amt,p.DiscAmt,p.CrDr,p.TransType,p.OnAcNo,p.VoucherCode,p.Payable,p.VolumeDisc,"
                       "p.CashDisc,p.TransDate,p.VoucherSlno,p.TransSlno,p.OppLedgerCode,p.Remarks,p.IsPaid,getdate(),"
                       "p.AID,p.OppAID from AccPending p join #VantNumbers n on n.VoucherNo=p.VoucherNo where "
                       "p.CompanyCode=1 and p.TransDate")
            + period + QStringLiteral(" order by p.TransDate,p.slno"),
        QStringLiteral(
            "insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,"
            "DepositDate,ChequeDate,ClearDate,Status,BankName,Branch,DivisionCode,AcType,VoucherCode,"
            "LedgerCode1,Narration,RefVoucherNo,ChequePrinted,OldRefVoucherNo,TS,AID,AID1) select 2,"
            "p.LedgerCode,n.NewNo,ltrim(rtrim(p.ChequeNo)),p.ChequeAmount,p.ReceiveDate,p.DepositDate,"
            "p.ChequeDate,p.ClearDate,p.Status,p.BankName,p.Branch,p.DivisionCode,p.AcType,p.VoucherCode,"
            "p.LedgerCode1,p.Narration,p.RefVoucherNo,p.ChequePrinted,p.OldRefVoucherNo,getdate(),p.AID,"
            "p.AID1 from AccChequeDetails p join #VantNumbers n on n.VoucherNo=p.VoucherNo where "
            "p.CompanyCode=1 and p.ReceiveDate")
            + period + QStringLiteral(" order by p.ReceiveDate,p.slno"),
        QStringLiteral("drop table #VantRows"),
        QStringLiteral("drop table #VantNumbers"),
    };
}

} // namespace

bool transferJob(Bench &bench, JobRun &run)
{
    const int rows = transferSourceRows(bench.db());
    int advanced = 0;
    const TransferFeedback feedback{{}, {}, [&advanced](int copied) { advanced += copied; }};
    const TransferRequest request{QStringLiteral("1"), QStringLiteral("2"), QDate::fromString(kFrom, Qt::ISODate),
                                  QDate::fromString(kTo, Qt::ISODate)};
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const auto end = TransferJob(bench.session, request).run(feedback);
    const Measure measure = bench.stop(QStringLiteral("transfer"), rows);
    return bench.keep(run, measure, end && *end == TransferEnd::Completed && advanced == rows, transferCheck);
}

// The lean script of the same copy.
bool transferReference(Bench &bench, JobRun &run)
{
    const int rows = transferSourceRows(bench.db());
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll(leanClearing() + leanCopy());
    const Measure measure = bench.stop(QStringLiteral("transfer"), rows);
    return bench.keep(run, measure, done, transferCheck);
}

} // namespace vant::bench
