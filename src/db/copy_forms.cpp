#include "copy_forms.h"

namespace vant::copyform {

namespace {

// The lengths 1 to 39 as rows of a column n.
const QString kLengths = QStringLiteral(
    "(select d1.d*10+d0.d as n from (select 0 as d union all select 1 union all select 2 union all select 3 union "
    "all select 4 union all select 5 union all select 6 union all select 7 union all select 8 union all select 9) d0 "
    "cross join (select 0 as d union all select 1 union all select 2 union all select 3) d1) vant_n");

// The number that the longest convertible beginning of the value's text reads as; NULL for none.
QString leadingNumberOfText(const QString &column)
{
    const QString prefix = QStringLiteral("try_convert(float,left(%1,vant_n.n))").arg(column);
    return QStringLiteral("(select top 1 %1 from %2 where vant_n.n>0 and %1 is not null order by vant_n.n desc)")
        .arg(prefix, kLengths);
}

} // namespace

QString isNumber(const QString &column)
{
    return QStringLiteral("(isnumeric(%1)=1 and try_convert(float,%1) is not null)").arg(column);
}

QString notNumber(const QString &column)
{
    return QStringLiteral("(isnumeric(%1)=0 or try_convert(float,%1) is null)").arg(column);
}

QString text(const QString &column)
{
    return QStringLiteral("isnull(%1,'')").arg(column);
}

QString trimmed(const QString &column)
{
    return QStringLiteral("ltrim(rtrim(isnull(%1,'')))").arg(column);
}

QString number(const QString &column)
{
    // A number stays as stored, keeping every digit of a whole number; a text that reads as
    // a number is written as that number.
    return QStringLiteral("case when %1 then %2 else convert(float,%2) end").arg(isNumber(column), column);
}

QString leadingNumber(const QString &column)
{
    return QStringLiteral("isnull(case when %1 then convert(float,%2) else %3 end,0)")
        .arg(isNumber(column), column, leadingNumberOfText(column));
}

QString date(const QString &column)
{
    return QStringLiteral("case when ltrim(rtrim(%1))='' then null else convert(varchar(10),%1,120) end").arg(column);
}

QString mayRefuseNumber(const QString &column)
{
    return QStringLiteral("(%1 is not null and %2)").arg(column, notNumber(column));
}

QString mayRefuseLeadingNumber(const QString &column)
{
    return QStringLiteral("abs(%1)>1.7976931348623157e308").arg(leadingNumber(column));
}

QString mayRefuseRequiredNumber(const QString &column)
{
    // NULL is no number either; a stored number needs no conversion to be measured.
    return QStringLiteral("(%1 or abs(try_convert(float,%2))>1.7976931348623157e308)").arg(notNumber(column), column);
}

QString mayRefuseDate(const QString &column)
{
    return QStringLiteral("(%1 is not null and ltrim(rtrim(%1))<>'' and isdate(%1)=0)").arg(column);
}

} // namespace vant::copyform
