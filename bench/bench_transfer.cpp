// Times a transfer of N vouchers (two lines, a bill-wise entry and a cheque each) for
// two sizes and prints the time per source row; a ratio near 1 means the run stays
// linear in the size of the period. Usage: bench_transfer [small] [large]

#include "session/accounts_schema.h"
#include "session/company_context.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "transfer/transfer_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace vant;

class SilentPrompts : public UserPrompts
{
public:
    void message(const QString &text, const QString &, PromptIcon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool question(const QString &, const QString &) override { return true; }
    std::optional<QString> textPrompt(const QString &, const QString &, const QString &) override { return {}; }
};

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

std::unique_ptr<Database> createDatabase(const QString &folder)
{
    const QString file = QStringLiteral("bench.db");
    {
        QSqlDatabase create = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-create"));
        create.setDatabaseName(QDir(folder).filePath(file));
        create.open();
        create.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-create"));
    auto db = Database::open({QStringLiteral("SQLite"), folder, file, QString(), QString(), QString()});
    if (!db || !createAccountsSchema(**db, {QStringLiteral("2026")}))
        return nullptr;
    return std::move(*db);
}

bool seed(Database &db, int vouchers)
{
    QStringList statements = {
        QStringLiteral("insert into acccompanymaster(CompanyCode,CompanyName,DefaultCompany,DefaultDIvision,"
                       "defaultyear,FinYearBegin,Voucherno) values (1,'Source','Y',1,'2026','2026-04-01',0)"),
        QStringLiteral("insert into acccompanymaster(CompanyCode,CompanyName,DefaultCompany,DefaultDIvision,"
                       "defaultyear,FinYearBegin,parentcompanycode,Voucherno) values "
                       "(2,'Shadow','N',1,'2026','2026-04-01',1,0)"),
        QStringLiteral("insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,1,'Main')"),
        QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (101,'Cash',9101)"),
        QStringLiteral("insert into accledgermaster(ledgercode,LedgerName,aid) values (201,'Sales',9201)"),
        QStringLiteral("begin"),
    };
    for (int voucher = 1; voucher <= vouchers; ++voucher) {
        const QString no = QString::number(voucher);
        const QString day = QDate(2026, 4, 1).addDays(voucher % 360).toString(Qt::ISODate);
        for (const char *line : {"101,201,'D'", "201,101,'C'"}) {
            statements << QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,"
                                         "VoucherDt,LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration) "
                                         "values (1,1,2,%1,'%2',%3,125.5,%4,'Bench')")
                              .arg(no, day, QString::fromLatin1(line), QString::number(1 + voucher % 5));
        }
        statements << QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,"
                                     "TransDate,BillAmount) values (1,1,2,201,%1,'%2',125.5)")
                          .arg(no, day)
                   << QStringLiteral("insert into AccChequeDetails(CompanyCode,LedgerCode,VoucherNo,ReceiveDate,"
                                     "ChequeAmount) values (1,101,%1,'%2',125.5)")
                          .arg(no, day);
    }
    statements << QStringLiteral("commit");
    return run(db, statements);
}

// Milliseconds per source row of one transfer of the given number of vouchers; negative on failure.
double timeTransfer(int vouchers)
{
    QTemporaryDir folder;
    SilentPrompts prompts;
    Session session(prompts, QDir(folder.path()).filePath(QStringLiteral("vantlog.txt")));
    session.DBConnection = createDatabase(folder.path());
    if (!session.DBConnection || !seed(*session.DBConnection, vouchers) || !DefaultCompanySet(session))
        return -1;

    int rows = 0;
    const TransferFeedback feedback{[](const QString &) {}, [] {}, [&rows](int copied) { rows += copied; }};
    const TransferRequest request{QStringLiteral("1"), QStringLiteral("2"), session.FinYearBegin, session.FinYearEnd};
    QElapsedTimer timer;
    timer.start();
    const auto end = RunTransfer(session, request, feedback);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    if (!end || *end != TransferEnd::Completed || rows == 0)
        return -1;
    std::printf("%8d vouchers %9d rows %10.1f ms %8.3f ms/row\n", vouchers, rows, elapsed, elapsed / rows);
    return elapsed / rows;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int small = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 500;
    const int large = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5000;
    const double smallPerRow = timeTransfer(small);
    const double largePerRow = timeTransfer(large);
    if (smallPerRow <= 0 || largePerRow <= 0) {
        std::fprintf(stderr, "transfer failed\n");
        return 1;
    }
    std::printf("per-row ratio (large / small): %.2f\n", largePerRow / smallPerRow);
    return 0;
}
