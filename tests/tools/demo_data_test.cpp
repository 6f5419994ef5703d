#include "creator_run.h"
#include "financial_year.h"
#include "session/company_context.h"
#include "session/connection.h"
#include "session/ledger_accounts.h"
#include "session/password_digest.h"
#include "session/session_fixture.h"
#include "support/test_environment.h"

using namespace Qt::StringLiterals;

namespace vant {
namespace {

// A demo database made today, reached the way the login reaches it: through the settings.
class DemoDataTest : public test::SessionTest
{
protected:
    void create(const QStringList &extra = {})
    {
        test::clearSettings();
        const test::CreatorRun run =
            test::runCreator(QStringList{u"--demo"_s, u"--server"_s, m_folder.path()} + extra, m_today);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        ASSERT_EQ(ConnectDatabase(m_session, u"VANTDB"_s), ConnectResult::Open);
    }
    int count(const QString &statement) { return scalar(statement).toInt(); }
    void expectNone(const QString &rows)
    {
        EXPECT_EQ(count(u"select count(*) from "_s + rows), 0) << rows.toStdString();
    }
    // The user the login's statement finds for that name and stored password.
    QString login(const QString &user, const QString &stored)
    {
        return scalar(u"SELECT PEM_EMP_USERID FROM PSM_EMPLOYEE_MASTER WHERE  PEM_EMP_USERID='%1' AND "
                      "PEM_EMP_PASSWORD='%2'"_s.arg(user, stored));
    }

