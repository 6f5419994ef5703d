// The embedded database answers as SQL Server does where the program's statements rely on it:
// isnumeric(), convert() and try_convert() of text. The same statements run on a server when
// the tests do, so each expectation here is the server's own.
#include "support/statement_record.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class SqlServerAnswers : public testing::Test
{
protected:
    // A text column holding each value, so that the server cannot fold the conversions.
    QString answers(const QString &expression, const QStringList &values)
    {
        TestDatabase::exec(*m_db, {u"create table #V (Seq int, v varchar(20))"_s});
        QStringList rows;
        for (int i = 0; i < values.size(); ++i)
            rows << u"(%1,'%2')"_s.arg(i).arg(values.at(i));
        TestDatabase::exec(*m_db, {u"insert into #V(Seq,v) values "_s + rows.join(u',')});
        QStringList results;
        auto rs = m_db->openRecordset(u"select "_s + expression + u" from #V order by Seq"_s);
        EXPECT_TRUE(bool(rs)) << rs.error().description.toStdString();
        for (; rs && !rs->eof(); rs->moveNext())
            results << (rs->value(0).isNull() ? u"NULL"_s : rs->text(0));
        TestDatabase::exec(*m_db, {u"drop table #V"_s});
        return results.join(u' ');
    }

    Error refusal(const QString &value, const QString &type)
    {
        TestDatabase::exec(*m_db,
                           {u"create table #R (v varchar(20))"_s, u"insert into #R(v) values ('%1')"_s.arg(value)});
        const auto rs = m_db->openRecordset(uncheckedStatement(u"select convert(%1,v) from #R"_s.arg(type)));
        TestDatabase::exec(*m_db, {u"drop table #R"_s});
        EXPECT_FALSE(bool(rs)) << value.toStdString();
        return rs ? Error{} : rs.error();
    }

    TestDatabase m_file;
    std::unique_ptr<Database> m_db = m_file.connect();
};

TEST_F(SqlServerAnswers, IsnumericAndConversionsReadOnlyWhatTheServerReads)
{
    const QStringList values = {u"12"_s, u" 12 "_s, u"$"_s,     u","_s,         u"."_s,   u"-"_s,
                                u"+"_s,  u"1d5"_s,  u"1e5"_s,   u"$1,000.50"_s, u"1,2"_s, u"\t"_s,
                                u""_s,   u" "_s,    u"12abc"_s, u"0x1A"_s,      u"1 2"_s};
    // 3: numeric and read as float; 2: numeric only; 1: read only; 0: neither.
    EXPECT_EQ(answers(u"isnumeric(v)*2+case when try_convert(float,v) is null then 0 else 1 end"_s, values),
              u"3 3 2 2 2 2 2 2 3 2 2 2 1 1 0 0 0"_s);

    EXPECT_EQ(answers(u"try_convert(float,v)"_s, {u"12.5"_s, u" -3 "_s, u".5"_s, u"2e3"_s, u""_s, u"12abc"_s}),
              u"12.5 -3 0.5 2000 0 NULL"_s);
    EXPECT_EQ(answers(u"try_convert(int,v)"_s, {u"42"_s, u" -7 "_s, u"-"_s, u"+"_s, u""_s, u"1.5"_s, u"3000000000"_s}),
              u"42 -7 0 0 0 NULL NULL"_s);

    for (const QString &value : {u"$"_s, u"1d5"_s, u"\t"_s, u"."_s, u"12abc"_s}) {
        const Error error = refusal(value, u"float"_s);
        EXPECT_EQ(error.number, 8114) << value.toStdString();
        EXPECT_TRUE(error.description.endsWith(u"Error converting data type varchar to float."_s))
            << error.description.toStdString();
    }
    const Error whole = refusal(u"1.5"_s, u"int"_s);
    EXPECT_EQ(whole.number, 245);
    EXPECT_TRUE(
        whole.description.endsWith(u"Conversion failed when converting the varchar value '1.5' to data type int."_s))
        << whole.description.toStdString();
}

} // namespace
} // namespace vant::test
