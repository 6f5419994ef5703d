#include "copy_forms.h"

#include "sql_literals.h"
#include "sql_server_numbers.h"

namespace vant::copyform {

namespace {

// Most values are short: their beginnings are tried without asking for the longer lengths.
constexpr int kShortLength = 9;

// The longest beginning of the value's text, of 1 to 39 characters (sqlserver::kLeadingLength),
// that converts, as `what` of it: the number it reads as, or its length; NULL for none. Only
// beginnings up to the value's length (trailing blanks aside) are tried: a longer one adds
// blanks, which convert to the same number. One branch per length, longest first, so that a
// row stops at the first beginning that converts without reading and sorting a table of lengths.
QString longestConvertible(const QString &column, const QString &what)
{
    const auto branches = [&](int longest) {
        QString branches;
        for (int n = longest; n > 0; --n) {
            const QString length = QString::number(n);
            const QString prefix = QStringLiteral("try_convert(float,left(%1,%2))").arg(column, length);
            branches += QStringLiteral(" when len(%1)>=%2 and %3 is not null then %4")
                            .arg(column, length, prefix, what == u"length" ? length : prefix);
        }
        return branches;
    };
    return QStringLiteral("(case when len(%1)<=%2 then (case%3 end) else (case%4 end) end)")
        .arg(column, QString::number(kShortLength), branches(kShortLength), branches(sqlserver::kLeadingLength));
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
