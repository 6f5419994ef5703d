#include "creator_run.h"
#include "financial_year.h"
#include "support/scripted_prompts.h"
#include "session/company_context.h"
#include "session/connection.h"
#include "session/ledger_accounts.h"
#include "session/md5.h"
#include "session/session.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::TestDatabase;

// A demo database made today, reached the way the login reaches it: through the settings.
class DemoDataTest : public ::testing::Test
{
protected:
    void create(const QStringList &extra = {})
    {
        test::clearSettings();
        const test::CreatorRun run = test::runCreator(
            QStringList{QStringLiteral("--demo"), QStringLiteral("--server"), m_folder.path()} + extra, m_today);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        ASSERT_EQ(ConnectDatabase(m_session, QStringLiteral("VANTDB")), ConnectResult::Open);
    }
    Database &db() { return *m_session.db(); }
    QString scalar(const QString &statement) { return TestDatabase::scalar(db(), statement); }
    int count(const QString &statement) { return scalar(statement).toInt(); }
    QString today() const { return m_today.toString(QStringLiteral("yyyy-MM-dd")); }

    QTemporaryDir m_folder;
    QTemporaryDir m_logFolder;
    QDate m_today = QDate::currentDate();
    test::ScriptedPrompts m_prompts;
    Session m_session{m_prompts, QDir(m_logFolder.path()).filePath(QStringLiteral("vantlog.txt"))};
};

QString loginStatement(const QString &user, const QString &candidate)
{
    return QStringLiteral("SELECT PEM_EMP_USERID FROM PSM_EMPLOYEE_MASTER WHERE  PEM_EMP_USERID='") + user
           + QStringLiteral("' AND PEM_EMP_PASSWORD='") + candidate + QLatin1Char('\'');
}

const QString kPasswordProbe = QStringLiteral("select top 1 isnull(len(pem_emp_password),0) from psm_employee_master");

TEST_F(DemoDataTest, TheLoginFindsTheDefaultCompanyOfThisYear)
{
    create();
    const auto version = CheckDBVersion(m_session);
    ASSERT_TRUE(bool(version));
    EXPECT_EQ(*version, QString());

    ASSERT_TRUE(DefaultCompanySet(m_session));
    const FinancialYear year = financialYearOf(m_today);
    EXPECT_EQ(m_session.CompanyCode, u"1");
    EXPECT_EQ(m_session.CompanyName, u"Kormo Traders");
    EXPECT_EQ(m_session.FinancialYear, year.key);
    EXPECT_EQ(m_session.VoucherTable, year.voucherTable());
    EXPECT_EQ(m_session.FinYearBegin, year.begin);
    EXPECT_EQ(m_session.FinYearEnd, year.end);
    EXPECT_EQ(m_session.DateFormat, u"dd-MM-yyyy"); // from the stored DD/MM/YYYY
    EXPECT_TRUE(m_prompts.boxes().isEmpty());

    auto shadows = db().openRecordset(
        QStringLiteral("SELECT CompanyName,CompanyCode from Acccompanymaster  where parentcompanycode='1'"));
    ASSERT_TRUE(bool(shadows));
    ASSERT_EQ(shadows->recordCount(), 2);
    EXPECT_EQ(shadows->text(0), u"Kormo Traders Shadow A");
    EXPECT_EQ(shadows->text(1), u"2");
    shadows->moveNext();
    EXPECT_EQ(shadows->text(0), u"Kormo Traders Shadow B");
    EXPECT_EQ(shadows->text(1), u"3");

    const QString divisions = QStringLiteral("select count(*) from AccDivisionMaster where CompanyCode='%1'");
    EXPECT_EQ(count(divisions.arg(1)), 3);
    EXPECT_EQ(count(divisions.arg(2)), 1);
    EXPECT_EQ(count(divisions.arg(3)), 0);
}

TEST_F(DemoDataTest, PasswordsAreStoredAsDigestsByDefault)
{
    create();
    EXPECT_EQ(scalar(kPasswordProbe), u"32");
    EXPECT_EQ(count(QStringLiteral("select count(*) from psm_employee_master")), 2);
    EXPECT_EQ(scalar(loginStatement(QStringLiteral("Admin"), PasswordDigest(QStringLiteral("vant")))), u"Admin");
    EXPECT_EQ(scalar(loginStatement(QStringLiteral("Clerk"), PasswordDigest(QStringLiteral("clerk")))), u"Clerk");
    EXPECT_EQ(scalar(loginStatement(QStringLiteral("Admin"), QStringLiteral("vant"))), QString());
}

