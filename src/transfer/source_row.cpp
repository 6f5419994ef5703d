#include "source_row.h"

#include "session/text_helpers.h"

#include <cmath>

namespace vant {

QString sqlNumber(double value)
{
    if (std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'f', 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString SourceRow::quoted(const QString &field) const
{
    return sqlQuoted(m_rs.text(field));
}

QString SourceRow::raw(const QString &field) const
{
    return m_rs.text(field);
}

QString SourceRow::number(const QString &field) const
{
    return sqlNumber(leadingNumber(m_rs.text(field)));
}

QString SourceRow::trimmed(const QString &field) const
{
    return sqlQuoted(m_rs.text(field).trimmed());
}

QString SourceRow::date(const QString &field) const
{
    const QDate day = dateOf(m_rs.value(field));
    return day.isValid() ? QLatin1Char('\'') + sqlDate(day) + QLatin1Char('\'') : QStringLiteral("''");
}

} // namespace vant
