// Every statement of the transfer and of the purge made to fail in turn: each failure leaves
// the database exactly as it was, and a run afterwards gives what an undisturbed run gives.
#include "transfer_fixture.h"

#include "support/saved_database.h"
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
    // statements failing, each time from the same start.
    void sweep(const std::function<bool()> &job)
    {
        const SavedDatabase start(database);
        const QStringList before = rowsWithoutTimestamps(db());
        const int first = db().statementCount();
        ASSERT_TRUE(job()) << logLines().join(u'\n').toStdString();
        const int statements = db().statementCount() - first;
        const QStringList after = rowsWithoutTimestamps(db());
        ASSERT_NE(after, before);

        for (int failing = 1; failing <= statements; ++failing) {
            SCOPED_TRACE(failing);
            start.restore(session.dbConnection);
            db().failStatement(failing);
            EXPECT_FALSE(job());
            EXPECT_FALSE(db().inTransaction());
            EXPECT_EQ(rowsWithoutTimestamps(db()), before);
            db().failStatement(0);
            EXPECT_TRUE(job());
            EXPECT_EQ(rowsWithoutTimestamps(db()), after);
        }
    }
};

TEST_F(FaultSweepTest, Transfer)
{
    const QDate day(2026, 4, 10);
    addLine(1, 11, day, 101, "201", "D", 300, 1);
    addLine(1, 11, day, 201, "101", "C", 300, 1);
    addLine(1, 12, day, 102, "null", "D", 50, 2, u"O'Neil"_s);
    addLine(1, 12, day, 201, "102", "C", 50, 2);
    addBillwise(1, 11, day);
    addCheque(1, 12, day, "null");
    // An earlier copy for the run to clear, and a division the shadow still lacks.
    ASSERT_TRUE(bool(transfer()));
    exec({u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,2,'Branch')"_s});

    sweep([this] {
        const auto end = transfer();
        return end && *end == TransferEnd::Completed;
    });
}

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
