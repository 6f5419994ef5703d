#include "text_helpers.h"

namespace vant {

QString ChangeCase(const QString &format)
{
    if (format.trimmed().isEmpty())
        return {};
    QString pattern;
    pattern.reserve(format.size());
    for (const QChar c : format) {
        switch (c.unicode()) {
        case u'm': case u'M': pattern += u'M'; break;
        case u'd': case u'D': pattern += u'd'; break;
        case u'y': case u'Y': pattern += u'y'; break;
        case u'/': case u'.': pattern += u'-'; break;
        default: pattern += c;
        }
    }
    return pattern;
}

QDate GetFinDateEnd(const QDate &begin)
{
    return begin.addMonths(12).addDays(-1);
}

QString QuoteSQLText(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    quoted.replace(QLatin1Char(';'), QLatin1Char(' '));
    return quoted;
}

QVariant ValueOrDefault(const QVariant &value, const QVariant &fallback)
{
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return fallback;
    return value;
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

} // namespace vant
