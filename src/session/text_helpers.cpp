#include "text_helpers.h"

#include <algorithm>

namespace vant {

QString ChangeCase(const QString &format)
{
    if (format.trimmed().isEmpty())
        return {};
    QString pattern;
    pattern.reserve(format.size());
    for (const QChar c : format) {
        switch (c.unicode()) {
        case u'm':
        case u'M': pattern += u'M'; break;
        case u'd':
        case u'D': pattern += u'd'; break;
        case u'y':
        case u'Y': pattern += u'y'; break;
        case u'/':
        case u'.': pattern += u'-'; break;
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

QString withoutLastCharacter(const QString &text)
{
    const bool pair = text.size() >= 2 && text.back().isLowSurrogate() && text.at(text.size() - 2).isHighSurrogate();
    return text.chopped(std::min<qsizetype>(pair ? 2 : 1, text.size()));
}

QStringList characters(const QString &text)
{
    QStringList list;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        list << text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    return list;
}

QString escapedControls(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (category != QChar::Other_Control && category != QChar::Separator_Line
            && category != QChar::Separator_Paragraph) {
            escaped += c;
            continue;
        }
        switch (c.unicode()) {
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        default:
            escaped += c.unicode() < 0x100 ? QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'))
                                           : QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        }
    }
    return escaped;
}

} // namespace vant
