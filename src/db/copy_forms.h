#pragma once

#include "outcome.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace vant {

// The forms in which a set-based copy writes a source column, as SQL expressions over the
// column (SQL Server dialect). Each leaves the value that the row-by-row check (sql_literals.h)
// read, for every value it accepted; the mayRefuse...() conditions select exactly the values it
// refuses, so that the copy finds the first refused row and the check tells why.
// A value is converted to a number only where try_convert() says the server can: isnumeric()
// alone also says yes to '$', ',', '.', '-', '+' and '1d5'.
namespace copyform {

// Whether the value is a number that the server converts to float; NULL is none.
QString isNumber(const QString &column);
// The opposite, NULL included.
QString notNumber(const QString &column);

// Holds for blanks, tabs and line ends only (sql_literals.h, isBlank()); NULL for NULL.
QString blank(const QString &column);

// The text; NULL gives an empty text.
QString text(const QString &column);
// The text without leading and trailing blanks; NULL gives an empty text.
QString trimmed(const QString &column);
// The number as stored; NULL or blank (blanks, tabs, line ends) gives NULL. Refused: a value
// that is no finite number.
QString number(const QString &column);
// The leading number of the value, as the program reads one from a text (0 for NULL or none;
// of the first 39 characters). Refused: a number out of range, or one that goes on past what is
// read (a digit follows the beginning that converts).
QString leadingNumber(const QString &column);
// The date as 'yyyy-MM-dd'; NULL or blank (blanks, tabs, line ends) gives NULL. Refused: a
// value that does not begin with a date of the calendar in that form.
QString date(const QString &column);

QString mayRefuseNumber(const QString &column);
QString mayRefuseLeadingNumber(const QString &column);
// A number that must be there: refused also when NULL.
QString mayRefuseRequiredNumber(const QString &column);
// A whole number of 32 bits that must be there.
QString mayRefuseWholeNumber(const QString &column);
QString mayRefuseDate(const QString &column);

// A form as the three parts that must agree: the row check that reads a stored value (the
// literal it writes, or why it refuses the value), the condition that selects exactly the
// values it refuses, and the expression that writes what it read.
struct Form
{
    const char *name;
    Outcome<QString> (*read)(const QVariant &value, const QString &what);
    QString (*refused)(const QString &column);
    QString (*written)(const QString &column);
};

// Every form of a number or date column that a copy checks and writes.
const QList<Form> &numberAndDateForms();

} // namespace copyform

} // namespace vant