    QTemporaryDir m_folder;
    QDate m_today = QDate::currentDate();
    QString m_day = m_today.toString(Qt::ISODate);
};

TEST_F(DemoDataTest, TheLoginFindsTheDefaultCompanyOfThisYearAndTheDemoUsers)
{
    create();
    const auto version = CheckDBVersion(m_session);
    EXPECT_TRUE(version && version->isEmpty()) << (version ? version->toStdString() : std::string("failed"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    const FinancialYear year = financialYearOf(m_today);
    EXPECT_EQ(QStringList({m_session.companyCode, m_session.companyName, m_session.financialYear,
                           m_session.voucherTable, m_session.dateFormat}),
              QStringList({u"1"_s, u"Kormo Traders"_s, year.key, year.voucherTable(), u"dd-MM-yyyy"_s}));
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_EQ(test::TestDatabase::joined(*m_session.db(),
                                         u"SELECT CompanyCode,CompanyName from Acccompanymaster where "
                                         "parentcompanycode='1' order by CompanyCode"_s,
                                         u":"_s),
              u"2:Kormo Traders Shadow A,3:Kormo Traders Shadow B");
    EXPECT_EQ(test::TestDatabase::joined(*m_session.db(),
                                         u"select CompanyCode from AccDivisionMaster order by CompanyCode"_s),
              u"1,1,1,2");

    EXPECT_EQ(login(u"Admin"_s, PasswordDigest(u"vant"_s)), u"Admin");
    EXPECT_EQ(login(u"Clerk"_s, PasswordDigest(u"clerk"_s)), u"Clerk");
    EXPECT_EQ(login(u"Admin"_s, u"vant"_s), QString());

    create({u"--plain-passwords"_s, u"--force"_s});
    EXPECT_EQ(login(u"Admin"_s, u"vant"_s), u"Admin");
}

// Today's off-line vouchers cover every posting choice, above a year of balanced vouchers up to today.
TEST_F(DemoDataTest, TodaysOffLineVouchersAndAYearOfBalancedVouchers)
{
    create();
    const std::pair<QString, QStringList> choices[] = {
        {u"5,14"_s, {u"CA"_s, u"CR"_s, u"CH"_s, u"CO"_s, u"CC"_s, u"SP"_s}},
        {u"3,13"_s, {u"Ca"_s, u"Cr"_s}},
        {u"6,16"_s, {u"CA"_s, u"CR"_s}},
        {u"4,15"_s, {u"CA"_s, u"CR"_s}},
    };
    for (const auto &[codes, transTypes] : choices) {
        for (const QString &transType : transTypes) {
            for (const char *division : {"1", "2"}) {
                // What the posting window's query needs to list the voucher.
                EXPECT_GE(count(u"select count(*) from AccOffLineVoucher where CompanyCode='1' and DivisionCode='%1' "
                                "and CrDr='D' and VoucherDt='%2' and Moved is null and VoucherCode in (%3) and "
                                "TransType='%4'"_s.arg(QLatin1StringView(division), m_day, codes, transType)),
                          1)
                    << codes.toStdString() << " " << transType.toStdString() << " division " << division;
            }
        }
    }
    expectNone(u"AccOffLineVoucher where VoucherDt<>'%1' or Moved is not null or OldVoucherNo<>VoucherNo"_s.arg(m_day));
    EXPECT_GT(count(u"select count(*) from AccOffLineVoucher where AcType=2"_s), 0);
    // One voucher number, one voucher: every line of a number agrees on code and type and balances.
    expectNone(u"(select VoucherNo from AccOffLineVoucher group by VoucherNo having count(distinct VoucherCode)>1 or "
               "count(distinct TransType)>1 or count(*)<2 or count(*)>3 or "
               "abs(sum(case when CrDr='D' then Amount else -Amount end))>0.001) x"_s);
    expectNone(u"AccOffLineVoucher v where v.TransType in ('CR','Cr') and not exists (select 1 from "
               "AccOffLinePending p where p.CompanyCode=1 and p.VoucherNo=v.VoucherNo)"_s);
    EXPECT_EQ(count(u"select count(*) from AccOffLineChequeDet where DepositDate is null"_s), 1);

    ASSERT_TRUE(DefaultCompanySet(m_session));
    const QString table = m_session.voucherTable;
    const int vouchers = count(u"select count(distinct VoucherNo) from "_s + table);
    EXPECT_GE(vouchers, 300);
    expectNone(u"%1 where VoucherDt<'%2' or VoucherDt>'%3' or OldVoucherNo is not null"_s.arg(
        table, m_session.finYearBegin.toString(Qt::ISODate), m_day));
    expectNone(u"(select VoucherNo from %1 group by VoucherNo having count(*)<2 or count(distinct VoucherCode)>1 or "
               "abs(sum(case when CrDr='D' then Amount else -Amount end))>0.001) x"_s.arg(table));
    expectNone(u"%1 v join accledgermaster l on v.LedgerCode=l.ledgercode join accledgermaster o on "
               "v.OppLedgerCode=o.ledgercode where v.AID<>l.aid or v.OppAID<>o.aid"_s.arg(table));

    // The counters stand at the last numbers, so the next voucher gets a fresh one.
    LedgerAccounts accounts;
    ASSERT_TRUE(accounts.SetAccDBConnection(*m_session.db()));
    const auto next = accounts.GetMaxVoucherNo(table, 1);
    EXPECT_EQ(next ? *next : 0, vouchers + 1);
    expectNone(u"AccCompanyVoucherNo n where n.TranYear='%1' and n.VoucherSlno<>(select max(VoucherSlno) from %2 v "
               "where v.VoucherCode=n.VoucherCode)"_s.arg(m_session.financialYear, table));
    // Bill-wise and cheque rows belong to vouchers of the table.
    EXPECT_GT(count(u"select count(*) from AccPending"_s), 0);
    expectNone(u"AccPending p where not exists (select 1 from %1 v where v.VoucherNo=p.VoucherNo and "
               "v.LedgerCode=p.LedgerCode)"_s.arg(table));
    expectNone(u"AccChequeDetails c where not exists (select 1 from %1 v where v.VoucherNo=c.VoucherNo and "
               "v.VoucherDt=c.ReceiveDate)"_s.arg(table));
}

} // namespace
} // namespace vant
