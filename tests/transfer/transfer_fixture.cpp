#include "transfer_fixture.h"

#include "session/company_context.h"

#include <QDir>
#include <QFile>

namespace vant::test {

TransferFixture::TransferFixture() : session(prompts, QDir(logFolder.path()).filePath(QStringLiteral("vantlog.txt")))
{
    session.DBConnection = database.connect();
    TestDatabase::seedCompanies(db());
    EXPECT_TRUE(DefaultCompanySet(session));
}

Outcome<TransferEnd> TransferFixture::transfer(const QDate &from, const QDate &to, const QString &destination)
{
    const TransferFeedback feedback{
        [this](const QString &caption) { captions << caption; },
        [this] { ++progressShown; },
        [this] { ++advances; },
    };
    return RunTransfer(session, TransferRequest{QStringLiteral("1"), destination, from, to}, feedback);
}

QStringList TransferFixture::rows(const QString &statement)
{
    QStringList list;
    auto rs = db().openRecordset(statement);
    EXPECT_TRUE(bool(rs)) << statement.toStdString();
    if (!rs)
        return list;
    for (; !rs->eof(); rs->moveNext()) {
        QStringList values;
        for (int i = 0; i < rs->fieldCount(); ++i)
            values << (rs->isNull(i) ? QStringLiteral("NULL") : rs->text(i));
        list << values.join(QLatin1Char('|'));
    }
    return list;
}

QStringList TransferFixture::snapshot()
{
    QStringList all;
    const QStringList tables = rows(QStringLiteral("select name from sqlite_master where type='table' order by name"));
    for (const QString &table : tables) {
        all << QStringLiteral("== ") + table;
        all << rows(QStringLiteral("select * from ") + table + QStringLiteral(" order by rowid"));
    }
    return all;
}

QStringList TransferFixture::logLines() const
{
    QFile file(session.errorLog.logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void TransferFixture::addLine(const VoucherLine &line)
{
    exec({QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
                         "OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,"
                         "BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID) values (%1,1,2,%2,'%3',%4,%5,'%6',%7,%8,'%9',"
                         "'Y',7,3,'BR-1',%10,'C1','2026-04-01',9%4,9201)")
              .arg(QString::number(line.company), QString::number(line.voucherNo), line.date.toString(Qt::ISODate),
                   QString::number(line.ledger), line.opposite, line.crDr, QString::number(line.amount),
                   QString::number(line.voucherCode), QString(line.narration).replace(QStringLiteral("'"), QStringLiteral("''")),
                   line.oldVoucherNo)});
}

void TransferFixture::addBillwise(int company, int voucherNo, const QDate &day, const QString &remarks)
{
    exec({QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,"
                         "BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,TransType,"
                         "OnAcNo,VoucherCode,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,"
                         "OppAID) values (%1,1,2,401,%2,'BR-%2','%3',250.5,'INV-%2',10,2.25,0,1,248.25,'D','SAL',0,1,"
                         "'%3',7,1,201,'%4','N','2026-04-01',9401,9201)")
              .arg(QString::number(company), voucherNo == 0 ? QStringLiteral("null") : QString::number(voucherNo),
                   day.toString(Qt::ISODate), QString(remarks).replace(QStringLiteral("'"), QStringLiteral("''")))});
}

void TransferFixture::addCheque(int company, int voucherNo, const QDate &day, const QString &clearDate)
{
    exec({QStringLiteral("insert into AccChequeDetails(CompanyCode,DivisionCode,AcType,VoucherCode,LedgerCode,"
                         "LedgerCode1,VoucherNo,RefVoucherNo,OldRefVoucherNo,ChequeNo,ChequeAmount,ChequeDate,"
                         "ReceiveDate,DepositDate,ClearDate,Status,BankName,Branch,Narration,ChequePrinted,tranyear,TS,"
                         "AID,AID1) values (%1,1,2,1,102,401,%2,55,44,'  CH%2 ',500,'2026-04-12','%3','2026-04-15',%4,"
                         "' C ',' State Bank ',' Main ',' Rent ','N','2026','2026-04-01',9102,9401)")
              .arg(QString::number(company), QString::number(voucherNo), day.toString(Qt::ISODate), clearDate)});
}

} // namespace vant::test
