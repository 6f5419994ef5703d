// Every statement of the transfer and of the purge made to fail in turn: each failure leaves
// the database exactly as it was, and a run afterwards gives what an undisturbed run gives.
// And every number column the transfer reads holding what a user or an older program can
// leave there: the run copies what the value reads as, or refuses it naming the column.
#include "transfer_fixture.h"

#include "db/recordset.h"
#include "db/sql_literals.h"
#include "support/fault_sweep.h"
#include "transfer/purge_job.h"

#include "support/test_server.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class FaultSweepTest : public TransferFixture
{
protected:
    void SetUp() override { VANT_SQLITE_ONLY("puts the database file back between the runs"); }

    // Runs the job undisturbed from the database as it is now, then once with each of its
    // statements failing, each time from the same start: a failure leaves the rows as they were.
    void sweep(const std::function<bool()> &job)
    {
        const SavedDatabase start(database);
        const QStringList before = databaseDump(db());
        const int first = db().statementCount();
        ASSERT_TRUE(job()) << logLines().join(u'\n').toStdString();
        const int statements = db().statementCount() - first;
        const QStringList after = databaseDump(db());
        ASSERT_NE(after, before);
        const auto run = [&](int failing) {
            db().failStatement(failing);
            const bool completed = job();
            db().failStatement(0);
            return completed;
        };
        sweepStatementFailures(
            start, session.dbConnection, statements, run, [&] { EXPECT_EQ(databaseDump(db()), before); }, after);
    }
};

TEST_F(FaultSweepTest, Transfer)
{
    seed("sweep_transfer_seed.sql");
    // An earlier copy for the run to clear, and a division the shadow still lacks.
    ASSERT_TRUE(bool(transfer()));
    exec({u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,2,'Branch')"_s});

    sweep([this] {
        const auto end = transfer();
        return end && *end == TransferEnd::Completed;
    });
}

// The number columns the transfer reads, table by table.
const StoredSource kTransferSources[] = {
    {"accvoucher2026",
     "CompanyCode=1",
     {u"DivisionCode"_s, u"AcType"_s, u"VoucherNo"_s, u"LedgerCode"_s, u"OppLedgerCode"_s, u"Amount"_s,
      u"VoucherCode"_s, u"VoucherSlnoOld"_s, u"AID"_s, u"OppAID"_s}},
    {"AccPending",
     "CompanyCode=1",
     {u"DivisionCode"_s, u"AcType"_s, u"LedgerCode"_s, u"VoucherNo"_s, u"BillAmount"_s, u"MRC_Amt"_s, u"DiscAmt"_s,
      u"VolumeDisc"_s, u"CashDisc"_s, u"Payable"_s, u"OnAcNo"_s, u"VoucherCode"_s, u"VoucherSlno"_s, u"TransSlno"_s,
      u"OppLedgerCode"_s, u"AID"_s, u"OppAID"_s}},
    {"AccChequeDetails",
     "CompanyCode=1",
     {u"DivisionCode"_s, u"AcType"_s, u"VoucherCode"_s, u"LedgerCode"_s, u"LedgerCode1"_s, u"VoucherNo"_s,
      u"RefVoucherNo"_s, u"OldRefVoucherNo"_s, u"ChequeAmount"_s, u"AID"_s, u"AID1"_s}},
    {"acccompanymaster", "CompanyCode=2", {u"Voucherno"_s}},
    {"AccCompanyVoucherNo", "CompanyCode=2", {u"VoucherSlno"_s}},
};

// One table per test, so that the tables are swept side by side.
class StoredValueSweep : public FaultSweepTest, public ::testing::WithParamInterface<int>
{};

TEST_P(StoredValueSweep, ReadAsTheirNumberOrRefusedByName)
{
    const StoredSource &source = kTransferSources[GetParam()];
    seed("sweep_values_seed.sql");
    const SavedDatabase start(database);
    const auto runWith = [&](const QString &column, const QString &literal) {
        return rowsAfterStoredValue(start, session, source, column, literal, [this] {
            const auto end = transfer();
            return end && *end == TransferEnd::Completed;
        });
    };
    // What the value reads as: the copy took its number, the one the clean value is.
    sweepStoredValues(source, runWith, [](const QString &, const QString &value) { return cleanLiteral(value); });
}

INSTANTIATE_TEST_SUITE_P(Tables, StoredValueSweep, ::testing::Range(0, int(std::size(kTransferSources))));

TEST_F(FaultSweepTest, Purge)
{
    exec({u"insert into AccOffLineVoucher(CompanyCode,VoucherNo,Moved) values (1,1,'Y'),(1,1,'Y'),(1,2,null),"
          "(2,1,'Y')"_s,
          u"insert into AccOffLinePending(CompanyCode,VoucherNo) values (1,1),(1,2)"_s,
          u"insert into AccOffLineChequeDet(CompanyCode,VoucherNo) values (1,1),(2,1)"_s});

    sweep([this] {
        prompts.answerQuestions({true});
        return PurgeJob(session).ProcessPurgeData();
    });
}

} // namespace
} // namespace vant::test
