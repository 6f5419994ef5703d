// vantctl post: the posting window's list, the chosen vouchers marked, posted and numbered.
#include "vantctl_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/saved_database.h"
#include "support/test_server.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

const QString kHeading = u"SNO  DATE        BILL NO             BILL AMT  VNO\n"_s;

class VantctlPostTest : public VantctlTest
{
protected:
    VantctlPostTest() { executeScript(u"post_vouchers.sql"_s); }

    // A posting of 10 May: the choice, then the division, voucher type and transaction type.
    CtlRun post(const QString &choice, const QString &divisionAndTypes = u"1 SA CA"_s)
    {
        const QStringList d = divisionAndTypes.split(u' ');
        return runAsAdmin(
            u"post --date 2026-05-10 --division %1 --voucher-type %2 --trans-type %3 %4"_s.arg(d[0], d[1], d[2], choice)
                .split(u' '));
    }
    // New number, off-line line and account type of every posted line.
    QString posted()
    {
        return scalar(u"select group_concat(v) from (select VoucherNo||':'||OldVoucherNo||':'||AcType v "
                      "from accvoucher2026 where CompanyCode=1 order by OldVoucherNo)"_s);
    }
};

TEST_F(VantctlPostTest, PostsTheChosenVouchersOfTheListUnderNewNumbers)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions");
    const CtlRun empty = post(u"--all"_s, u"1 SR CA"_s);
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, kHeading + u"0 vouchers posted.\n0 vouchers of the list still waiting.\n"_s);
    const CtlRun unlisted = post(u"--voucher 701 --voucher 703"_s);
    EXPECT_EQ(unlisted.exitCode, 1);
    EXPECT_EQ(unlisted.err, u"Off-line voucher 703 is not in the list\n"_s);
    const CtlRun division = post(u"--all"_s, u"5 SA CA"_s);
    EXPECT_EQ(division.exitCode, 1);
    EXPECT_EQ(division.err, u"Division 5 is not a division of Kormo Traders\n"_s);
    EXPECT_EQ(posted(), QString());

    const CtlRun chosen = post(u"--voucher 702 --actype 2"_s);
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    EXPECT_EQ(chosen.out, kHeading
                              + u"1    10/05/2026  B701                  150.00  701\n"
                                u"2    10/05/2026  B702                   80.00  702\n"
                                u"Posted off-line voucher 702 (80.00) as voucher 1\n"
                                u"1 voucher posted.\n1 voucher of the list still waiting.\n"_s);
    const CtlRun all = post(u"--all"_s);
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.endsWith(u"B701                  150.00  701\n"
                                 u"Posted off-line voucher 701 (150.00) as voucher 2\n"
                                 u"1 voucher posted.\n0 vouchers of the list still waiting.\n"_s))
        << all.out.toStdString();
    // The voucher type is taken in any case; a purchase's list offers its own codes.
    EXPECT_EQ(post(u"--all"_s, u"1 pu CR"_s).exitCode, 0);
    EXPECT_EQ(posted(), u"2:7011:1,2:7012:1,1:7021:2,1:7022:2,3:7041:1,3:7042:1"_s);
    EXPECT_TRUE(logLines().isEmpty());
}

