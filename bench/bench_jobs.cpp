#include "bench_jobs.h"

#include "bench_data.h"

#include "lookup/lov_controller.h"
#include "lookup/lov_presenter.h"
#include "lookup/mod_vant_lov.h"
#include "posting/posting_filters.h"
#include "posting/posting_job.h"
#include "posting/voucher_grid.h"
#include "session/company_context.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "transfer/transfer_job.h"

#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <functional>

namespace vant::bench {

namespace {

class SilentPrompts : public UserPrompts
{
public:
    void message(const QString &text, const QString &, PromptIcon) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
    }
    bool question(const QString &, const QString &) override { return true; }
    std::optional<QString> textPrompt(const QString &, const QString &, const QString &) override { return {}; }
};

// A value of /proc/self/status in KiB.
qint64 statusKiB(const char *name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QString key = QLatin1String(name) + QLatin1Char(':');
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QString text = QString::fromLatin1(line);
        if (text.startsWith(key))
            return text.mid(key.size()).trimmed().section(QLatin1Char(' '), 0, 0).toLongLong();
    }
    return 0;
}

QString scalarText(Database &db, const QString &statement)
{
    auto rs = db.openRecordset(statement);
    if (!rs) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(rs.error().description));
        return QStringLiteral("error");
    }
    return rs->eof() ? QString() : rs->text(0);
}

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
    }.join(QLatin1Char(' '));
}

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
    }.join(QLatin1Char(' '));
}

// The period the transfer copies: the whole year.
const QString kFrom = QStringLiteral("2026-04-01");
const QString kTo = QStringLiteral("2027-03-31");

struct Bench
{
    SilentPrompts prompts;
    Session session;
    QElapsedTimer timer;
    int statementsAtStart = 0;

    Bench(const QString &file) : session(prompts, QDir(QFileInfo(file).absolutePath()).filePath(QStringLiteral("vantlog.txt")))
    {
        session.DBConnection = connectDatabase(file);
        session.QuoteChar = QStringLiteral("'");
        session.ProductCode = QStringLiteral("Accounts");
        if (session.DBConnection)
            DefaultCompanySet(session);
    }
    Database &db() { return *session.DBConnection; }
    void start()
    {
        statementsAtStart = db().statementCount();
        timer.start();
    }
    Measure stop(const QString &action, int rows)
    {
        return {action, double(timer.nsecsElapsed()) / 1e6, db().statementCount() - statementsAtStart, rows, {}};
    }
    // Runs statements in one transaction, as a reference.
    bool runAll(const QStringList &statements)
    {
        if (!db().beginTransaction())
            return false;
        for (const QString &statement : statements) {
            if (Status done = db().execute(statement); !done) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(done.error().description));
                db().rollbackTransaction();
                return false;
            }
        }
        return bool(db().commitTransaction());
    }
};

int transferSourceRows(Database &db)
{
    const QString period = QStringLiteral(" where CompanyCode=1 and %1 between '") + kFrom + QStringLiteral("' and '")
                           + kTo + QLatin1Char('\'');
    return scalarText(db, QStringLiteral("select count(*) from accvoucher2026") + period.arg(QStringLiteral("VoucherDt")))
               .toInt()
           + scalarText(db, QStringLiteral("select count(*) from AccPending") + period.arg(QStringLiteral("TransDate")))
                 .toInt()
           + scalarText(db, QStringLiteral("select count(*) from AccChequeDetails")
                                + period.arg(QStringLiteral("ReceiveDate")))
                 .toInt();
}

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
    Measure measure = bench.stop(QStringLiteral("transfer"), rows);
    if (!end || *end != TransferEnd::Completed || advanced != rows)
        return false;
    measure.check = transferCheck(bench.db());
    run.measures << measure;
    return true;
}

