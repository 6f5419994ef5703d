// vantctl transfer: the tools window's checks and questions, then the run, against a real database.
#include "vantctl_fixture.h"

namespace vant::test {
namespace {

const QString kFirstQuestion =
    QStringLiteral("Data Transfer already done for this period.\n Do you want Overwrite with existing Data ? \n");
const QString kSecondQuestion = QStringLiteral(
    "Any modification made during this period in Shadow Company will be deleted.\nDo you want to proceed...?\n");

class VantctlTransferTest : public VantctlTest
{
protected:
    VantctlTransferTest()
    {
        // Two vouchers of May, one of them with two lines, and one of June.
        addLine(11, QStringLiteral("2026-05-10"), 101, QStringLiteral("D"));
        addLine(11, QStringLiteral("2026-05-10"), 201, QStringLiteral("C"));
        addLine(12, QStringLiteral("2026-05-11"), 102, QStringLiteral("D"));
        addLine(13, QStringLiteral("2026-06-02"), 102, QStringLiteral("D"));
    }

    void addLine(int voucherNo, const QString &date, int ledger, const QString &crDr)
    {
        execute({QStringLiteral("insert into accvoucher2026(CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,"
                                "LedgerCode,OppLedgerCode,CrDr,Amount,VoucherCode,Narration,IsVoucherScr,VoucherSlno,"
                                "VoucherSlnoOld,BillRefNo,Counter,TS,AID,OppAID) values (1,1,1,%1,'%2',%3,null,'%4',"
                                "100,5,'May sale','N',1,0,'B-%1','C','2026-05-01',9%3,0)")
                     .arg(QString::number(voucherNo), date, QString::number(ledger), crDr)});
    }

    CtlRun transfer(const QString &dest, const QString &from, const QString &to, bool yes = false)
    {
        QStringList arguments = {QStringLiteral("transfer"), QStringLiteral("--dest"), dest,
                                 QStringLiteral("--from"),   from,                     QStringLiteral("--to"), to};
        if (yes)
            arguments << QStringLiteral("--yes");
        return runAsAdmin(arguments);
    }

    QString shadowRows(const QString &company = QStringLiteral("2"))
    {
        return scalar(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=") + company
                      + QStringLiteral(" and OldVoucherNo is not null"));
    }
};

TEST_F(VantctlTransferTest, CopiesThePeriodIntoTheShadowCompanyAndSaysWhatItDid)
{
    const CtlRun run = transfer(QStringLiteral("2"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(run.out, QStringLiteral("Transfer    [ Clear Old Records...]\n"
                                      "Transfer    [ Transfer Division Details...]\n"
                                      "Transfer    [ Transfer Voucher Details...]\n"
                                      "Transfer    [ Transfer Billwise Outstanding Details ...]\n"
                                      "Transfer    [ Transfer Cheque Details...]\n"
                                      "Transfer    [ Completed ]\n"
                                      "Copied 3 voucher rows of 01-05-2026 to 31-05-2026 from Kormo Traders (1) "
                                      "into Kormo Shadow One (2).\n"));
    EXPECT_EQ(shadowRows(), QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral("select count(distinct VoucherNo) from accvoucher2026 where CompanyCode=2")),
              QStringLiteral("2"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlTransferTest, TheDestinationIsAShadowCompanyNamedByCodeOrName)
{
    EXPECT_EQ(transfer(QStringLiteral(" kormo shadow two "), QStringLiteral("2026-06-01"), QStringLiteral("2026-06-30"))
                  .exitCode,
              0);
    EXPECT_EQ(shadowRows(QStringLiteral("3")), QStringLiteral("1"));
}

TEST_F(VantctlTransferTest, AnEarlierTransferIsOverwrittenOnlyWithYes)
{
    ASSERT_EQ(transfer(QStringLiteral("2"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31")).exitCode, 0);
    const QString firstNumbers =
        scalar(QStringLiteral("select group_concat(VoucherNo) from accvoucher2026 where CompanyCode=2"));

    const CtlRun refused = transfer(QStringLiteral("2"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, kFirstQuestion + QStringLiteral("No: run again with --yes to answer Yes\n"));
    EXPECT_EQ(refused.out, QString());
    EXPECT_EQ(scalar(QStringLiteral("select group_concat(VoucherNo) from accvoucher2026 where CompanyCode=2")),
              firstNumbers);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from accdelvoucher")), QStringLiteral("0"));

    const CtlRun confirmed =
        transfer(QStringLiteral("2"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31"), true);
    EXPECT_EQ(confirmed.exitCode, 0);
    EXPECT_EQ(confirmed.err, kFirstQuestion + QStringLiteral("Yes (--yes)\n") + kSecondQuestion
                                 + QStringLiteral("Yes (--yes)\n"));
    EXPECT_TRUE(confirmed.out.endsWith(QStringLiteral("Transfer    [ Completed ]\nCopied 3 voucher rows of "
                                                      "01-05-2026 to 31-05-2026 from Kormo Traders (1) into Kormo "
                                                      "Shadow One (2).\n")));
    EXPECT_EQ(shadowRows(), QStringLiteral("3"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from accdelvoucher")), QStringLiteral("3"));
}

TEST_F(VantctlTransferTest, RefusedRequestsGiveTheToolsWindowsMessages)
{
    struct Case
    {
        QString dest, from, to, message;
    };
    const QList<Case> cases = {
        {QStringLiteral("9"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31"),
         QStringLiteral("Destination Company Not Correct")},
        // The default company is no shadow of itself: the lookup would not offer it.
        {QStringLiteral("1"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31"),
         QStringLiteral("Destination Company Not Correct")},
        {QStringLiteral("2"), QStringLiteral("2026-05-31"), QStringLiteral("2026-05-01"),
         QStringLiteral("From Date Greater than Do Date")},
        {QStringLiteral("2"), QStringLiteral("2026-03-31"), QStringLiteral("2026-05-01"),
         QStringLiteral("From Date not in this Financial Period")},
        {QStringLiteral("2"), QStringLiteral("2026-05-01"), QStringLiteral("2027-04-01"),
         QStringLiteral("to Date not in this Financial Period")},
        {QStringLiteral("2"), QStringLiteral("2026-07-01"), QStringLiteral("2026-07-31"),
         QStringLiteral("No Transaction to Transfer for this period")},
    };
    for (const Case &c : cases) {
        const CtlRun run = transfer(c.dest, c.from, c.to, true);
        EXPECT_EQ(run.exitCode, 1) << c.message.toStdString();
        EXPECT_EQ(run.err, c.message + QLatin1Char('\n'));
        EXPECT_EQ(run.out, QString());
    }
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode<>1")), QStringLiteral("0"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(VantctlTransferTest, AFailedRunIsReportedLoggedAndRolledBack)
{
    execute({QStringLiteral("create trigger refuse_shadow before insert on accvoucher2026 when new.CompanyCode = 2 "
                            "begin select raise(abort, 'shadow refused'); end")});
    const CtlRun run = transfer(QStringLiteral("2"), QStringLiteral("2026-05-01"), QStringLiteral("2026-05-31"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Error Number : "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("shadow refused")));
    EXPECT_FALSE(run.out.contains(QStringLiteral("Completed")));
    EXPECT_EQ(logLines().value(4), QStringLiteral("ErrForm : frmVantTools    ErrEvent : InsertRecordstoShadow"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from accvoucher2026 where CompanyCode=2")), QStringLiteral("0"));
    EXPECT_EQ(scalar(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=2")),
              QStringLiteral("0"));
}

} // namespace
} // namespace vant::test
