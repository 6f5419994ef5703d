#include "bench_support.h"

#include "transfer/transfer_job.h"

namespace vant::bench {

namespace {

// What a transfer leaves in the shadow company, summed so that it can be compared.
QString transferCheck(Database &db)
{
    return QStringList{
        scalarText(db, QStringLiteral("select count(*)||'/'||sum(VoucherNo)||'/'||sum(VoucherSlno)||'/'||"
                                      "sum(OldVoucherNo)||'/'||total(Amount)||'/'||sum(LedgerCode)||'/'||"
                                      "sum(OppLedgerCode) from accvoucher2026 where CompanyCode=2")),
        scalarText(db, QStringLiteral("select count(*)||'/'||sum(VoucherNo)||'/'||total(BillAmount) from AccPending "
                                      "where CompanyCode=2")),
        scalarText(db, QStringLiteral("select count(*)||'/'||sum(VoucherNo)||'/'||sum(length(ChequeNo)) from "
                                      "AccChequeDetails where CompanyCode=2")),
        scalarText(db, QStringLiteral("select count(*) from accdelvoucher")),
        scalarText(db, QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=2")),
        scalarText(db, QStringLiteral("select group_concat(VoucherCode||':'||VoucherSlno) from (select * from "
                                      "AccCompanyVoucherNo where CompanyCode=2 order by VoucherCode)")),
    }
        .join(QLatin1Char(' '));
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

// The earlier copy of the period, logged and cleared.
QStringList clearingStatements()
{
    const QString period = periodCondition();
    const QString copied = QStringLiteral("(select VoucherNo from accvoucher2026 where CompanyCode=2 and "
                                          "isnull(OldVoucherNo,0)<>0 and VoucherDt")
                           + period + QLatin1Char(')');
    const QString log =
        QStringLiteral("insert into accdelvoucher(companycode,actype,voucherno,ledgercode,aid,type,tsid,"
                       "tranyear) select a.companycode,a.actype,a.voucherno,a.ledgercode,l.aid,");
    return {
        log
            + QStringLiteral("'V',a.tsid,'2026' from accvoucher2026 a left join accledgermaster l on "
                             "l.ledgercode=a.ledgercode where a.CompanyCode=2 and isnull(a.OldVoucherNo,0)<>0 and "
                             "a.VoucherDt")
            + period,
        log
            + QStringLiteral("'P',a.slno,'2026' from AccPending a left join accledgermaster l on l.ledgercode="
                             "a.ledgercode where a.CompanyCode=2 and a.VoucherNo in ")
            + copied,
        log
            + QStringLiteral("'C',a.slno,a.tranyear from AccChequeDetails a left join accledgermaster l on "
                             "l.ledgercode=a.ledgercode where a.CompanyCode=2 and a.VoucherNo in ")
            + copied,
        QStringLiteral("delete from AccPending where CompanyCode=2 and VoucherNo in ") + copied,
        QStringLiteral("delete from AccChequeDetails where CompanyCode=2 and VoucherNo in ") + copied,
        QStringLiteral("delete from accvoucher2026 where CompanyCode=2 and isnull(OldVoucherNo,0)<>0 and VoucherDt")
            + period,
    };
}

// Three insert-selects numbering the vouchers with window functions, and the counters.
QStringList copyingStatements()
{
    const QString period = periodCondition();
    const QString shadowNo = QStringLiteral("(select top 1 x.VoucherNo from accvoucher2026 x where x.CompanyCode=2 and "
                                            "x.OldVoucherNo=p.VoucherNo order by x.tsid)");
    const QString copiedVoucher = QStringLiteral("exists (select 1 from accvoucher2026 x where x.CompanyCode=2 and "
                                                 "x.OldVoucherNo=p.VoucherNo)");
    const QString vouchers = QStringLiteral("(select distinct VoucherCode,VoucherNo from accvoucher2026 where "
                                            "CompanyCode=1 and VoucherDt")
                             + period + QLatin1Char(')');
    return {
        QStringLiteral("insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno,ts) select 2,"
                       "d.VoucherCode,'2026',0,getdate() from (select distinct VoucherCode from ")
            + vouchers
            + QStringLiteral(" v) d where not exists (select 1 from AccCompanyVoucherNo s where s.CompanyCode=2 and "
                             "s.VoucherCode=d.VoucherCode and s.TranYear='2026')"),
        QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,"
                       "Amount,VoucherCode,Narration,IsVoucherScr,OppLedgerCode,VoucherSlno,VoucherSlnoOld,BillRefNo,"
                       "OldVoucherNo,Counter,TS,AID,OppAID) select 2,v.DivisionCode,v.AcType,c.Voucherno+dense_rank() "
                       "over (order by v.VoucherCode,v.VoucherNo),v.VoucherDt,v.LedgerCode,v.CrDr,v.Amount,"
                       "v.VoucherCode,v.Narration,v.IsVoucherScr,isnull(v.OppLedgerCode,v.LedgerCode),s.VoucherSlno+"
                       "dense_rank() over (partition by v.VoucherCode order by v.VoucherNo),v.VoucherSlnoOld,"
                       "v.BillRefNo,v.VoucherNo,v.Counter,getdate(),v.AID,v.OppAID from accvoucher2026 v join "
                       "acccompanymaster c on c.CompanyCode=2 join AccCompanyVoucherNo s on s.CompanyCode=2 and "
                       "s.VoucherCode=v.VoucherCode and s.TranYear='2026' where v.CompanyCode=1 and v.VoucherDt")
            + period + QStringLiteral(" order by v.VoucherCode,v.VoucherNo,v.VoucherDt,v.tsid"),
        QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=Voucherno+(select count(*) from ") + vouchers
            + QStringLiteral(" v) where CompanyCode=2"),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(),VoucherSlno=VoucherSlno+(select count(*) from ")
            + vouchers
            + QStringLiteral(" v where v.VoucherCode=AccCompanyVoucherNo.VoucherCode) where CompanyCode=2 and "
                             "TranYear='2026'"),
        QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,"
                       "BillAmount,InvoiceNo,MRC_Amt,DiscAmt,CrDr,TransType,OnAcNo,VoucherCode,Payable,VolumeDisc,"
                       "CashDisc,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,OppAID) select 2,"
                       "p.DivisionCode,p.AcType,p.LedgerCode,")
            + shadowNo
            + QStringLiteral(
                ",p.BillRefNo,p.BillDate,p.BillAmount,p.InvoiceNo,p.MRC_Amt,p.DiscAmt,p.CrDr,p.TransType,"
                "p.OnAcNo,p.VoucherCode,p.Payable,p.VolumeDisc,p.CashDisc,p.TransDate,p.VoucherSlno,"
                "p.TransSlno,p.OppLedgerCode,p.Remarks,p.IsPaid,getdate(),p.AID,p.OppAID from AccPending p "
                "where p.CompanyCode=1 and p.TransDate")
            + period + QStringLiteral(" and ") + copiedVoucher + QStringLiteral(" order by p.TransDate,p.slno"),
        QStringLiteral(
            "insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,"
            "DepositDate,ChequeDate,ClearDate,Status,BankName,Branch,DivisionCode,AcType,VoucherCode,"
            "LedgerCode1,Narration,RefVoucherNo,ChequePrinted,OldRefVoucherNo,TS,AID,AID1) select 2,"
            "p.LedgerCode,")
            + shadowNo
            + QStringLiteral(",ltrim(rtrim(p.ChequeNo)),p.ChequeAmount,p.ReceiveDate,p.DepositDate,p.ChequeDate,"
                             "p.ClearDate,ltrim(rtrim(p.Status)),ltrim(rtrim(p.BankName)),ltrim(rtrim(p.Branch)),"
                             "p.DivisionCode,p.AcType,p.VoucherCode,p.LedgerCode1,ltrim(rtrim(p.Narration)),"
                             "p.RefVoucherNo,ltrim(rtrim(p.ChequePrinted)),p.OldRefVoucherNo,getdate(),p.AID,p.AID1 "
                             "from AccChequeDetails p where p.CompanyCode=1 and p.ReceiveDate")
            + period + QStringLiteral(" and ") + copiedVoucher + QStringLiteral(" order by p.ReceiveDate,p.slno"),
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

// The set-based copy of the same rows.
bool transferReference(Bench &bench, JobRun &run)
{
    const int rows = transferSourceRows(bench.db());
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll(clearingStatements() + copyingStatements());
    const Measure measure = bench.stop(QStringLiteral("transfer"), rows);
    return bench.keep(run, measure, done, transferCheck);
}

} // namespace vant::bench