// The set-based copy of the same rows: clear the earlier copy, then three insert-selects
// numbering the vouchers with window functions.
bool transferReference(Bench &bench, JobRun &run)
{
    const int rows = transferSourceRows(bench.db());
    const QString period = QStringLiteral(" between '") + kFrom + QStringLiteral("' and '") + kTo + QLatin1Char('\'');
    const QString copied = QStringLiteral("(select VoucherNo from accvoucher2026 where CompanyCode=2 and "
                                          "isnull(OldVoucherNo,0)<>0 and VoucherDt")
                           + period + QLatin1Char(')');
    const QString log = QStringLiteral("insert into accdelvoucher(companycode,actype,voucherno,ledgercode,aid,type,tsid,"
                                       "tranyear) select a.companycode,a.actype,a.voucherno,a.ledgercode,l.aid,");
    const QString shadowNo = QStringLiteral("(select top 1 x.VoucherNo from accvoucher2026 x where x.CompanyCode=2 and "
                                            "x.OldVoucherNo=p.VoucherNo order by x.tsid)");
    const QString copiedVoucher = QStringLiteral("exists (select 1 from accvoucher2026 x where x.CompanyCode=2 and "
                                                 "x.OldVoucherNo=p.VoucherNo)");
    const QString vouchers = QStringLiteral("(select distinct VoucherCode,VoucherNo from accvoucher2026 where "
                                            "CompanyCode=1 and VoucherDt")
                             + period + QLatin1Char(')');
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll({
        log + QStringLiteral("'V',a.tsid,'2026' from accvoucher2026 a left join accledgermaster l on "
                             "l.ledgercode=a.ledgercode where a.CompanyCode=2 and isnull(a.OldVoucherNo,0)<>0 and "
                             "a.VoucherDt")
            + period,
        log + QStringLiteral("'P',a.slno,'2026' from AccPending a left join accledgermaster l on l.ledgercode="
                             "a.ledgercode where a.CompanyCode=2 and a.VoucherNo in ")
            + copied,
        log + QStringLiteral("'C',a.slno,a.tranyear from AccChequeDetails a left join accledgermaster l on "
                             "l.ledgercode=a.ledgercode where a.CompanyCode=2 and a.VoucherNo in ")
            + copied,
        QStringLiteral("delete from AccPending where CompanyCode=2 and VoucherNo in ") + copied,
        QStringLiteral("delete from AccChequeDetails where CompanyCode=2 and VoucherNo in ") + copied,
        QStringLiteral("delete from accvoucher2026 where CompanyCode=2 and isnull(OldVoucherNo,0)<>0 and VoucherDt")
            + period,
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
            + QStringLiteral(",p.BillRefNo,p.BillDate,p.BillAmount,p.InvoiceNo,p.MRC_Amt,p.DiscAmt,p.CrDr,p.TransType,"
                             "p.OnAcNo,p.VoucherCode,p.Payable,p.VolumeDisc,p.CashDisc,p.TransDate,p.VoucherSlno,"
                             "p.TransSlno,p.OppLedgerCode,p.Remarks,p.IsPaid,getdate(),p.AID,p.OppAID from AccPending p "
                             "where p.CompanyCode=1 and p.TransDate")
            + period + QStringLiteral(" and ") + copiedVoucher + QStringLiteral(" order by p.TransDate,p.slno"),
        QStringLiteral("insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,"
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
    });
    Measure measure = bench.stop(QStringLiteral("transfer"), rows);
    if (!done)
        return false;
    measure.check = transferCheck(bench.db());
    run.measures << measure;
    return true;
}

bool postingJob(Bench &bench, JobRun &run)
{
    VoucherGrid grid;
    if (!LoadOffLineVouchers(bench.session, {1, QDate::fromString(kPostingDay, Qt::ISODate), QStringLiteral("SA"),
                                             QStringLiteral("CA")},
                             grid))
        return false;
    grid.selectAll();
    const MarkedVouchers marked = grid.markedVouchers();
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const PostingEnd end = PostingJob(bench.session, 0).SaveTrans(marked);
    Measure measure = bench.stop(QStringLiteral("posting"), int(marked.rows));
    if (end != PostingEnd::Completed)
        return false;
    measure.check = postingCheck(bench.db());
    run.measures << measure;
    return true;
}

// The set-based posting of the same vouchers: numbered by window functions, copied and flagged
// with a few statements in one transaction.
bool postingReference(Bench &bench, JobRun &run)
{
    const QString unmoved = QStringLiteral("x.CompanyCode=1 and isnull(x.Moved,'N')='N'");
    const QString newNumber = QStringLiteral("(select top 1 v.VoucherNo from accvoucher2026 v where v.CompanyCode=1 "
                                             "and v.OldVoucherNo=p.VoucherNo)");
    const QString newSubNo = QStringLiteral("(select top 1 v.VoucherSlno from accvoucher2026 v where v.CompanyCode=1 "
                                            "and v.OldVoucherNo=p.VoucherNo)");
    const QString aid = QStringLiteral("(select aid from accledgermaster l where l.ledgercode=%1)");
    const int vouchers = scalarText(bench.db(), QStringLiteral("select count(distinct VoucherNo) from "
                                                               "AccOffLineVoucher x where ")
                                                    + unmoved)
                             .toInt();
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll({
        QStringLiteral("insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno,ts) select "
                       "distinct 1,x.VoucherCode,'2026',0,getdate() from AccOffLineVoucher x where ")
            + unmoved
            + QStringLiteral(" and not exists (select 1 from AccCompanyVoucherNo s where s.CompanyCode=1 and "
                             "s.VoucherCode=x.VoucherCode and s.TranYear='2026')"),
        QStringLiteral("insert into accvoucher2026 (CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
                       "CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,"
                       "OldVoucherNo,TS,AID,OppAID) select x.CompanyCode,x.DivisionCode,x.AcType,c.Voucherno+"
                       "dense_rank() over (order by x.VoucherNo),x.VoucherDt,x.LedgerCode,x.CrDr,x.Amount,x.VoucherCode,"
                       "x.Narration,'N',s.VoucherSlno+dense_rank() over (partition by x.VoucherCode order by "
                       "x.VoucherNo),x.OppLedgerCode,x.BillRefNo,x.OldVoucherNo,getdate(),")
            + aid.arg(QStringLiteral("x.LedgerCode")) + QLatin1Char(',') + aid.arg(QStringLiteral("x.OppLedgerCode"))
            + QStringLiteral(" from AccOffLineVoucher x join acccompanymaster c on c.CompanyCode=1 join "
                             "AccCompanyVoucherNo s on s.CompanyCode=1 and s.VoucherCode=x.VoucherCode and "
                             "s.TranYear='2026' where ")
            + unmoved + QStringLiteral(" order by x.VoucherNo"),
        QStringLiteral("update AccOffLineVoucher set Moved='Y' where CompanyCode=1 and isnull(Moved,'N')='N'"),
        QStringLiteral("insert into AccPending (CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,"
                       "BillAmount,InvoiceNo,MRC_Amt,CrDr,TransType,OnAcNo,VoucherCode,Payable,DiscAmt,VoucherSlno,"
                       "TransDate,OppLedgerCode,Remarks,TS,AID,OppAID) select p.CompanyCode,p.DivisionCode,p.AcType,"
                       "p.LedgerCode,")
            + newNumber + QStringLiteral(",p.BillRefNo,p.billdate,p.billamount,p.InvoiceNo,p.MRC_Amt,p.CrDr,p.TransType,"
                                         "try_convert(float,p.OnAcNo),p.VoucherCode,p.Payable,p.discamt,")
            + newSubNo + QStringLiteral(",p.billdate,p.OppLedgerCode,p.Remarks,getdate(),")
            + aid.arg(QStringLiteral("p.LedgerCode")) + QLatin1Char(',') + aid.arg(QStringLiteral("p.OppLedgerCode"))
            + QStringLiteral(" from AccOffLinePending p where p.CompanyCode=1 order by p.VoucherNo"),
        QStringLiteral("INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,ReceiveDate,"
                       "ChequeDate,Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,Narration,"
                       "ChequePrinted,DepositDate,AID,AID1) select p.CompanyCode,p.LedgerCode,")
            + newNumber
            + QStringLiteral(",p.ChequeNo,p.ChequeAmount,p.ReceiveDate,p.ChequeDate,p.Status,p.BankName,'',p.DivisionId,"
                             "p.AcType,p.VoucherCode,p.LedgerCode1,'',p.ChequePrinted,p.DepositDate,")
            + aid.arg(QStringLiteral("p.LedgerCode")) + QLatin1Char(',') + aid.arg(QStringLiteral("p.LedgerCode1"))
            + QStringLiteral(" from AccOffLineChequeDet p where p.CompanyCode=1 order by p.VoucherNo"),
        QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=Voucherno+") + QString::number(vouchers)
            + QStringLiteral(" where CompanyCode=1"),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(),VoucherSlno=(select max(v.VoucherSlno) from "
                       "accvoucher2026 v where v.CompanyCode=1 and v.VoucherCode=AccCompanyVoucherNo.VoucherCode) "
                       "where CompanyCode=1 and TranYear='2026'"),
    });
    Measure measure = bench.stop(QStringLiteral("posting"), vouchers);
    if (!done)
        return false;
    measure.check = postingCheck(bench.db());
    run.measures << measure;
    return true;
}

// Plays the user in the lookup window: each move is timed.
class TimedPresenter : public LovPresenter
{
public:
    explicit TimedPresenter(Bench &bench) : m_bench(bench) {}

    void present(LovController &window) override
    {
        shown << m_bench.stop(QStringLiteral("lookup first page"), 0);
        shown.last().check = window.countLabel() + QLatin1Char('|') + window.cell(1, 1);
        if (moves)
            moves(window);
        window.leave();
    }

    std::function<void(LovController &)> moves;
    QList<Measure> shown;

private:
    Bench &m_bench;
};

const QString kLookupQuery = QStringLiteral("select Name,Code,City from benchitems");

bool lookupJob(Bench &bench, JobRun &run)
{
    const int rows = scalarText(bench.db(), QStringLiteral("select count(*) from benchitems")).toInt();
    TimedPresenter presenter(bench);
    bench.session.lovPresenter = &presenter;
    presenter.moves = [&](LovController &window) {
        const auto timed = [&](const QString &action, const std::function<QString()> &move) {
            bench.start();
            const QString check = move();
            Measure measure = bench.stop(action, rows);
            measure.check = check;
            presenter.shown << measure;
        };
        timed(QStringLiteral("lookup Page Down"), [&] {
            window.nextPage();
            return window.countLabel() + QLatin1Char('|') + window.cell(1, 1);
        });
        timed(QStringLiteral("lookup search key"), [&] {
            window.typeText(QStringLiteral("K"));
            return window.cell(window.currentRow(), 1);
        });
        timed(QStringLiteral("lookup search key"), [&] {
            window.typeText(QStringLiteral("o"));
            return window.cell(window.currentRow(), 1);
        });
        timed(QStringLiteral("lookup sort by another column"), [&] {
            window.sortByHead(3);
            return window.cell(1, 3);
        });
    };
    ModVantLov lov(bench.session);
    lov.LovSearchField = QStringLiteral("Name");
    LovRequest request;
    request.Query = kLookupQuery;
    request.ColumnWidths = QStringLiteral("3000,1000,2000");
    request.ColumnHeads = QStringLiteral("Name,Code,City");
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    if (!lov.ShowLov(request) || presenter.shown.size() != 5)
        return false;
    presenter.shown.first().rows = rows;
    // The two keys count as one search: the slower is reported.
    Measure search = presenter.shown.at(2);
    search.ms = std::max(search.ms, presenter.shown.at(3).ms);
    search.check += QLatin1Char('|') + presenter.shown.at(3).check;
    run.measures << presenter.shown.at(0) << presenter.shown.at(1) << search << presenter.shown.at(4);
    return true;
}

// A paged top/limit query for each move, and the values the window should then show.
bool lookupReference(Bench &bench, JobRun &run)
{
    const int rows = scalarText(bench.db(), QStringLiteral("select count(*) from benchitems")).toInt();
    const auto timed = [&](const QString &action, const QString &statement, const QString &check) {
        bench.start();
        auto rs = bench.db().openRecordset(statement);
        Measure measure = bench.stop(action, rows);
        if (!rs)
            return false;
        measure.check = check;
        run.measures << measure;
        return true;
    };
    const QString ordered = kLookupQuery + QStringLiteral(" order by Name,Code,City");
    const QString first = scalarText(bench.db(), QStringLiteral("select top 1 Name from benchitems order by Name,Code"));
    const QString second = scalarText(bench.db(), ordered + QStringLiteral(" offset 20 rows fetch next 1 rows only"));
    const QString k = scalarText(bench.db(), QStringLiteral("select min(Name) from benchitems where Name like 'K%'"));
    const QString ko = scalarText(bench.db(), QStringLiteral("select min(Name) from benchitems where Name like 'Ko%'"));
    const QString city = scalarText(bench.db(), QStringLiteral("select min(City) from benchitems"));
    run.startKiB = statusKiB("VmRSS");
    return timed(QStringLiteral("lookup first page"), QStringLiteral("select top 20 Name,Code,City from benchitems "
                                                                     "order by Name"),
                 QStringLiteral("Records : 1/%1|%2").arg(rows).arg(first))
           && timed(QStringLiteral("lookup Page Down"), ordered + QStringLiteral(" offset 20 rows fetch next 20 rows only"),
                    QStringLiteral("Records : 21/%1|%2").arg(rows).arg(second))
           && timed(QStringLiteral("lookup search key"), QStringLiteral("select top 20 Name,Code,City from benchitems "
                                                                        "where Name>='Ko' order by Name"),
                    k + QLatin1Char('|') + ko)
           && timed(QStringLiteral("lookup sort by another column"),
                    QStringLiteral("select top 20 Name,Code,City from benchitems order by City"), city);
}

QString dataList(int values)
{
    QStringList rows;
    for (int i = 1; i <= values; ++i)
        rows << QStringLiteral("Value %1").arg(i, 5, 10, QLatin1Char('0')) + QStringLiteral("!@#$%") + QString::number(i);
    return rows.join(QStringLiteral("^&*()"));
}

bool dataListJob(Bench &bench, int values, JobRun &run)
{
    TimedPresenter presenter(bench);
    bench.session.lovPresenter = &presenter;
    ModVantLov lov(bench.session);
    LovRequest request;
    request.Query = dataList(values);
    request.DataList = 1;
    request.ColumnWidths = QStringLiteral("3000,1000");
    request.ColumnHeads = QStringLiteral("Value,Code");
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    if (!lov.ShowLov(request) || presenter.shown.size() != 1)
        return false;
    Measure measure = presenter.shown.first();
    measure.action = QStringLiteral("lookup of a data list");
    measure.rows = values;
    run.measures << measure;
    return true;
}

// One insert of all values (two statements: SQL Server takes 1,000 rows per values list).
bool dataListReference(Bench &bench, int values, JobRun &run)
{
    QStringList lists;
    for (int i = 1; i <= values; ++i)
        lists << QStringLiteral("('Value %1','%2')").arg(i, 5, 10, QLatin1Char('0')).arg(i);
    QStringList statements = {QStringLiteral("create table BenchList (Field1 varchar(500),Field2 varchar(500))")};
    for (qsizetype start = 0; start < lists.size(); start += 1000)
        statements << QStringLiteral("insert into BenchList values ") + lists.mid(start, 1000).join(QLatin1Char(','));
    run.startKiB = statusKiB("VmRSS");
    bench.start();
    const bool done = bench.runAll(statements);
    Measure measure = bench.stop(QStringLiteral("lookup of a data list"), values);
    if (!done)
        return false;
    measure.check = QStringLiteral("Records : 1/%1|Value 00001").arg(values);
    run.measures << measure;
    return true;
}

} // namespace