// A voucher that fails stops the run: the exit status and the error say so, and the summary counts
// what was posted before it. A voucher asked for and not posted fails the run too.
TEST_F(VantctlPostTest, AFailingVoucherFailsTheRunWithItsReason)
{
    VANT_SQLITE_ONLY("refuses vouchers by SQLite triggers");
    const struct
    {
        QString setup, error, summary;
    } cases[] = {
        {u"create trigger refuse_702 before insert on accvoucher2026 when new.OldVoucherNo = 7021 "
         "begin select raise(abort, 'voucher refused'); end"_s,
         u"voucher refused"_s, u"as voucher 1\n1 voucher posted.\n1 voucher of the list still waiting.\n"_s},
        // A counter below 0 gives no voucher number.
        {u"update acccompanymaster set Voucherno=-1 where CompanyCode=1"_s, u"Voucher No is 0"_s,
         u"0 vouchers posted.\n2 vouchers of the list still waiting.\n"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.setup.toStdString());
        const SavedDatabase start(m_db);
        execute({c.setup});
        const CtlRun run = post(u"--all"_s);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(c.error)) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(c.summary)) << run.out.toStdString();
        start.restore(m_connection);
    }

    // A voucher asked for and not posted is no success: it is named, the exit status says so and so
    // does the journal.
    executeScript(u"zero_return.sql"_s);
    const CtlRun run = post(u"--voucher 706 --json"_s, u"1 SR CA"_s);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, u"Off-line voucher 706 was not posted: its amount 0.00 is not above 0\n"_s);
    const QJsonObject record = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(record.value(u"parameters"_s).toObject().value(u"marked"_s).toArray(), QJsonArray({706}));
    EXPECT_EQ(
        record.value(u"failed"_s).toArray(),
        QJsonArray({QJsonObject{
            {u"voucherNo"_s, u"706"_s}, {u"reason"_s, u"its amount 0.00 is not above 0"_s}, {u"tried"_s, true}}}));

    // Vouchers after the one that stopped the run are named as not tried.
    execute({u"create trigger refuse_701 before insert on accvoucher2026 when new.OldVoucherNo = 7011 "
             "begin select raise(abort, 'voucher refused'); end"_s});
    const CtlRun stopped = post(u"--all"_s);
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_TRUE(stopped.err.endsWith(u"Off-line voucher 701 was not posted: SaveTrans: voucher refused Unable to "
                                     u"fetch row\nOff-line voucher 702 was not tried: the posting stopped at "
                                     u"off-line voucher 701\n"_s))
        << stopped.err.toStdString();
}

// The dry run tells what the real run would leave, also when the run would fail.
TEST_F(VantctlPostTest, ADryRunTellsWhatTheRunWouldLeaveOrWhyItWouldFail)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions and refuses a voucher by a SQLite trigger");
    execute({u"create trigger refuse_702 before insert on accvoucher2026 when new.OldVoucherNo = 7021 "
             "begin select raise(abort, 'voucher refused'); end"_s});
    const CtlRun failing = post(u"--all --dry-run"_s);
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_TRUE(failing.out.contains(u"The run would not succeed; it would leave:\n"_s)) << failing.out.toStdString();
    EXPECT_TRUE(failing.out.contains(u"  vouchers posted 1\n  voucher 702 not posted: SaveTrans: "_s))
        << failing.out.toStdString();
    EXPECT_TRUE(failing.out.contains(u"voucher refused"_s));
    execute({u"drop trigger refuse_702"_s});

    const CtlRun dry = post(u"--all --dry-run"_s);
    EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(u"2 vouchers posted.\n0 vouchers of the list still waiting.\nDry run: nothing was "
                                 u"changed. The run would succeed; it would leave:\n"_s))
        << dry.out.toStdString();
    EXPECT_TRUE(dry.out.endsWith(u"  voucher numbers 1-2\n  sub-numbers of voucher code 5 (2026) 1\n"
                                 u"  sub-numbers of voucher code 14 (2026) 1\n  vouchers posted 2\n"_s))
        << dry.out.toStdString();

    const QJsonObject dryRecord = QJsonDocument::fromJson(post(u"--all --dry-run --json"_s).out.toUtf8()).object();
    const CtlRun real = post(u"--all --json"_s);
    EXPECT_EQ(real.exitCode, 0);
    const QJsonObject record = QJsonDocument::fromJson(real.out.toUtf8()).object();
    expectDryRunOf(dryRecord, record, {u"tables"_s, u"numbers"_s, u"posted"_s, u"failed"_s, u"result"_s});
    EXPECT_EQ(record.value(u"posted"_s).toInt(), 2);
}

} // namespace
} // namespace vant::test