TEST_F(DemoDataTest, PlainPasswordsAreStoredAsTyped)
{
    create({QStringLiteral("--plain-passwords")});
    EXPECT_NE(scalar(kPasswordProbe), u"32");
    EXPECT_EQ(count(QStringLiteral("select count(*) from psm_employee_master where len(PEM_EMP_PASSWORD)=32")), 0);
    EXPECT_EQ(scalar(loginStatement(QStringLiteral("Admin"), QStringLiteral("vant"))), u"Admin");
    EXPECT_EQ(scalar(loginStatement(QStringLiteral("Clerk"), QStringLiteral("clerk"))), u"Clerk");
}

TEST_F(DemoDataTest, TodaysOffLineVouchersCoverEveryPostingChoice)
{
    create();
    const std::pair<QString, QStringList> choices[] = {
        {QStringLiteral("5,14"), {QStringLiteral("CA"), QStringLiteral("CR"), QStringLiteral("CH"),
                                  QStringLiteral("CO"), QStringLiteral("CC"), QStringLiteral("SP")}},
        {QStringLiteral("3,13"), {QStringLiteral("Ca"), QStringLiteral("Cr")}},
        {QStringLiteral("6,16"), {QStringLiteral("CA"), QStringLiteral("CR")}},
        {QStringLiteral("4,15"), {QStringLiteral("CA"), QStringLiteral("CR")}},
    };
    for (const auto &[codes, transTypes] : choices) {
        for (const QString &transType : transTypes) {
            for (const int division : {1, 2}) {
                // The posting window's voucher query.
                auto listed = db().openRecordset(
                    QStringLiteral("select voucherno,BillRefno,VoucherDt, TransType,sum(Amount) Amount,AcType,"
                                   "VoucherCode from AccOffLineVoucher where  CompanyCode='1' and DIvisionCOde='%1"
                                   "' and   CrDr='D' and VoucherDt='%2' and moved is null and    VoucherCode in (%3)"
                                   " and TransType='%4' group by voucherno,VoucherDt,BillRefNo,TransType,AcType,"
                                   "VoucherCode order by VoucherDt,voucherno")
                        .arg(QString::number(division), today(), codes, transType));
                ASSERT_TRUE(bool(listed)) << listed.error().description.toStdString();
                EXPECT_GE(listed->recordCount(), 1) << codes.toStdString() << " " << transType.toStdString()
                                                    << " division " << division;
            }
        }
    }

    EXPECT_EQ(count(QStringLiteral("select count(*) from AccOffLineVoucher where VoucherDt<>'%1' or Moved is not "
                                   "null or OldVoucherNo<>VoucherNo").arg(today())), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccOffLineVoucher where AcType=2")) > 0, true);
    // One voucher number, one voucher: every line of a number agrees on code and type and balances.
    EXPECT_EQ(count(QStringLiteral(
                  "select count(*) from (select VoucherNo from AccOffLineVoucher group by VoucherNo having "
                  "count(distinct VoucherCode)>1 or count(distinct TransType)>1 or count(*)<2 or count(*)>3 or "
                  "abs(sum(case when CrDr='D' then Amount else -Amount end))>0.001) x")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccOffLineVoucher v where v.TransType in ('CR','Cr') and "
                                   "not exists (select 1 from AccOffLinePending p where p.CompanyCode=1 and "
                                   "p.VoucherNo=v.VoucherNo)")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccOffLineVoucher v where v.TransType='CH' and "
                                   "not exists (select 1 from AccOffLineChequeDet c where c.CompanyCode=1 and "
                                   "c.VoucherNo=v.VoucherNo)")),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccOffLineChequeDet where DepositDate is null")), 1);
}

