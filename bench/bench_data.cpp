#include "bench_data.h"

#include "db/accounts_schema.h"

#include <QFileInfo>
#include <QSqlDatabase>

#include <cstdio>

namespace vant::bench {

namespace {

bool run(Database &db, const QStringList &statements)
{
    for (const QString &statement : statements) {
        if (Status done = db.execute(statement); !done) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(done.error().description));
            return false;
        }
    }
    return true;
}

// The text with each {name} replaced: statements full of % leave no room for QString::arg().
QString fill(QString text, std::initializer_list<std::pair<const char *, QString>> values)
{
    for (const auto &[name, value] : values)
        text.replace(QLatin1Char('{') + QLatin1String(name) + QLatin1Char('}'), value);
    return text;
}

// Rows 1 to count as "n(i)", for an insert's select.
QString numbers(int count)
{
    return QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<")
           + QString::number(count) + QStringLiteral(") ");
}

bool seedCompanies(Database &db)
{
    return run(
        db,
        {
            QStringLiteral(
                "insert into acccompanymaster(CompanyCode,CompanyName,DefaultCompany,DefaultDIvision,defaultyear,"
                "FinYearBegin,Voucherno) values (1,'Kormo Traders','Y',1,'2026','2026-04-01',0)"),
            QStringLiteral(
                "insert into acccompanymaster(CompanyCode,CompanyName,DefaultCompany,DefaultDIvision,defaultyear,"
                "FinYearBegin,parentcompanycode,Voucherno) values (2,'Kormo Shadow','N',1,'2026','2026-04-01',"
                "1,0)"),
            QStringLiteral("insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,1,'Main')"),
            QStringLiteral("insert into accyearenddetails(companycode,FinancialYear,FinYearBegin) values "
                           "(1,'2026','2026-04-01')"),
            numbers(50)
                + QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) select 100+i,"
                                 "'Ledger '||i,9100+i from n"),
        });
}

} // namespace

std::unique_ptr<Database> createDatabase(const QString &file)
{
    {
        QSqlDatabase create = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-create"));
        create.setDatabaseName(file);
        create.open();
        create.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-create"));
    auto db = connectDatabase(file);
    if (!db || !createAccountsSchema(*db, {QStringLiteral("2026")}) || !seedCompanies(*db))
        return nullptr;
    return db;
}

std::unique_ptr<Database> connectDatabase(const QString &file)
{
    const QFileInfo info(file);
    auto db = Database::open({QStringLiteral("SQLite"), info.absolutePath(), info.fileName(), {}, {}, {}});
    if (!db) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(db.error().description));
        return nullptr;
    }
    return std::move(*db);
}

bool seedTransfer(Database &db, const Sizes &sizes)
{
    // Voucher v has three rows when v is even, two when odd; codes 1 to 5, days over the year.
    const int vouchers = sizes.transferLines * 2 / 5;
    const QString line = QStringLiteral(
        "insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,"
        "CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,Counter,TS,AID,OppAID) "
        "select 1,1,1+i%2,i,date('2026-04-01',(i%360)||' days'),101+(i+{row})%40,{opposite},'{crdr}',{amount},1+i%5,"
        "'Voucher '||i,'Y',i,0,'BR-'||i,'C1',getdate(),9201+(i+{row})%40,9101 from n{where}");
    const QString day = QStringLiteral("date('2026-04-01',((i*{step})%360)||' days')");
    const QString count = QString::number(vouchers + 1);
    return run(
        db, {
                QStringLiteral("begin"),
                numbers(vouchers)
                    + fill(line, {{"row", QStringLiteral("0")},
                                  {"opposite", QStringLiteral("101")},
                                  {"crdr", QStringLiteral("D")},
                                  {"amount", QStringLiteral("(i%997)+0.5")},
                                  {"where", QString()}}),
                numbers(vouchers)
                    + fill(line, {{"row", QStringLiteral("1")},
                                  {"opposite", QStringLiteral("null")},
                                  {"crdr", QStringLiteral("C")},
                                  {"amount", QStringLiteral("-((i%997)+0.5)/2")},
                                  {"where", QString()}}),
                numbers(vouchers)
                    + fill(line, {{"row", QStringLiteral("2")},
                                  {"opposite", QStringLiteral("102")},
                                  {"crdr", QStringLiteral("C")},
                                  {"amount", QStringLiteral("-((i%997)+0.5)/2")},
                                  {"where", QStringLiteral(" where i%2=0")}}),
                numbers(sizes.transferBillwise)
                    + fill(QStringLiteral(
                               "insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,"
                               "BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,"
                               "TransType,OnAcNo,VoucherCode,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,"
                               "IsPaid,TS,AID,OppAID) select 1,1,2,140,(i*2)%{count},'BR-'||i,{day},250.5,'INV-'||i,"
                               "10,2.25,0,1,248.25,'D','SAL',0,1,{day},7,1,101,'Bill '||i,'N',getdate(),9140,9101 "
                               "from n"),
                           {{"count", count}, {"day", fill(day, {{"step", QStringLiteral("2")}})}}),
                numbers(sizes.transferCheques)
                    + fill(QStringLiteral(
                               "insert into AccChequeDetails(CompanyCode,DivisionCode,AcType,VoucherCode,LedgerCode,"
                               "LedgerCode1,VoucherNo,RefVoucherNo,OldRefVoucherNo,ChequeNo,ChequeAmount,ChequeDate,"
                               "ReceiveDate,DepositDate,ClearDate,Status,BankName,Branch,Narration,ChequePrinted,"
                               "tranyear,TS,AID,AID1) select 1,1,2,1,102,140,(i*4)%{count},0,0,' CH'||i||' ',500,"
                               "{day},{day},null,null,'R','Bank','Main','','N','2026',getdate(),9102,9140 from n"),
                           {{"count", count}, {"day", fill(day, {{"step", QStringLiteral("4")}})}}),
                QStringLiteral("commit"),
            });
}

