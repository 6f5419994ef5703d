#include "sql_literals.h"

#include "recordset.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace vant {

namespace {

Error notANumber(const QString &what, const QString &text)
{
    return Error{kRefusedValue, QStringLiteral("%1 is not a number: \"%2\".").arg(what, text)};
}

} // namespace

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
    const QString text = value.toString().trimmed();
    bool ok = false;
    const double number = value.typeId() == QMetaType::Double ? value.toDouble(&ok) : text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return notANumber(what, text);
    // Whole numbers keep every digit, however long.
    static const QRegularExpression digits(QStringLiteral("^[-+]?\\d+$"));
    if (digits.match(text).hasMatch())
        return text.startsWith(QLatin1Char('+')) ? text.mid(1) : text;
    return sqlNumber(number);
}

Outcome<QString> optionalNumberLiteral(const QVariant &value, const QString &what)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    return numberLiteral(value, what);
}

Outcome<QString> leadingNumberLiteral(const QVariant &value, const QString &what)
{
    // A stored number is taken as it is: its text ("inf") has no leading number.
    const double number = value.typeId() == QMetaType::Double ? value.toDouble() : leadingNumber(value.toString());
    if (!std::isfinite(number))
        return notANumber(what, value.toString().trimmed());
    return sqlNumber(number);
}

Outcome<QString> dateLiteral(const QVariant &value, const QString &quote, const QString &what)
{
    // An empty text is how an embedded database keeps a date that was never set.
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return QStringLiteral("NULL");
    const QDate day = dateOf(value);
    if (!day.isValid())
        return Error{kRefusedValue, QStringLiteral("%1 is not a date: \"%2\".").arg(what, value.toString())};
    return quote + sqlDate(day) + quote;
}

Outcome<int> wholeNumber(const QString &text, const QString &what)
{
    const double number = std::trunc(leadingNumber(text));
    if (!std::isfinite(number) || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return notANumber(what, text.trimmed());
    return int(number);
}

} // namespace vant