QStringList jobNames()
{
    return {QStringLiteral("transfer"), QStringLiteral("transfer-ref"), QStringLiteral("posting"),
            QStringLiteral("posting-ref"), QStringLiteral("lookup"), QStringLiteral("lookup-ref"),
            QStringLiteral("datalist"), QStringLiteral("datalist-ref")};
}

bool runJob(const QString &job, const QString &databaseFile, int dataListValues, JobRun &run)
{
    Bench bench(databaseFile);
    if (!bench.session.DBConnection)
        return false;
    bool done = false;
    if (job == u"transfer")
        done = transferJob(bench, run);
    else if (job == u"transfer-ref")
        done = transferReference(bench, run);
    else if (job == u"posting")
        done = postingJob(bench, run);
    else if (job == u"posting-ref")
        done = postingReference(bench, run);
    else if (job == u"lookup")
        done = lookupJob(bench, run);
    else if (job == u"lookup-ref")
        done = lookupReference(bench, run);
    else if (job == u"datalist")
        done = dataListJob(bench, dataListValues, run);
    else if (job == u"datalist-ref")
        done = dataListReference(bench, dataListValues, run);
    run.peakKiB = statusKiB("VmHWM");
    return done;
}

QString formatRun(const JobRun &run)
{
    QStringList lines = {QStringLiteral("memory\t%1\t%2").arg(run.peakKiB).arg(run.startKiB)};
    for (const Measure &measure : run.measures) {
        lines << QStringLiteral("measure\t%1\t%2\t%3\t%4\t%5")
                     .arg(measure.action)
                     .arg(measure.ms, 0, 'f', 3)
                     .arg(measure.statements)
                     .arg(measure.rows)
                     .arg(measure.check);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool parseRun(const QString &text, JobRun &run)
{
    bool sawMemory = false;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.value(0) == u"memory" && parts.size() == 3) {
            run.peakKiB = parts.at(1).toLongLong();
            run.startKiB = parts.at(2).toLongLong();
            sawMemory = true;
        } else if (parts.value(0) == u"measure" && parts.size() == 6) {
            run.measures << Measure{parts.at(1), parts.at(2).toDouble(), parts.at(3).toInt(), parts.at(4).toInt(),
                                    parts.at(5)};
        }
    }
    return sawMemory && !run.measures.isEmpty();
}

} // namespace vant::bench