bool seedPosting(Database &db, const Sizes &sizes)
{
    const QString line = QStringLiteral(
        "insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,OppLedgerCode,"
        "CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,OldVoucherNo) select 1,1,1,i,'{day}',{ledger},"
        "{opposite},'{crdr}',{amount},5,'CA','Counter sale '||i,null,i from n");
    const int vouchers = sizes.postingVouchers;
    return run(db,
               {
                   QStringLiteral("begin"),
                   numbers(vouchers)
                       + fill(line, {{"day", kPostingDay},
                                     {"ledger", QStringLiteral("101")},
                                     {"opposite", QStringLiteral("140")},
                                     {"crdr", QStringLiteral("D")},
                                     {"amount", QStringLiteral("(i%500)+10")}}),
                   numbers(vouchers)
                       + fill(line, {{"day", kPostingDay},
                                     {"ledger", QStringLiteral("102")},
                                     {"opposite", QStringLiteral("140")},
                                     {"crdr", QStringLiteral("D")},
                                     {"amount", QStringLiteral("5")}}),
                   numbers(vouchers)
                       + fill(line, {{"day", kPostingDay},
                                     {"ledger", QStringLiteral("140")},
                                     {"opposite", QStringLiteral("101")},
                                     {"crdr", QStringLiteral("C")},
                                     {"amount", QStringLiteral("-((i%500)+15)")}}),
                   numbers(vouchers)
                       + fill(QStringLiteral(
                                  "insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,"
                                  "BillRefNo,billdate,billamount,InvoiceNo,MRC_Amt,discamt,CrDr,TransType,OnAcNo,"
                                  "VoucherCode,Payable,OppLedgerCode,Remarks) select 1,1,1,140,i,'B-'||i,'{day}',"
                                  "(i%500)+15,'INV-'||i,(i%500)+15,0,'D','CA','12A',5,(i%500)+15,101,'Pending '||i "
                                  "from n where i%2=0"),
                              {{"day", kPostingDay}}),
                   numbers(vouchers)
                       + fill(QStringLiteral(
                                  "insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,"
                                  "LedgerCode,LedgerCode1,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,"
                                  "Status,BankName,ChequePrinted) select 1,1,1,5,i,102,140,'C-'||i,(i%500)+15,'{day}',"
                                  "'{day}',null,'R','Bank','N' from n where i%5=0"),
                              {{"day", kPostingDay}}),
                   QStringLiteral("commit"),
               });
}

bool seedLookup(Database &db, const Sizes &sizes)
{
    return run(
        db, {
                QStringLiteral("create table benchitems (Code int, Name varchar(60), City varchar(40), Amount float)"),
                QStringLiteral("begin"),
                numbers(sizes.lookupRows)
                    + QStringLiteral(
                        "insert into benchitems(Code,Name,City,Amount) select i,char(65+i%26)||char(97+(i/26)%26)||"
                        "char(97+(i/676)%26)||' Stores '||i,'City '||(i%997),(i%10000)/4.0 from n"),
                QStringLiteral("commit"),
                QStringLiteral("create index IX_benchitems_Name on benchitems (Name)"),
            });
}

} // namespace vant::bench
