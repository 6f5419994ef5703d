// What a transfer leaves behind, recorded from the row-by-row engine on seeded data sets and
// kept in golden/: every row of every table, the captions, the bar's moves, the boxes and the
// log. Any engine must leave exactly these.
#include "transfer_fixture.h"

#include "session/error_report.h"
#include "support/golden_file.h"
#include "support/test_server.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

const QString kGolden = QStringLiteral(VANT_TRANSFER_GOLDEN_DIR);

class TransferGolden : public TransferFixture
{
protected:
    void SetUp() override
    {
        VANT_SQLITE_ONLY("the recorded data sets keep text in number columns, and the dump shows SQLite's storage");
    }

    // Company 1 in April: voucher codes 1 to 3, account types 1 and 2, vouchers of one to
    // three lines (one voucher's lines on different days), quotes, NULLs, a text amount, a
    // date with a time of day, and voucher 30 under codes 1 and 2. May holds voucher 40;
    // company 3 has an April voucher. Bill-wise and cheque rows of copied, uncopied and
    // later-copied vouchers, of voucher 0, NULL and below, written out of date order.
    TransferGolden()
    {
        // The data set keeps text in number columns, which SQL Server refuses or converts.
        if (onServer())
            return;
        exec({
            u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,2,'Branch''s')"_s,
            u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (2,3,'Own')"_s,
        });
        const QString line =
            u"insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,"
            "OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,VoucherSlnoOld,BillRefNo,"
            "OldVoucherNo,Counter,TS,AID,OppAID) values "_s;
        exec({
            line
                + u"(1,1,2,11,'2026-04-12',101,201,'D',300,1,'Three lines','Y',4,3,'BR-11',null,'C1','2026-04-01',9101,9201)"_s,
            line
                + u"(1,1,2,11,'2026-04-10',201,101,'C',200,1,'Three lines','Y',4,3,'BR-11',null,'C1','2026-04-01',9201,9101)"_s,
            line + u"(1,2,2,11,'2026-04-11',301,101,'C',100.25,1,null,'N',4,null,null,null,null,null,null,null)"_s,
            line
                + u"(1,null,1,12,'2026-04-10',102,null,'D',50,1,'O''Neil''s; rent','Y',5,null,'B''R',0,'C''2',"
                  "'2026-04-01',null,9201)"_s,
            line + u"(1,1,1,12,'2026-04-10',201,102,'C',null,1,'','Y',5,2,'','','','2026-04-01','',9102)"_s,
            line
                + u"(1,1,2,30,'2026-04-20',101,201,'D','12abc',1,'Last of code 1','Y',6,1,'BR-30',null,'C1',"
                  "'2026-04-01',9101,9201)"_s,
            line
                + u"(1,1,2,30,'2026-04-21',201,101,'C',12,2,'First of code 2','Y',1,1,'BR-30b',null,'C1',"
                  "'2026-04-01',9201,9101)"_s,
            line
                + u"(1,1,2,31,'2026-04-21',101,201,'D',7.5,2,'Code 2','Y',2,1,'BR-31',null,'C1','2026-04-01',9101,9201)"_s,
            line
                + u"(1,1,2,31,'2026-04-21',201,101,'C',7.5,2,'Code 2','Y',2,1,'BR-31',null,'C1','2026-04-01',9201,9101)"_s,
            line
                + u"(1,2,1,5,'2026-04-15 10:30:00',401,201,'D',75,3,'Time of day','Y',1,1,'BR-5',null,'C1',"
                  "'2026-04-01',9401,9201)"_s,
            line
                + u"(1,2,1,5,'2026-04-15 10:30:00',201,401,'C',75,3,'Time of day','Y',1,1,'BR-5',null,'C1',"
                  "'2026-04-01',9201,9401)"_s,
            line + u"(1,1,2,40,'2026-05-10',101,201,'D',40,1,'May','Y',7,1,'BR-40',null,'C1','2026-04-01',9101,9201)"_s,
            line + u"(1,1,2,40,'2026-05-10',201,101,'C',40,1,'May','Y',7,1,'BR-40',null,'C1','2026-04-01',9201,9101)"_s,
            line
                + u"(3,1,2,11,'2026-04-10',101,201,'D',999,1,'Other company','Y',1,1,'X',null,'C1','2026-04-01',9101,9201)"_s,
        });
        const QString bill =
            u"insert into AccPending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,BillDate,"
            "BillAmount,InvoiceNo,MRC_Amt,DiscAmt,VolumeDisc,CashDisc,Payable,CrDr,TransType,OnAcNo,VoucherCode,"
            "TransDate,VoucherSlno,TransSlno,OppLedgerCode,Remarks,IsPaid,TS,AID,OppAID) values "_s;
        exec({
            bill
                + u"(1,1,2,401,11,'BR-11','2026-04-10',250.5,'INV-11',10,2.25,0,1,248.25,'D','SAL',0,1,"
                  "'2026-04-20',4,1,201,'Bill of 11','N','2026-04-01',9401,9201)"_s,
            bill
                + u"(1,null,2,401,12,null,null,null,null,null,null,null,null,null,null,null,null,null,"
                  "'2026-04-05',null,null,null,null,null,null,null,null)"_s,
            bill
                + u"(1,1,2,401,40,'BR-40','2026-04-25',40,'INV''40',0,0,0,0,40,'D','SAL',3,1,'2026-04-25',7,2,201,"
                  "'Anand''s; May voucher','Y','2026-04-01',9401,9201)"_s,
            bill
                + u"(1,1,2,401,0,'BR-0','2026-04-12',1,'INV-0',0,0,0,0,1,'D','SAL',0,1,'2026-04-12',0,0,201,"
                  "'Voucher 0','N','2026-04-01',9401,9201)"_s,
            bill
                + u"(1,1,2,401,null,'BR-N','2026-04-12',1,'INV-N',0,0,0,0,1,'D','SAL',0,1,'2026-04-12',0,0,201,"
                  "'No voucher','N','2026-04-01',9401,9201)"_s,
            bill
                + u"(1,1,2,401,-3,'BR-M','2026-04-12',1,'INV-M',0,0,0,0,1,'D','SAL',0,1,'2026-04-12',0,0,201,"
                  "'Below','N','2026-04-01',9401,9201)"_s,
            bill
                + u"(1,1,2,401,30,'BR-30','2026-04-20',12.5,'INV-30',1.5,'3x',0,0,11,'C','PUR','7',2,"
                  "'2026-04-20',6,3,101,'Bill of 30','N','2026-04-01','',9101)"_s,
            bill
                + u"(1,1,2,401,99,'BR-99','2026-04-20',1,'INV-99',0,0,0,0,1,'D','SAL',0,1,'2026-04-20',0,0,201,"
                  "'Not copied','N','2026-04-01',9401,9201)"_s,
            bill
                + u"(1,1,2,401,31,'BR-31','2026-04-22',1,'INV-31',0,0,0,0,1,'D','SAL',0,2,'2026-05-22',0,0,201,"
                  "'May bill','N','2026-04-01',9401,9201)"_s,
        });
        const QString cheque =
            u"insert into AccChequeDetails(CompanyCode,DivisionCode,AcType,VoucherCode,LedgerCode,LedgerCode1,"
            "VoucherNo,RefVoucherNo,OldRefVoucherNo,ChequeNo,ChequeAmount,ChequeDate,ReceiveDate,DepositDate,"
            "ClearDate,Status,BankName,Branch,Narration,ChequePrinted,tranyear,TS,AID,AID1) values "_s;
        exec({
            cheque
                + u"(1,1,2,1,102,401,12,55,44,'  CH12 ',500,'2026-04-12','2026-04-28','2026-04-15',"
                  "'2026-04-20',' C ',' Bank''s ',' Main ',' D''Souza ','N','2026','2026-04-01',9102,9401)"_s,
            cheque
                + u"(1,1,2,3,102,401,5,null,null,'CH5',75,null,'2026-04-15',null,null,null,null,null,null,"
                  "null,null,null,null,null)"_s,
            cheque
                + u"(1,1,2,1,102,401,40,1,2,'CH40',40,'2026-04-26','2026-04-26','','  ','R','B','','','Y',"
                  "'2025','2026-04-01',9102,'9401')"_s,
            cheque
                + u"(1,1,2,1,102,401,0,0,0,'CH0',1,'2026-04-12','2026-04-12',null,null,'R','B','','','N',"
                  "'2026','2026-04-01',9102,9401)"_s,
            cheque
                + u"(1,1,2,1,102,401,null,0,0,'CHN',1,'2026-04-12','2026-04-12',null,null,'R','B','','','N',"
                  "'2026','2026-04-01',9102,9401)"_s,
            cheque
                + u"(1,1,2,2,102,401,31,31,0,'CH31',7.5,'2026-04-02','2026-04-02 09:00:00',"
                  "'2026-04-03 00:00:00',null,'R','B','','','N','2026','2026-04-01',9102,9401)"_s,
        });
    }

    // Runs the transfer of the period and records what the user saw.
    QStringList run(const QDate &from, const QDate &to)
    {
        captions.clear();
        advances = 0;
        progressShown = 0;
        prompts.clear();
        const auto end = transfer(from, to);
        QStringList seen = {u"## transfer %1 to %2"_s.arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate)),
                            end ? (*end == TransferEnd::Completed ? u"end: completed"_s : u"end: stopped"_s)
                                : u"end: error: "_s + end.error().description};
        for (const QString &caption : std::as_const(captions))
            seen << u"caption: "_s + caption;
        if (end && *end == TransferEnd::Completed)
            seen << u"advances: %1, bar shown: %2"_s.arg(advances).arg(progressShown);
        for (const auto &box : prompts.boxes())
            seen << u"box: "_s + QString(box.text).replace(u"\r\n"_s, u"\\r\\n"_s) + u" | "_s + box.title;
        for (const QString &line : logLines()) {
            if (!line.startsWith(u"Date  :"_s))
                seen << u"log: "_s + line;
        }
        return seen;
    }
};

