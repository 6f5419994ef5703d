// vantctl post: the posting window's list, the chosen vouchers marked, posted and numbered.
#include "vantctl_fixture.h"

namespace vant::test {
namespace {

const QString kHeading = QStringLiteral("SNO  DATE        BILL NO             BILL AMT  VNO\n");

class VantctlPostTest : public VantctlTest
{
protected:
    VantctlPostTest()
    {
        addVoucher(701, 5, QStringLiteral("CA"), 150);
        addVoucher(702, 14, QStringLiteral("CA"), 80);
        addVoucher(703, 5, QStringLiteral("CR"), 40);
        addVoucher(704, 3, QStringLiteral("Cr"), 60);
        execute({QStringLiteral("insert into AccOffLinePending(CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,"
                                "BillRefNo,billdate,billamount,CrDr,TransType,VoucherCode,Payable,OppLedgerCode) "
                                "values (1,1,1,401,701,'B701','2026-05-10',150,'D','CA',5,150,201)"),
                 QStringLiteral("insert into AccOffLineChequeDet(CompanyCode,DivisionId,AcType,VoucherCode,VoucherNo,"
                                "LedgerCode,LedgerCode1,ChequeNo,ChequeAmount,ReceiveDate,ChequeDate,DepositDate,"
                                "Status,BankName,ChequePrinted) values (1,1,1,14,702,102,401,'CH7',80,'2026-05-10',"
                                "'2026-05-10','2026-05-12','R','State Bank','N')")});
    }

    // A voucher of 10 May in division 1: a debit and a credit line.
    void addVoucher(int voucherNo, int voucherCode, const QString &transType, int amount)
    {
        for (const QString &crDr : {QStringLiteral("D"), QStringLiteral("C")}) {
            execute({QStringLiteral("insert into AccOffLineVoucher(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,"
                                    "LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,TransType,Narration,BillRefNo,"
                                    "OldVoucherNo,Moved) values (1,1,1,%1,'2026-05-10',%2,%3,'%4',%5,%6,'%7','Sale',"
                                    "'B%1',%8,null)")
                         .arg(QString::number(voucherNo), crDr == u"D" ? QStringLiteral("401") : QStringLiteral("201"),
                              crDr == u"D" ? QStringLiteral("201") : QStringLiteral("401"), crDr,
                              QString::number(amount), QString::number(voucherCode), transType,
                              QString::number(voucherNo * 10 + (crDr == u"D" ? 1 : 2)))});
        }
    }

    CtlRun post(const QStringList &choice, const QString &voucherType = QStringLiteral("SA"),
                const QString &transType = QStringLiteral("CA"))
    {
        return runAsAdmin(QStringList{QStringLiteral("post"), QStringLiteral("--date"), QStringLiteral("2026-05-10"),
                                      QStringLiteral("--division"), QStringLiteral("1"),
                                      QStringLiteral("--voucher-type"), voucherType, QStringLiteral("--trans-type"),
                                      transType}
                          + choice);
    }

