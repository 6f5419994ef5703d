#include "copy_forms.h"

namespace vant::copyform {

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
    return QStringLiteral("case when isnumeric(%1)=1 then %1 else convert(float,%1) end").arg(column);
}

QString leadingNumber(const QString &column)
{
    return QStringLiteral("isnull(convert(float,%1),0)").arg(column);
}

QString leadingNumberOfText(const QString &column)
{
    return QStringLiteral("isnull(try_convert(float,%1),0)").arg(column);
}

QString date(const QString &column)
{
    return QStringLiteral("case when ltrim(rtrim(%1))='' then null else convert(varchar(10),%1,120) end").arg(column);
}

QString mayRefuseNumber(const QString &column)
{
    return QStringLiteral("(%1 is not null and isnumeric(%1)=0)").arg(column);
}

QString mayRefuseLeadingNumber(const QString &column)
{
    return QStringLiteral("abs(%1)>1.7976931348623157e308").arg(leadingNumber(column));
}

QString mayRefuseLeadingNumberOfText(const QString &column)
{
    return QStringLiteral("abs(%1)>1.7976931348623157e308").arg(leadingNumberOfText(column));
}

QString mayRefuseRequiredNumber(const QString &column)
{
    // NULL is no number either; a stored number needs no conversion to be measured.
    return QStringLiteral("(isnumeric(%1)=0 or abs(%1)>1.7976931348623157e308)").arg(column);
}

QString mayRefuseDate(const QString &column)
{
    return QStringLiteral("(%1 is not null and ltrim(rtrim(%1))<>'' and isdate(%1)=0)").arg(column);
}

} // namespace vant::copyform
