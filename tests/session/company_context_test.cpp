#include "session/company_context.h"
#include "session/text_helpers.h"

#include "session_fixture.h"

namespace vant {
namespace {

class CompanyContextTest : public test::SessionTest
{
protected:
    void SetUp() override { connectSeeded(); }
};

TEST_F(CompanyContextTest, DefaultCompanyFillsTheContext)
{
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.companyCode, u"1");
    EXPECT_EQ(m_session.companyName, u"Kormo Traders");
    EXPECT_EQ(m_session.voucherTable, u"accvoucher2026");
    EXPECT_EQ(m_session.finYearBegin, QDate(2026, 4, 1));
    EXPECT_EQ(m_session.finYearEnd, QDate(2027, 3, 31));
    EXPECT_EQ(m_session.dateFormat, u"dd-MM-yyyy");

    // Without its division the default company is not found, and nothing is reported.
    exec(QStringLiteral("delete from accdivisionmaster"));
    m_session.companyCode.clear();
    EXPECT_FALSE(DefaultCompanySet(m_session));
    EXPECT_TRUE(m_session.companyCode.isEmpty());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_TRUE(log().isEmpty());
}

// Every job selects the company's rows by its code: a code that is no whole number is refused
// rather than pasted into their statements.
TEST_F(CompanyContextTest, ADefaultCompanyCodeIsReadAsTheNumberItIs)
{
    exec(QStringLiteral("update accyearenddetails set companycode=' 1 '"));
    exec(QStringLiteral("update acccompanymaster set CompanyCode=' 1 ' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.companyCode, u"1");

    exec(QStringLiteral("update acccompanymaster set CompanyCode='1'' or ''1''=''1' where CompanyCode=1"));
    m_session.companyCode.clear();
    EXPECT_FALSE(DefaultCompanySet(m_session));
    EXPECT_TRUE(m_session.companyCode.isEmpty());
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_TRUE(m_prompts.boxes().at(0).text.endsWith(
        QStringLiteral("Message : The default company's code is not a number: \"1' or '1'='1\".")))
        << m_prompts.boxes().at(0).text.toStdString();
    EXPECT_TRUE(log().endsWith(QStringLiteral("\r\nErrEvent : DefaultCompanySet\r\n")));
    // A code given as text cannot leave its quotes.
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("2' or '1'='1")), u"NOTFOUND");
}

TEST_F(CompanyContextTest, YearAndFormatFallBackWhenNotStored)
{
    exec(QStringLiteral("update accyearenddetails set FinYearBegin=''"));
    exec(QStringLiteral("update acccompanymaster set FinYearBegin='2025-07-01 00:00:00', defaultyear=null, "
                        "basedatefmt='mm.dd.yy' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.finYearBegin, QDate(2025, 7, 1));
    EXPECT_EQ(m_session.finYearEnd, QDate(2026, 6, 30));
    EXPECT_EQ(m_session.voucherTable, u"accvoucher");
    EXPECT_EQ(m_session.dateFormat, u"MM-dd-yy");
    EXPECT_EQ(GetFinDateBegin(m_session, QStringLiteral("1999"), QStringLiteral("1")), QDate(2025, 7, 1));

    exec(QStringLiteral("delete from accyearenddetails"));
    exec(QStringLiteral("update acccompanymaster set FinYearBegin=null, basedatefmt='   '"));
    const QDate before = QDate::currentDate();
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_TRUE(m_session.finYearBegin == before || m_session.finYearBegin == QDate::currentDate());
    EXPECT_EQ(m_session.finYearEnd, GetFinDateEnd(m_session.finYearBegin));
    EXPECT_EQ(m_session.dateFormat, u"dd-MM-yyyy");
}

TEST_F(CompanyContextTest, FailingQueryIsReportedAndShown)
{
    exec(QStringLiteral("drop table accdivisionmaster"));
    EXPECT_FALSE(DefaultCompanySet(m_session));
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_EQ(m_prompts.boxes().at(0).icon, PromptIcon::Critical);
    EXPECT_TRUE(m_prompts.boxes().at(0).text.contains(QStringLiteral("accdivisionmaster")));
    EXPECT_TRUE(log().endsWith(QStringLiteral("\r\nErrEvent : DefaultCompanySet\r\n")));
}

TEST_F(CompanyContextTest, CompanyNameFoundMissingOrFailed)
{
    exec(QStringLiteral("update acccompanymaster set CompanyName=null where CompanyCode=3"));
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("2")), u"Kormo Shadow One");
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("99")), u"NOTFOUND");
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("3")), u"NOTFOUND");
    EXPECT_TRUE(log().isEmpty());

    exec(QStringLiteral("drop table acccompanymaster"));
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("1")), u"ERROR");
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_TRUE(log().endsWith(QStringLiteral("\r\nErrEvent : GetCompanyName\r\n")));
}

TEST_F(CompanyContextTest, RecordCountAndValueFromTable)
{
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select * from accledgermaster"), false), 5);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select sum(ledgercode) from accledgermaster"), true), 1106);
    EXPECT_EQ(GetValueFromTbl(m_session, QStringLiteral("select LedgerName, ledgercode from accledgermaster order by "
                                                        "ledgercode desc"))
                  .toString(),
              u"Anand Stores");
    EXPECT_TRUE(log().isEmpty());

    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select count(*) from NoSuchTable"), true), 0);
    EXPECT_FALSE(GetValueFromTbl(m_session, QStringLiteral("select x from NoSuchTable")).isValid());
    EXPECT_EQ(log().count(QStringLiteral("ErrEvent : GetRecordCount\r\n")), 1);
    EXPECT_TRUE(log().endsWith(QStringLiteral("ErrEvent : GetValueFromTbl\r\n")));
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

} // namespace
} // namespace vant
