#include "session/company_context.h"
#include "session/session.h"
#include "session/text_helpers.h"

#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::ScriptedPrompts;
using test::TestDatabase;

class CompanyContextTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_session.DBConnection = m_file.connect();
        ASSERT_TRUE(m_session.db());
        TestDatabase::seedCompanies(*m_session.db());
    }

    void exec(const QString &statement) { TestDatabase::exec(*m_session.db(), {statement}); }

    QString log() const
    {
        QFile file(m_logPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    TestDatabase m_file;
    QTemporaryDir m_logFolder;
    QString m_logPath = QDir(m_logFolder.path()).filePath(QStringLiteral("vantlog.txt"));
    ScriptedPrompts m_prompts;
    Session m_session{m_prompts, m_logPath};
};

TEST_F(CompanyContextTest, DefaultCompanyFillsTheContext)
{
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.CompanyCode, u"1");
    EXPECT_EQ(m_session.CompanyName, u"Kormo Traders");
    EXPECT_EQ(m_session.FinancialYear, u"2026");
    EXPECT_EQ(m_session.VoucherTable, u"accvoucher2026");
    EXPECT_EQ(m_session.FinYearBegin, QDate(2026, 4, 1));
    EXPECT_EQ(m_session.FinYearEnd, QDate(2027, 3, 31));
    EXPECT_EQ(m_session.DateFormat, u"dd-MM-yyyy");
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(CompanyContextTest, NoDefaultCompanyLeavesTheContextEmpty)
{
    exec(QStringLiteral("update acccompanymaster set DefaultCompany='N'"));
    EXPECT_FALSE(DefaultCompanySet(m_session));
    EXPECT_TRUE(m_session.CompanyCode.isEmpty());
    EXPECT_TRUE(m_session.CompanyName.isEmpty());
    EXPECT_TRUE(m_session.VoucherTable.isEmpty());
    EXPECT_FALSE(m_session.FinYearBegin.isValid());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

TEST_F(CompanyContextTest, DefaultCompanyWithoutItsDivisionIsNotFound)
{
    exec(QStringLiteral("delete from accdivisionmaster"));
    EXPECT_FALSE(DefaultCompanySet(m_session));
    EXPECT_TRUE(m_session.CompanyCode.isEmpty());
}

TEST_F(CompanyContextTest, YearBeginFallsBackToCompanyMasterThenToday)
{
    exec(QStringLiteral("delete from accyearenddetails"));
    exec(QStringLiteral("update acccompanymaster set FinYearBegin='2025-07-01' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.FinYearBegin, QDate(2025, 7, 1));
    EXPECT_EQ(m_session.FinYearEnd, QDate(2026, 6, 30));

    exec(QStringLiteral("update acccompanymaster set FinYearBegin=null"));
    const QDate before = QDate::currentDate();
    ASSERT_TRUE(DefaultCompanySet(m_session));
    const QDate after = QDate::currentDate();
    EXPECT_TRUE(m_session.FinYearBegin == before || m_session.FinYearBegin == after);
    EXPECT_EQ(m_session.FinYearEnd, GetFinDateEnd(m_session.FinYearBegin));
}

TEST_F(CompanyContextTest, NullYearRowFallsBackToCompanyMaster)
{
    exec(QStringLiteral("update accyearenddetails set FinYearBegin=null"));
    exec(QStringLiteral("update acccompanymaster set FinYearBegin='2024-01-01' where CompanyCode=1"));
    EXPECT_EQ(GetFinDateBegin(m_session, QStringLiteral("2026"), QStringLiteral("1")), QDate(2024, 1, 1));
    EXPECT_EQ(GetFinDateBegin(m_session, QStringLiteral("1999"), QStringLiteral("1")), QDate(2024, 1, 1));
    exec(QStringLiteral("insert into accyearenddetails(companycode,FinancialYear,FinYearBegin) values (1,'2027','2027-04-01')"));
    EXPECT_EQ(GetFinDateBegin(m_session, QStringLiteral("2027"), QStringLiteral("1")), QDate(2027, 4, 1));
}

TEST_F(CompanyContextTest, UnreadableYearBeginCountsAsNone)
{
    exec(QStringLiteral("update accyearenddetails set FinYearBegin=''"));
    exec(QStringLiteral("update acccompanymaster set FinYearBegin='2024-01-01 00:00:00' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.FinYearBegin, QDate(2024, 1, 1));
    EXPECT_EQ(m_session.FinYearEnd, QDate(2024, 12, 31));

    exec(QStringLiteral("update acccompanymaster set FinYearBegin='not a date' where CompanyCode=1"));
    EXPECT_TRUE(GetFromCompany(m_session, QStringLiteral("1")).isValid());
}

TEST_F(CompanyContextTest, VoucherTableFollowsTheDefaultYear)
{
    exec(QStringLiteral("update acccompanymaster set defaultyear=null where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.FinancialYear, QString());
    EXPECT_EQ(m_session.VoucherTable, u"accvoucher");

    exec(QStringLiteral("update acccompanymaster set defaultyear='2025-26' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.VoucherTable, u"accvoucher2025-26");
}

TEST_F(CompanyContextTest, DateFormatComesFromTheStoredFormat)
{
    exec(QStringLiteral("update acccompanymaster set basedatefmt='mm.dd.yy' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.DateFormat, u"MM-dd-yy");

    exec(QStringLiteral("update acccompanymaster set basedatefmt='   ' where CompanyCode=1"));
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.DateFormat, u"dd-MM-yyyy");

    exec(QStringLiteral("update acccompanymaster set basedatefmt=null where CompanyCode=1"));
    m_session.DateFormat = QStringLiteral("x");
    ASSERT_TRUE(DefaultCompanySet(m_session));
    EXPECT_EQ(m_session.DateFormat, u"dd-MM-yyyy");
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
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("2")), u"Kormo Shadow One");
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("99")), u"NOTFOUND");
    exec(QStringLiteral("update acccompanymaster set CompanyName=null where CompanyCode=3"));
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("3")), u"NOTFOUND");
    EXPECT_TRUE(log().isEmpty());

    exec(QStringLiteral("drop table acccompanymaster"));
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("1")), u"ERROR");
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    const QStringList lines = log().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.at(0), u"-----------------------------");
    EXPECT_TRUE(lines.at(3).startsWith(QStringLiteral("ErrMessage : "))) << lines.at(3).toStdString();
    EXPECT_EQ(lines.at(4), u"ErrEvent : GetCompanyName");
}

TEST_F(CompanyContextTest, CompanyNameWithoutConnectionIsError)
{
    m_session.DBConnection.reset();
    EXPECT_EQ(GetCompanyName(m_session, QStringLiteral("1")), u"ERROR");
    EXPECT_TRUE(log().contains(QStringLiteral("ErrEvent : GetCompanyName")));
}

TEST_F(CompanyContextTest, RecordCountCountsRowsOrReadsTheFirstColumn)
{
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select * from accledgermaster"), false), 5);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select count(*) from accledgermaster"), true), 5);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select count(*) from accledgermaster"), false), 1);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select sum(ledgercode) from accledgermaster"), true), 1106);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select ledgercode from accledgermaster where ledgercode=0"), true), 0);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select null"), true), 0);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select '12 rows'"), true), 12);
    EXPECT_TRUE(log().isEmpty());

    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select * from NoSuchTable"), false), 0);
    EXPECT_EQ(GetRecordCount(m_session, QStringLiteral("select count(*) from NoSuchTable"), true), 0);
    EXPECT_EQ(log().count(QStringLiteral("ErrEvent : GetRecordCount\r\n")), 2);
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

TEST_F(CompanyContextTest, ValueFromTableIsFirstColumnOfFirstRow)
{
    EXPECT_EQ(GetValueFromTbl(m_session, QStringLiteral("select LedgerName, ledgercode from accledgermaster order by "
                                                        "ledgercode desc")).toString(),
              u"Anand Stores");
    EXPECT_FALSE(GetValueFromTbl(m_session, QStringLiteral("select LedgerName from accledgermaster where "
                                                         "ledgercode=0")).isValid());
    EXPECT_TRUE(GetValueFromTbl(m_session, QStringLiteral("select null")).isNull());
    EXPECT_TRUE(log().isEmpty());

    EXPECT_FALSE(GetValueFromTbl(m_session, QStringLiteral("select x from NoSuchTable")).isValid());
    EXPECT_TRUE(log().endsWith(QStringLiteral("ErrEvent : GetValueFromTbl\r\n")));
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

} // namespace
} // namespace vant
