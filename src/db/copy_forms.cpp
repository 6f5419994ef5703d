#include "copy_forms.h"

#include "sql_literals.h"

#include <QRegularExpression>

namespace vant::copyform {

namespace {

// The lengths 1 to 39 (sqlserver::kLeadingLength) as rows of a column n.
const QString kLengths = QStringLiteral(
    "(select d1.d*10+d0.d as n from (select 0 as d union all select 1 union all select 2 union all select 3 union "
    "all select 4 union all select 5 union all select 6 union all select 7 union all select 8 union all select 9) d0 "
    "cross join (select 0 as d union all select 1 union all select 2 union all select 3) d1) vant_n");

// Most values are short: their beginnings are tried one by one, without a table of lengths.
constexpr int kShortLength = 9;

// The longest beginning of the value's text, of 1 to 39 characters (sqlserver::kLeadingLength),
// that converts, as `what` of it: the number it reads as, or its length; NULL for none. Only
// beginnings up to the value's length (trailing blanks aside) are tried: a longer one adds
// blanks, which convert to the same number. A short value of a column is tried with one branch
// per length, longest first, which spares each row reading and sorting the table of lengths; a
// longer value, or an expression such as a subquery (each copy of which would be evaluated and,
// on SQLite, compiled on its own), searches that table.
QString longestConvertible(const QString &column, const QString &what)
{
    const QString prefix = QStringLiteral("try_convert(float,left(%1,vant_n.n))").arg(column);
    const QString search = QStringLiteral("(select top 1 %1 from %2 where vant_n.n>0 and vant_n.n<=len(%4) and %3 "
                                          "is not null order by vant_n.n desc)")
                               .arg(what == u"length" ? QStringLiteral("vant_n.n") : prefix, kLengths, prefix, column);
    static const QRegularExpression columnName(QStringLiteral("^\\w+\\.\\w+$"));
    if (!columnName.match(column).hasMatch())
        return search;
    QString branches;
    for (int n = kShortLength; n > 0; --n) {
        const QString length = QString::number(n);
        const QString beginning = QStringLiteral("try_convert(float,left(%1,%2))").arg(column, length);
        branches += QStringLiteral(" when len(%1)>=%2 and %3 is not null then %4")
                        .arg(column, length, beginning, what == u"length" ? length : beginning);
    }
    return QStringLiteral("(case when len(%1)<=%2 then (case%3 end) else %4 end)")
        .arg(column, QString::number(kShortLength), branches, search);
}

// Holds for a value that is no finite number (NULL included): text, or a number out of range
// (the embedded database keeps an infinite number that the server never holds).
QString notFinite(const QString &column)
{
    return QStringLiteral("(%1 or abs(try_convert(float,%2))>1.7976931348623157e308)").arg(notNumber(column), column);
}

} // namespace

QString blank(const QString &column)
{
    // A blank value begins with a blank or is empty: that first test is cheap and settles
    // nearly every value, so the replacing and trimming run only on the few that pass it.
    return QStringLiteral("(left(%1,1) in ('',' ',char(9),char(10),char(13)) and "
                          "ltrim(rtrim(replace(replace(replace(%1,char(9),' '),char(10),' '),char(13),' ')))='')")
        .arg(column);
}

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
    // What the check accepts is a number already: it is written as stored, every digit kept.
    return QStringLiteral("case when %1 then null else %2 end").arg(blank(column), column);
}

QString leadingNumber(const QString &column)
{
    // NULL reads as 0 without looking for a beginning.
    return QStringLiteral("isnull(case when %1 then convert(float,%2) when %2 is not null then %3 end,0)")
        .arg(isNumber(column), column, longestConvertible(column, QStringLiteral("number")));
}

QString date(const QString &column)
{
    return QStringLiteral("case when %1 then null else convert(varchar(10),%2,120) end").arg(blank(column), column);
}

QString mayRefuseNumber(const QString &column)
{
    // The number test goes first: it is cheaper than the blank test and settles every number.
    return QStringLiteral("(%1 is not null and %3 and not %2)").arg(column, blank(column), notFinite(column));
}

QString mayRefuseLeadingNumber(const QString &column)
{
    // A digit after the longest beginning that converts: the number goes on past what is read.
    // Only a value read whole can be out of range: a beginning that converts is a finite number.
    const QString next =
        QStringLiteral("substring(%1,%2+1,1)").arg(column, longestConvertible(column, QStringLiteral("length")));
    return QStringLiteral("(abs(case when %2 then convert(float,%1) else 0 end)>1.7976931348623157e308 or (%1 is "
                          "not null and not %2 and %3 in ('0','1','2','3','4','5','6','7','8','9')))")
        .arg(column, isNumber(column), next);
}

QString mayRefuseRequiredNumber(const QString &column)
{
    return notFinite(column);
}

QString mayRefuseWholeNumber(const QString &column)
{
    const QString number = QStringLiteral("try_convert(float,%1)").arg(column);
    return QStringLiteral("(%1 or %2<>round(%2,0) or %2 not between -2147483648 and 2147483647)")
        .arg(notFinite(column), number);
}

QString mayRefuseDate(const QString &column)
{
    // A date of the calendar in the yyyy-MM-dd form, from year 1 on; what follows it is its time.
    return QStringLiteral("(%1 is not null and (isdate(%1)=0 or convert(varchar(10),%1,120)<'0001') and not %2)")
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