    QString moved()
    {
        return scalar(QStringLiteral("select group_concat(VoucherNo) from (select distinct VoucherNo from "
                                     "AccOffLineVoucher where Moved='Y' order by VoucherNo)"));
    }
    QString posted(const QString &columns = QStringLiteral("VoucherNo||':'||OldVoucherNo"))
    {
        return scalar(QStringLiteral("select group_concat(v) from (select ") + columns
                      + QStringLiteral(" v from accvoucher2026 where CompanyCode=1 order by OldVoucherNo)"));
    }
};

TEST_F(VantctlPostTest, AllListedVouchersArePostedUnderNewNumbers)
{
    const CtlRun run = post({QStringLiteral("--all")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, kHeading
                           + QStringLiteral("1    10/05/2026  B701                  150.00  701\n"
                                            "2    10/05/2026  B702                   80.00  702\n"
                                            "Posted off-line voucher 701 (150.00) as voucher 1\n"
                                            "Posted off-line voucher 702 (80.00) as voucher 2\n"
                                            "2 vouchers posted.\n"
                                            "0 vouchers of the list still waiting.\n"));
    EXPECT_EQ(moved(), QStringLiteral("701,702"));
    EXPECT_EQ(posted(), QStringLiteral("1:7011,1:7012,2:7021,2:7022"));
    EXPECT_EQ(scalar(QStringLiteral("select VoucherNo from AccPending")), QStringLiteral("701"));
    EXPECT_EQ(scalar(QStringLiteral("select VoucherNo from AccChequeDetails")), QStringLiteral("2"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlPostTest, ChosenVouchersArePostedUnderTheAccountTypeAsked)
{
    const CtlRun run = post({QStringLiteral("--voucher"), QStringLiteral("702"), QStringLiteral("--actype"),
                             QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("Posted off-line voucher 702 (80.00) as voucher 1\n"
                                                "1 voucher posted.\n"
                                                "1 voucher of the list still waiting.\n")))
        << run.out.toStdString();
    EXPECT_EQ(moved(), QStringLiteral("702"));
    EXPECT_EQ(posted(QStringLiteral("AcType||':'||VoucherCode")), QStringLiteral("2:14,2:14"));
}

TEST_F(VantctlPostTest, PurchaseCodesAreSentAsTheListOffersThem)
{
    const CtlRun run = post({QStringLiteral("--all")}, QStringLiteral("pu"), QStringLiteral("CR"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Posted off-line voucher 704 (60.00) as voucher 1\n")));
    EXPECT_EQ(moved(), QStringLiteral("704"));
}

TEST_F(VantctlPostTest, AnEmptyListPostsNothing)
{
    const CtlRun run = post({QStringLiteral("--all")}, QStringLiteral("SR"), QStringLiteral("CA"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeading + QStringLiteral("0 vouchers posted.\n0 vouchers of the list still waiting.\n"));
    EXPECT_EQ(moved(), QString());
}

TEST_F(VantctlPostTest, RefusedChoicesPostNothing)
{
    const CtlRun unlisted = post({QStringLiteral("--voucher"), QStringLiteral("701"), QStringLiteral("--voucher"),
                                  QStringLiteral("703")});
    EXPECT_EQ(unlisted.exitCode, 1);
    EXPECT_EQ(unlisted.err, QStringLiteral("Off-line voucher 703 is not in the list\n"));

    const CtlRun noDivision = runAsAdmin(
        QStringLiteral("post --date 2026-05-10 --division 5 --voucher-type SA --trans-type CA --all").split(u' '));
    EXPECT_EQ(noDivision.exitCode, 1);
    EXPECT_EQ(noDivision.err, QStringLiteral("Division 5 is not a division of Kormo Traders\n"));
    EXPECT_EQ(noDivision.out, QString());

    const CtlRun badType = post({QStringLiteral("--all")}, QStringLiteral("SA"), QStringLiteral("Ca "));
    EXPECT_EQ(badType.exitCode, 2);
    EXPECT_TRUE(badType.err.startsWith(
        QStringLiteral("vantctl: --trans-type for SA is one of CA, CR, CH, CO, CC, SP, not \"Ca \"\n")));

    EXPECT_EQ(moved(), QString());
    EXPECT_EQ(posted(), QString());
}

TEST_F(VantctlPostTest, ADuplicateNumberStopsThePosting)
{
    execute({QStringLiteral("insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt) values (1,1,'2026-05-01')")});
    const CtlRun run = post({QStringLiteral("--all")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("VoucherNO is duplicated. Contact Software Vendor...\n"));
    EXPECT_TRUE(run.out.contains(QStringLiteral("0 vouchers posted.\n2 vouchers of the list still waiting.\n")));
    EXPECT_EQ(moved(), QString());
}

TEST_F(VantctlPostTest, AFailedVoucherIsReportedLoggedAndLeftUnposted)
{
    execute({QStringLiteral("create trigger refuse_cheque before insert on AccChequeDetails "
                            "begin select raise(abort, 'cheque refused'); end")});
    const CtlRun run = post({QStringLiteral("--all")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Error Number : "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("cheque refused")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Posted off-line voucher 701 (150.00) as voucher 1\n"
                                                "1 voucher posted.\n1 voucher of the list still waiting.\n")))
        << run.out.toStdString();
    EXPECT_EQ(moved(), QStringLiteral("701"));
    EXPECT_EQ(logLines().value(4), QStringLiteral("ErrForm : frmAccountPost    ErrEvent : SaveTrans"));
}

} // namespace
} // namespace vant::test
