#pragma once

#include <QString>

namespace vant {

// The forms in which a set-based copy writes a source column, as SQL expressions over the
// column (SQL Server dialect). Each leaves the value that the row-by-row copy wrote for it,
// for every value that copy accepted; the mayRefuse...() conditions select, among others,
// every row whose value it refused, so that the copy can tell why before it writes.
// A value is converted to a number only where try_convert() says the server can: isnumeric()
// alone also says yes to '$', ',', '.', '-', '+' and '1d5'.
namespace copyform {

// Whether the value is a number that the server converts to float; NULL is none.
QString isNumber(const QString &column);
// The opposite, NULL included.
QString notNumber(const QString &column);

// The text; NULL gives an empty text.
QString text(const QString &column);
// The text without leading and trailing blanks; NULL gives an empty text.
QString trimmed(const QString &column);
// The number as stored; NULL stays NULL. Refused: a value that is no number.
QString number(const QString &column);
// The leading number of the value, as the program reads one from a text (0 for NULL or none;
// of the first 39 characters). Refused: a number out of range.
QString leadingNumber(const QString &column);
// The date as 'yyyy-MM-dd'; NULL or blank gives NULL. Refused: a value that is no date.
QString date(const QString &column);

QString mayRefuseNumber(const QString &column);
QString mayRefuseLeadingNumber(const QString &column);
// A number that must be there: refused also when NULL.
QString mayRefuseRequiredNumber(const QString &column);
QString mayRefuseDate(const QString &column);

} // namespace copyform

} // namespace vant