TEST_F(DemoDataTest, AYearOfBalancedVouchersUpToToday)
{
    create();
    ASSERT_TRUE(DefaultCompanySet(m_session));
    const QString table = m_session.VoucherTable;
    const int vouchers = count(QStringLiteral("select count(distinct VoucherNo) from ") + table);
    EXPECT_GE(vouchers, 300);
    EXPECT_EQ(count(QStringLiteral("select count(*) from %1 where VoucherDt<'%2' or VoucherDt>'%3' or "
                                   "OldVoucherNo is not null or CompanyCode<>1")
                        .arg(table, m_session.FinYearBegin.toString(Qt::ISODate), today())),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(distinct VoucherCode) from ") + table), 10);
    EXPECT_EQ(count(QStringLiteral("select count(*) from (select VoucherNo from %1 group by VoucherNo having "
                                   "count(*)<2 or count(*)>3 or count(distinct VoucherCode)>1 or "
                                   "abs(sum(case when CrDr='D' then Amount else -Amount end))>0.001) x")
                        .arg(table)),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from %1 v join accledgermaster l on v.LedgerCode=l.ledgercode "
                                   "join accledgermaster o on v.OppLedgerCode=o.ledgercode where v.AID<>l.aid or "
                                   "v.OppAID<>o.aid")
                        .arg(table)),
              0);
    EXPECT_GE(count(QStringLiteral("select count(*) from %1 where Narration like '%''%'").arg(table)), 1);

    // The counters stand at the last numbers, so the next voucher gets a fresh one.
    EXPECT_EQ(count(QStringLiteral("select Voucherno from acccompanymaster where CompanyCode=1")), vouchers);
    LedgerAccounts accounts;
    ASSERT_TRUE(accounts.SetAccDBConnection(db()));
    const auto next = accounts.GetMaxVoucherNo(table, 1);
    ASSERT_TRUE(bool(next));
    EXPECT_EQ(*next, vouchers + 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccCompanyVoucherNo n where n.CompanyCode=1 and "
                                   "n.TranYear='%1' and n.VoucherSlno<>(select max(VoucherSlno) from %2 v where "
                                   "v.VoucherCode=n.VoucherCode)")
                        .arg(m_session.FinancialYear, table)),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccCompanyVoucherNo")), 10);

    // Bill-wise and cheque rows belong to vouchers of the table.
    EXPECT_GT(count(QStringLiteral("select count(*) from AccPending")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccPending p where not exists (select 1 from %1 v where "
                                   "v.VoucherNo=p.VoucherNo and v.LedgerCode=p.LedgerCode)")
                        .arg(table)),
              0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from AccChequeDetails c where not exists (select 1 from %1 v "
                                   "where v.VoucherNo=c.VoucherNo and v.VoucherDt=c.ReceiveDate)")
                        .arg(table)),
              0);
    EXPECT_GT(count(QStringLiteral("select count(*) from AccChequeDetails where ClearDate is null")), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from AccChequeDetails where ClearDate is not null")), 0);
}

TEST_F(DemoDataTest, TheSameDayGivesTheSameData)
{
    create();
    const QString dump = QStringLiteral(
        "select group_concat(VoucherNo||'|'||LedgerCode||'|'||CrDr||'|'||Amount||'|'||VoucherDt||'|'||Narration, ';')"
        " from (select * from accvoucher%1 order by tsid)").arg(financialYearOf(m_today).key);
    const QString first = scalar(dump);
    const QString firstOffLine = scalar(QStringLiteral(
        "select group_concat(VoucherNo||'|'||LedgerCode||'|'||Amount, ';') from (select * from AccOffLineVoucher)"));

    QTemporaryDir otherFolder;
    const test::CreatorRun again = test::runCreator(
        {QStringLiteral("--demo"), QStringLiteral("--server"), otherFolder.path()}, m_today);
    ASSERT_EQ(again.status, 0);
    auto other = Database::open({QStringLiteral("SQLite"), otherFolder.path(), QStringLiteral("vantdemo.db"),
                                 QStringLiteral("sa"), QString()});
    ASSERT_TRUE(bool(other));
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(TestDatabase::scalar(**other, dump), first);
    EXPECT_EQ(TestDatabase::scalar(**other, QStringLiteral("select group_concat(VoucherNo||'|'||LedgerCode||'|'||"
                                                           "Amount, ';') from (select * from AccOffLineVoucher)")),
              firstOffLine);
}

} // namespace
} // namespace vant
