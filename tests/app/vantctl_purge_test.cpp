// vantctl purge: the purge's question answered by --yes, then the accounts component's purge.
#include "vantctl_fixture.h"

namespace vant::test {
namespace {

const QString kQuestion = QStringLiteral("Recovery of Data is not Possible ?\nDo you Whis to Proceed ?\n");

class VantctlPurgeTest : public VantctlTest
{
protected:
    VantctlPurgeTest()
    {
        // Voucher 501 was posted, 502 still waits.
        execute({QStringLiteral("insert into AccOffLineVoucher(CompanyCode,VoucherNo,OldVoucherNo,CrDr,Amount,Moved) "
                                "values (1,501,1,'D',10,'Y'),(1,501,2,'C',10,'Y'),(1,502,3,'D',20,null)"),
                 QStringLiteral("insert into AccOffLinePending(CompanyCode,VoucherNo) values (1,501),(1,502)")});
    }

    QString remaining()
    {
        return scalar(QStringLiteral("select group_concat(OldVoucherNo) from (select OldVoucherNo from "
                                     "AccOffLineVoucher order by OldVoucherNo)"));
    }
};

TEST_F(VantctlPurgeTest, WithoutYesTheQuestionIsAnsweredNoAndNothingIsRemoved)
{
    const CtlRun run = runAsAdmin({QStringLiteral("purge")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, kQuestion + QStringLiteral("No: run again with --yes to answer Yes\n"));
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(remaining(), QStringLiteral("1,2,3"));
}

TEST_F(VantctlPurgeTest, WithYesThePostedVouchersArePurged)
{
    const CtlRun run = runAsAdmin({QStringLiteral("purge"), QStringLiteral("--yes")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, kQuestion + QStringLiteral("Yes (--yes)\nPurge Data Completed\n"));
    EXPECT_EQ(run.out, QStringLiteral("Purged 2 posted off-line voucher lines of Kormo Traders (1).\n"));
    EXPECT_EQ(remaining(), QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral("select group_concat(VoucherNo) from AccOffLinePending")), QStringLiteral("502"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlPurgeTest, AFailedPurgeShowsItsOwnMessageAndIsNotLogged)
{
    execute({QStringLiteral("drop table accvoucher2026")});
    const CtlRun run = runAsAdmin({QStringLiteral("purge"), QStringLiteral("--yes")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(kQuestion + QStringLiteral("Yes (--yes)\nUnexpected error in procedure: "
                                                              "ProcessPurgeData\nError #")))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("Purge Data Completed")));
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(remaining(), QStringLiteral("1,2,3"));
    EXPECT_TRUE(logLines().isEmpty());
}

} // namespace
} // namespace vant::test
