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

const QString kTransferGolden = QStringLiteral(VANT_TRANSFER_GOLDEN_DIR);

class TransferGolden : public TransferFixture
{
protected:
    void SetUp() override
    {
        VANT_SQLITE_ONLY("the recorded data sets keep text in number columns, and the dump shows SQLite's storage");
    }

    // The data set keeps text in number columns, which SQL Server refuses or converts.
    TransferGolden()
    {
        if (!onServer())
            TestDatabase::execScript(db(), kTransferGolden + u"/seed.sql"_s);
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
    seed("shadow_own_rows.sql");
    seen << run(QDate(2026, 4, 1), QDate(2026, 4, 30));
    seen << databaseDump(db());
    expectGolden(kTransferGolden, u"transfer_repeated"_s, seen);
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
    expectGolden(kTransferGolden, u"transfer_failures"_s, seen);
}

} // namespace
} // namespace vant::test
