#include "copy_forms.h"

#include "sql_literals.h"

namespace vant::copyform {

namespace {

// The value as a number, NULL for one that is none: only after the test that SQL Server's own
// conversion agrees with is the value taken as a float.
QString asFloat(const QString &column)
{
    return QStringLiteral("try_convert(float,%1)").arg(column);
}

// Holds for a value that is no finite number (NULL aside): text, or a number out of range.
QString notFinite(const QString &column)
{
    return QStringLiteral("(isnumeric(%1)=0 or %2 is null or abs(%2)>1.7976931348623157e308)")
        .arg(column, asFloat(column));
}

// Blanks, tabs and line ends only: a date column holding these holds no date.
QString blank(const QString &column)
{
    return QStringLiteral("ltrim(rtrim(replace(replace(replace(%1,char(9),' '),char(10),' '),char(13),' ')))=''")
        .arg(column);
}

} // namespace

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
    // What the check accepts is a number already: it is written as stored, every digit kept.
    return column;
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
    return QStringLiteral("case when %1 then null else convert(varchar(10),%2,120) end").arg(blank(column), column);
}

QString mayRefuseNumber(const QString &column)
{
    return QStringLiteral("(%1 is not null and %2)").arg(column, notFinite(column));
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
    return QStringLiteral("(%1 is null or %2)").arg(column, notFinite(column));
}

QString mayRefuseWholeNumber(const QString &column)
{
    const QString number = asFloat(column);
    return QStringLiteral("(%1 is null or %2 or %3<>round(%3,0) or %3 not between -2147483648 and 2147483647)")
        .arg(column, notFinite(column), number);
}

QString mayRefuseDate(const QString &column)
{
    // A date of the calendar in the yyyy-MM-dd form, from year 1 on; what follows it is its time.
    return QStringLiteral("(%1 is not null and not %2 and (isdate(%1)=0 or convert(varchar(10),%1,120)<'0001'))")
        .arg(column, blank(column));
}

const QList<Form> &numberAndDateForms()
{
    static const QList<Form> forms = {
        {"number", optionalNumberLiteral, mayRefuseNumber, number},
        {"required number", numberLiteral, mayRefuseRequiredNumber, number},
        {"leading number", leadingNumberLiteral, mayRefuseLeadingNumber, leadingNumber},
        {"whole number",
         [](const QVariant &value, const QString &what) -> Outcome<QString> {
             const Outcome<int> number = wholeNumber(value, what);
             return number ? Outcome<QString>(QString::number(*number)) : Outcome<QString>(number.error());
         },
         mayRefuseWholeNumber, number},
        {"date", [](const QVariant &value, const QString &what) { return dateLiteral(value, QString(), what); },
         mayRefuseDate, date},
    };
    return forms;
}

} // namespace vant::copyform
