#pragma once

#include "db/accounts_schema.h"
#include "session/company_context.h"
#include "session/session.h"
#include "support/error_log_lines.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"
#include "support/test_server.h"
#include "transfer/transfer_job.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vant::test {

// A session on a seeded database whose default company is "1" (shadows "2" and "3"),
// year 2026 beginning 2026-04-01.
class TransferFixture : public ::testing::Test
{
protected:
    TransferFixture() : session(prompts, logFolder.filePath(QStringLiteral("vantlog.txt")))
    {
        session.dbConnection = database.connect();
        TestDatabase::seedCompanies(db());
        EXPECT_TRUE(DefaultCompanySet(session));
    }

    Database &db() { return *session.dbConnection; }
    void exec(const QStringList &statements) { TestDatabase::exec(db(), statements); }
    // Every row of a statement, its values joined by "|"; a statement that fails is an error of
    // the test unless it may.
    QStringList rows(const QString &statement, bool mayFail = false)
    {
        QStringList list;
        const TestsOwnStatements own;
        auto rs = db().openRecordset(statement);
        EXPECT_TRUE(mayFail || bool(rs)) << statement.toStdString();
        for (; rs && !rs->eof(); rs->moveNext()) {
            QStringList values;
            for (int i = 0; i < rs->fieldCount(); ++i)
                values << (rs->isNull(i) ? QStringLiteral("NULL") : rs->text(i));
            list << values.join(QLatin1Char('|'));
        }
        return list;
    }
    // Every row of every table of the catalogue that is there, to compare the whole database
    // before and after.
    QStringList snapshot()
    {
        QStringList all;
        for (const Table &table : accountsTables({TestDatabase::kYear})) {
            QStringList positions;
            for (qsizetype i = 1; i <= table.columns.size(); ++i)
                positions << QString::number(i);
            all << table.name
                << rows(QStringLiteral("select * from %1 order by %2").arg(table.name, positions.join(u',')), true);
        }
        return all;
    }
    QStringList logLines() const { return errorLogLines(session); }
    // Copies company 1's period (April by default) into company 2, recording the feedback.
    Outcome<TransferEnd> transfer(const QDate &from = QDate(2026, 4, 1), const QDate &to = QDate(2026, 4, 30))
    {
        const TransferFeedback feedback{[this](const QString &caption) { captions << caption; },
                                        [this] { ++progressShown; }, [this](int rows) { advances += rows; }};
        return TransferJob(session, {QStringLiteral("1"), QStringLiteral("2"), from, to}).run(feedback);
    }
    // One ledger line of a voucher; opposite (a number or null) and oldVoucherNo are SQL text.
    void addLine(int company, int voucherNo, const QDate &day, int ledger = 101, const char *opposite = "201",
                 const char *crDr = "D", double amount = 100, int code = 1,
                 const QString &narration = QStringLiteral("Sale"), const char *oldVoucherNo = "null")
    {
        exec({QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,"
                             "LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,"
                             "VoucherSlnoOld,BillRefNo,OldVoucherNo,Counter,TS,AID,OppAID) values (%1,1,2,%2,'%3',%4,"
                             "%5,'%6',%7,%8,'%9','Y',7,3,'BR-1',%10,'C1','2026-04-01',9%4,9201)")
                  .arg(QString::number(company), QString::number(voucherNo), day.toString(Qt::ISODate),
                       QString::number(ledger), QLatin1String(opposite), QLatin1String(crDr), QString::number(amount),
                       QString::number(code), QString(narration).replace(QLatin1Char('\''), QStringLiteral("''")),
                       QLatin1String(oldVoucherNo))});
    }
    // A bill-wise row; voucher 0 stands for none.
    void addBillwise(int company, int voucherNo, const QDate &day, const QString &remarks = QStringLiteral("Bill"))
    {
        exec({QStringLiteral("insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,"
                             "BillDate,BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,TransType,"
                             "OnAcNo,VoucherCode,TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,"
                             "OppAID) values (%1,1,2,401,%2,'BR-%2','%3',250.5,'INV-%2',10,2.25,0,1,248.25,'D','SAL',0,"
                             "1,'%3',7,1,201,'%4','N','2026-04-01',9401,9201)")
                  .arg(QString::number(company), voucherNo == 0 ? QStringLiteral("null") : QString::number(voucherNo),
                       day.toString(Qt::ISODate), QString(remarks).replace(QLatin1Char('\''), QStringLiteral("''")))});
    }
    // A cheque row with texts to trim and quotes to keep; clearDate is SQL text.
    void addCheque(int company, int voucherNo, const QDate &day, const char *clearDate = "'2026-04-20'")
    {
        exec({QStringLiteral("insert into AccChequeDetails(CompanyCode,DivisionCode,AcType,VoucherCode,LedgerCode,"
                             "LedgerCode1,VoucherNo,RefVoucherNo,OldRefVoucherNo,ChequeNo,ChequeAmount,ChequeDate,"
                             "ReceiveDate,DepositDate,ClearDate,Status,BankName,Branch,Narration,ChequePrinted,"
                             "tranyear,TS,AID,AID1) values (%1,1,2,1,102,401,%2,55,44,'  CH%2 ',500,'2026-04-12','%3',"
                             "'2026-04-15',%4,' C ',' Bank''s ',' Main ',' D''Souza ','N','2026','2026-04-01',9102,"
                             "9401)")
                  .arg(QString::number(company), QString::number(voucherNo), day.toString(Qt::ISODate),
                       QLatin1String(clearDate))});
    }

    QTemporaryDir logFolder;
    TestDatabase database;
    ScriptedPrompts prompts;
    Session session;
    QStringList captions;
    int progressShown = 0;
    int advances = 0;
};

} // namespace vant::test
