#include "sql_literals.h"

#include "recordset.h"
#include "sql_server_numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace vant {

namespace {

Error notANumber(const QString &what, const QString &text)
{
    return Error{kRefusedValue, QStringLiteral("%1 is not a number: \"%2\".").arg(what, text)};
}

// The number a text is whole, as the server reads a stored text as a number: blanks around it,
// a sign, digits with a point, an exponent; nothing else (a tab is no blank to the server).
std::optional<QString> numberText(const QString &text)
{
    if (!sqlserver::isNumeric(text) || !sqlserver::toFloat(text))
        return std::nullopt;
    static const QRegularExpression blanks(QStringLiteral("^ +| +$"));
    return QString(text).remove(blanks);
}

} // namespace

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; });
}

QString sqlDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString sqlQuoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

Outcome<QString> sqlNumber(double value)
{
    if (!std::isfinite(value))
        return notANumber(QStringLiteral("The value"), QString::number(value));
    // Negative zero would be written "-0".
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

Outcome<QString> numberLiteral(const QVariant &value, const QString &what)
{
    if (value.isNull())
        return Error{kRefusedValue, QStringLiteral("%1 is missing (NULL).").arg(what)};
    const QString shown = value.toString().trimmed();
    const std::optional<QString> text = numberText(value.toString());
    bool ok = false;
    const double number = value.typeId() == QMetaType::Double ? value.toDouble(&ok) : text ? text->toDouble(&ok) : 0;
    if (!ok || !std::isfinite(number))
        return notANumber(what, shown);
    // Whole numbers keep every digit, however long.
    static const QRegularExpression digits(QStringLiteral("^[-+]?\\d+$"));
    if (text && digits.match(*text).hasMatch())
        return text->startsWith(QLatin1Char('+')) ? text->mid(1) : *text;
    return sqlNumber(number);
}

Outcome<QString> optionalNumberLiteral(const QVariant &value, const QString &what)
{
    if (value.isNull() || (value.typeId() == QMetaType::QString && isBlank(value.toString())))
        return QStringLiteral("NULL");
    return numberLiteral(value, what);
}

Outcome<QString> leadingNumberLiteral(const QVariant &value, const QString &what)
{
    // A stored number is taken as it is: its text ("inf") has no leading number.
    if (value.typeId() == QMetaType::Double) {
        if (!std::isfinite(value.toDouble()))
            return notANumber(what, value.toString().trimmed());
        return sqlNumber(value.toDouble());
    }
    const QString text = value.toString();
    const std::optional<double> number =
        sqlserver::isNumeric(text) ? sqlserver::toFloat(text) : std::optional<double>();
    const std::optional<double> read = number ? number : sqlserver::leadingFloat(text);
    if (!read)
        return notANumber(what, text.trimmed());
    return sqlNumber(*read);
}

Outcome<QString> dateLiteral(const QVariant &value, const QString &quote, const QString &what)
{
    // An empty text is how an embedded database keeps a date that was never set.
    if (value.isNull() || isBlank(value.toString()))
        return QStringLiteral("NULL");
    const QDate day = dateOf(value);
    if (!day.isValid())
        return Error{kRefusedValue, QStringLiteral("%1 is not a date: \"%2\".").arg(what, value.toString())};
    return quote + sqlDate(day) + quote;
}

Outcome<int> wholeNumber(const QVariant &value, const QString &what)
{
    const Outcome<QString> literal = numberLiteral(value, what);
    if (!literal)
        return literal.error();
    const double number = literal->toDouble();
    if (number != std::trunc(number) || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max())
        return Error{kRefusedValue,
                     QStringLiteral("%1 is not a whole number: \"%2\".").arg(what, value.toString().trimmed())};
    return int(number);
}

} // namespace vant
