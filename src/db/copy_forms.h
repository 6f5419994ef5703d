#pragma once

#include <QString>

namespace vant {

// The forms in which a set-based copy writes a source column, as SQL expressions over the
// column (SQL Server dialect). Each leaves the value that the row-by-row copy wrote for it,
// for every value that copy accepted; the mayRefuse...() conditions select, among others,
// every row whose value it refused, so that the copy can tell why before it writes.
namespace copyform {

// The text; NULL gives an empty text.
QString text(const QString &column);
// The text without leading and trailing blanks; NULL gives an empty text.
QString trimmed(const QString &column);
// The number as stored; NULL stays NULL. Refused: a value that is no number.
QString number(const QString &column);
// The leading number of the value (0 for NULL or none). Refused: a number out of range.
QString leadingNumber(const QString &column);
// The leading number of a text column's value (0 for NULL or none). SQL Server reads only a
// text that is a number whole; SQLite reads its leading number.
QString leadingNumberOfText(const QString &column);
// The date as 'yyyy-MM-dd'; NULL or blank gives NULL. Refused: a value that is no date.
QString date(const QString &column);

QString mayRefuseNumber(const QString &column);
QString mayRefuseLeadingNumber(const QString &column);
QString mayRefuseLeadingNumberOfText(const QString &column);
// A number that must be there: refused also when NULL.
QString mayRefuseRequiredNumber(const QString &column);
QString mayRefuseDate(const QString &column);

} // namespace copyform

} // namespace vant
