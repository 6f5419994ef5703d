#include "posting_statements.h"

#include "session/recordset.h"
#include "session/text_helpers.h"

namespace vant {

QString numberText(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString().trimmed();
}

InsertValues &InsertValues::text(const QVariant &value)
{
    m_values.append(sqlQuoted(value.isNull() ? QString() : value.toString()));
    return *this;
}

InsertValues &InsertValues::number(const QVariant &value)
{
    const QString digits = numberText(value);
    m_values.append(digits.isEmpty() ? QStringLiteral("NULL") : digits);
    return *this;
}

InsertValues &InsertValues::date(const QVariant &value)
{
    const QDate day = dateOf(value);
    m_values.append(day.isValid() ? m_dateQuote + sqlDate(day) + m_dateQuote
                                  : QStringLiteral("NULL"));
    return *this;
}

InsertValues &InsertValues::raw(const QString &sql)
{
    m_values.append(sql);
    return *this;
}

QString InsertValues::list() const
{
    return QLatin1Char('(') + m_values.join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace vant
