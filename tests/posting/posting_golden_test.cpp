// What a posting leaves behind, recorded from the voucher-by-voucher engine on seeded data sets
// and kept in golden/: every row of every table, the boxes and the log. Any engine must leave
// exactly these.
#include "posting_fixture.h"

#include "posting/posting_job.h"
#include "posting/voucher_grid.h"
#include "support/accounts_watch.h"
#include "support/golden_file.h"

#include <optional>

using namespace Qt::StringLiterals;

#include "support/test_server.h"

namespace vant::test {
namespace {

const QString kPostingGolden = QStringLiteral(VANT_POSTING_GOLDEN_DIR);

class PostingGolden : public PostingFixture
{
protected:
    void SetUp() override
    {
        VANT_SQLITE_ONLY("the recorded data sets keep text in number columns, and the dump shows SQLite's storage");
        PostingFixture::SetUp();
        accounts.emplace(*session);
        TestDatabase::execScript(db(), kPostingGolden + u"/seed.sql"_s);
    }

    // The vouchers as Go lists them, the given voucher numbers marked; voucher 23 as type 2.
    VoucherGrid marked(std::initializer_list<int> voucherNos)
    {
        VoucherGrid grid = salesOf();
        for (int row = 1; row < grid.rows(); ++row) {
            if (std::find(voucherNos.begin(), voucherNos.end(), grid.text(row, VoucherGrid::Vno).toInt())
                != voucherNos.end()) {
                grid.toggleMark(row);
                if (grid.text(row, VoucherGrid::Vno) == u"23")
                    grid.RowColor(2, row);
            }
        }
        return grid;
    }

    // Posts the marked rows and records the outcome, each voucher heard of, the boxes and the log.
    QStringList post(const VoucherGrid &grid)
    {
        prompts.clear();
        QFile::remove(session->errorLog.logPath());
        QStringList seen = {u"## post"_s};
        for (int row = 1; row < grid.rows(); ++row) {
            seen << u"row: %1|%2|%3|%4"_s.arg(grid.text(row, VoucherGrid::PostedAmt), grid.text(row, VoucherGrid::Vno),
                                              grid.text(row, VoucherGrid::AcType),
                                              grid.text(row, VoucherGrid::VoucherCode));
        }
        const PostingEnd end =
            PostingJob(*session, 0)
                .SaveTrans(grid.markedVouchers(), [&seen](const MarkedVoucher &voucher, int voucherNo) {
                    seen << u"posted: %1 as %2"_s.arg(voucher.offLineNo).arg(voucherNo);
                });
        seen << u"end: %1"_s.arg(int(end));
        for (const auto &box : prompts.boxes()) {
            seen << u"box: "_s + QString(box.text).replace(u"\r\n"_s, u"\\r\\n"_s) + u" | "_s + box.title + u" | "_s
                        + QString::number(int(box.icon));
        }
        for (const QString &line : logLines()) {
            if (!line.startsWith(u"Date  :"_s))
                seen << u"log: "_s + line;
        }
        seen << u"component left: %1"_s.arg(accounts->live() ? u"yes"_s : u"no"_s);
        return seen;
    }

    std::optional<AccountsWatch> accounts;
};

TEST_F(PostingGolden, MarkedVouchersPostedInTwoRuns)
{
    QStringList seen = post(marked({21, 22, 23, 24}));
    seen << databaseDump(db());
    seen << post(marked({25}));
    seen << databaseDump(db());
    expectGolden(kPostingGolden, u"posting_runs"_s, seen);
}

// Each failure stops the run at its voucher, leaving the earlier ones posted and the rest
// untouched, with its box and report.
TEST_F(PostingGolden, FailingPostings)
{
    const struct
    {
        QString name;
        QStringList setup, undo;
    } cases[] = {
        {u"a ledger missing from the ledger master in the third voucher"_s,
         {u"update AccOffLineVoucher set LedgerCode=999 where VoucherNo=23 and CrDr='C'"_s},
         {u"update AccOffLineVoucher set LedgerCode=401 where VoucherNo=23 and CrDr='C'"_s}},
        {u"a number taken (-1 for the second voucher)"_s,
         {u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode) values "
          "(1,2,'2026-04-01',101,'D',1,5)"_s},
         {}},
        {u"a number taken (-1 for the first voucher)"_s,
         {u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode) values "
          "(1,1,'2026-04-01',101,'D',1,5)"_s},
         {}},
        {u"a component answering 0"_s,
         {u"update acccompanymaster set CompanyCode=11 where CompanyCode=1"_s},
         {u"update acccompanymaster set CompanyCode=1 where CompanyCode=11"_s}},
        {u"a cheque that cannot be written for the second voucher"_s,
         {u"create trigger injected before insert on AccChequeDetails when new.ChequeNo='000123' begin "
          "select raise(abort,'Injected failure'); end"_s},
         {u"drop trigger injected"_s}},
        {u"an off-line number that is no number in the fourth voucher"_s,
         {u"update AccOffLineVoucher set OldVoucherNo='24 or 1=1' where VoucherNo=24"_s},
         {u"update AccOffLineVoucher set OldVoucherNo=24 where VoucherNo=24"_s}},
        {u"a line without amount in the first voucher"_s,
         {u"update AccOffLineVoucher set Amount=null where VoucherNo=21 and LedgerCode=102"_s},
         {u"update AccOffLineVoucher set Amount=50 where VoucherNo=21 and LedgerCode=102"_s}},
        {u"a date that is no date in the second voucher"_s,
         {u"update AccOffLineVoucher set VoucherDt='2026-04-1x' where VoucherNo=22 and CrDr='C'"_s},
         {u"update AccOffLineVoucher set VoucherDt='2026-04-10' where VoucherNo=22 and CrDr='C'"_s}},
        {u"a pending row whose ledger is missing in the fourth voucher"_s,
         {u"update AccOffLinePending set OppLedgerCode=998 where VoucherNo=24"_s},
         {u"update AccOffLinePending set OppLedgerCode=201 where VoucherNo=24"_s}},
        {u"a ledger without aid"_s,
         {u"update accledgermaster set aid=null where ledgercode=102"_s},
         {u"update accledgermaster set aid=9102 where ledgercode=102"_s}},
        {u"a ledger whose aid is text"_s,
         {u"update accledgermaster set aid='9x' where ledgercode=301"_s},
         {u"update accledgermaster set aid=9301 where ledgercode=301"_s}},
    };
    QStringList seen;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const VoucherGrid grid = marked({21, 22, 23, 24});
        exec(c.setup);
        seen << u"### "_s + c.name << post(grid) << databaseDump(db());
        exec(c.undo);
        // Every posting undone, so that the next case starts from the seeded vouchers.
        exec({u"delete from accvoucher2026"_s, u"delete from AccPending"_s, u"delete from AccChequeDetails"_s,
              u"delete from AccCompanyVoucherNo"_s,
              u"update AccOffLineVoucher set Moved=null where Moved='Y' and not (VoucherNo=23 and Amount=3)"_s,
              u"update acccompanymaster set Voucherno=0"_s});
    }
    // A marked row whose lines were posted meanwhile copies nothing, also not its cheque.
    const VoucherGrid grid = marked({22, 26});
    exec({u"update AccOffLineVoucher set Moved='Y' where VoucherNo=22"_s});
    seen << u"### a marked voucher posted meanwhile"_s << post(grid) << databaseDump(db());
    expectGolden(kPostingGolden, u"posting_failures"_s, seen);
}

} // namespace
} // namespace vant::test