TEST_F(TransferGolden, FirstSecondAndRepeatedTransfers)
{
    QStringList seen = run(QDate(2026, 4, 1), QDate(2026, 4, 30));
    seen << databaseDump(db());
    seen << run(QDate(2026, 5, 1), QDate(2026, 5, 31));
    // Rows entered in the shadow company itself, in the period, with a bill-wise row.
    addLine(2, 900, QDate(2026, 4, 15), 102, "201", "D", 10, 1, u"Own"_s, "0");
    addLine(2, 901, QDate(2026, 4, 16), 102, "201", "D", 20, 1, u"Own"_s, "null");
    addBillwise(2, 900, QDate(2026, 4, 15), u"Own bill"_s);
    seen << run(QDate(2026, 4, 1), QDate(2026, 4, 30));
    seen << databaseDump(db());
    expectGolden(kGolden, u"transfer_repeated"_s, seen);
}

// Each failure stops the run with its report and leaves every table as it was.
TEST_F(TransferGolden, FailingTransfers)
{
    ASSERT_TRUE(bool(transfer()));
    const struct
    {
        QString name;
        QStringList setup, undo;
    } cases[] = {
        {u"a ledger code that is no number"_s,
         {u"update accvoucher2026 set LedgerCode='201,1' where tsid=5"_s},
         {u"update accvoucher2026 set LedgerCode=201 where tsid=5"_s}},
        {u"a date that is no date"_s,
         {u"update accvoucher2026 set VoucherDt='2026-04-1x' where tsid=9"_s},
         {u"update accvoucher2026 set VoucherDt='2026-04-21' where tsid=9"_s}},
        {u"an amount out of range"_s,
         {u"update accvoucher2026 set Amount='1E999' where tsid=8"_s},
         {u"update accvoucher2026 set Amount=7.5 where tsid=8"_s}},
        {u"two bad values in one row and one in a later row"_s,
         {u"update accvoucher2026 set AcType='x', LedgerCode='y' where tsid=6"_s,
          u"update accvoucher2026 set AcType='z' where tsid=10"_s},
         {u"update accvoucher2026 set AcType=2, LedgerCode=101 where tsid=6"_s,
          u"update accvoucher2026 set AcType=1 where tsid=10"_s}},
        {u"a voucher code that is no number"_s,
         {u"update accvoucher2026 set VoucherCode='2a' where tsid=8"_s},
         {u"update accvoucher2026 set VoucherCode=2 where tsid=8"_s}},
        {u"a row without voucher number"_s,
         {u"update accvoucher2026 set VoucherNo=null where tsid=4"_s},
         {u"update accvoucher2026 set VoucherNo=12 where tsid=4"_s}},
        {u"a row of voucher 0"_s,
         {u"update accvoucher2026 set VoucherNo=0 where tsid=8"_s},
         {u"update accvoucher2026 set VoucherNo=31 where tsid=8"_s}},
        {u"a component answering 0"_s,
         {u"update acccompanymaster set CompanyCode=22 where CompanyCode=2"_s},
         {u"update acccompanymaster set CompanyCode=2 where CompanyCode=22"_s}},
        {u"a number taken in the shadow (-1 for the third voucher)"_s,
         {u"update acccompanymaster set Voucherno=0 where CompanyCode=2"_s,
          u"update accvoucher2026 set VoucherNo=3, OldVoucherNo=null where CompanyCode=2 and tsid=20"_s},
         {u"update accvoucher2026 set VoucherNo=1, OldVoucherNo=11 where CompanyCode=2 and tsid=20"_s,
          u"update acccompanymaster set Voucherno=5 where CompanyCode=2"_s}},
        {u"a bad value before the voucher whose number is taken"_s,
         {u"update acccompanymaster set Voucherno=0 where CompanyCode=2"_s,
          u"update accvoucher2026 set VoucherNo=3, OldVoucherNo=null where CompanyCode=2 and tsid=20"_s,
          u"update accvoucher2026 set LedgerCode='q' where tsid=5"_s},
         {u"update accvoucher2026 set LedgerCode=201 where tsid=5"_s,
          u"update accvoucher2026 set VoucherNo=1, OldVoucherNo=11 where CompanyCode=2 and tsid=20"_s,
          u"update acccompanymaster set Voucherno=5 where CompanyCode=2"_s}},
        {u"a bad value after the voucher whose number is taken"_s,
         {u"update acccompanymaster set Voucherno=0 where CompanyCode=2"_s,
          u"update accvoucher2026 set VoucherNo=3, OldVoucherNo=null where CompanyCode=2 and tsid=20"_s,
          u"update accvoucher2026 set LedgerCode='q' where tsid=10"_s},
         {u"update accvoucher2026 set LedgerCode=401 where tsid=10"_s,
          u"update accvoucher2026 set VoucherNo=1, OldVoucherNo=11 where CompanyCode=2 and tsid=20"_s,
          u"update acccompanymaster set Voucherno=5 where CompanyCode=2"_s}},
        {u"a bill-wise voucher number that is no number"_s,
         {u"update AccPending set VoucherNo='5 or 1=1' where slno=7"_s},
         {u"update AccPending set VoucherNo=30 where slno=7"_s}},
        {u"a bill-wise date that is no date"_s,
         {u"update AccPending set BillDate='soon' where slno=1"_s},
         {u"update AccPending set BillDate='2026-04-10' where slno=1"_s}},
        {u"a cheque amount out of range"_s,
         {u"update AccChequeDetails set ChequeAmount='-1e999' where slno=1"_s},
         {u"update AccChequeDetails set ChequeAmount=500 where slno=1"_s}},
        {u"a cheque ledger that is no number"_s,
         {u"update AccChequeDetails set LedgerCode='L' where slno=2"_s},
         {u"update AccChequeDetails set LedgerCode=102 where slno=2"_s}},
        {u"a cheque date that is no date"_s,
         {u"update AccChequeDetails set ClearDate='2026-13-01' where slno=1"_s},
         {u"update AccChequeDetails set ClearDate='2026-04-20' where slno=1"_s}},
        {u"a statement that fails"_s,
         {u"create trigger injected before insert on AccChequeDetails when new.ChequeNo='CH5' begin "
          "select raise(abort,'Injected failure'); end"_s},
         {u"drop trigger injected"_s}},
        // Last, as it completes: the values of a row that is skipped are never read.
        {u"a bad value in a bill-wise row of an uncopied voucher"_s,
         {u"update AccPending set AcType='x' where slno=8"_s},
         {u"update AccPending set AcType=2 where slno=8"_s}},
    };
    QStringList seen;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        exec(c.setup);
        const QStringList before = snapshot();
        seen << u"### "_s + c.name << run(QDate(2026, 4, 1), QDate(2026, 4, 30));
        seen << (snapshot() == before ? u"database: as before"_s : u"database: CHANGED"_s);
        exec(c.undo);
        QFile::remove(session.errorLog.logPath());
    }
    expectGolden(kGolden, u"transfer_failures"_s, seen);
}

} // namespace
} // namespace vant::test
