#pragma once

#include "outcome.h"

#include <QDate>
#include <QString>
#include <QVariant>

namespace vant {

// A date as the statements write it: yyyy-MM-dd.
QString sqlDate(const QDate &date);

// Text as a quoted literal of a statement: between single quotes, inner quotes doubled,
// so that a value holding a quote never breaks the statement.
QString sqlQuoted(const QString &text);

// The error number of a value that the program refuses to write into a statement
// (a user-defined error: vbObjectError + 513).
constexpr int kRefusedValue = -2147220991;

// A number as the statements write it: plain decimal without exponent, the shortest text
// that reads back as the same value. A value that is not finite has no such text.
Outcome<QString> sqlNumber(double value);

// Blanks, tabs and line ends only (or nothing): how the embedded database keeps a number or a
// date that was never set.
bool isBlank(const QString &text);

// A stored value written as a number: its whole text (blanks around it aside) must be a
// finite number. NULL is refused too. `what` names the value in the error.
Outcome<QString> numberLiteral(const QVariant &value, const QString &what);

// The same, except that NULL, and a text of blanks, tabs and line ends only (as the embedded
// database keeps a number never set), are written NULL.
Outcome<QString> optionalNumberLiteral(const QVariant &value, const QString &what);

// A value written as a number: a number whole as it is, else the leading number of its text
// (sqlserver::leadingFloat; 0 when none or NULL); refused when it is not finite or goes on past
// what can be read.
Outcome<QString> leadingNumberLiteral(const QVariant &value, const QString &what);

// A stored date written as 'yyyy-MM-dd' between the given quotes; NULL (or an empty
// text) is written NULL, any other value must be a date.
Outcome<QString> dateLiteral(const QVariant &value, const QString &quote, const QString &what);

// A value read whole as a whole number: its whole text (blanks around it aside) must be a
// number without fraction that fits in 32 bits. NULL is refused too.
Outcome<int> wholeNumber(const QVariant &value, const QString &what);

} // namespace vant
