#include "demo_sql.h"

#include "session/text_helpers.h"
#include "db/sql_literals.h"

namespace vant {

namespace {

QString amountText(qint64 paise)
{
    const QString sign = paise < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = paise < 0 ? -paise : paise;
    return sign + QString::number(magnitude / 100) + QLatin1Char('.')
           + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

Insert &Insert::add(const char *column, const QString &literal)
{
    m_columns << QString::fromLatin1(column);
    m_values << literal;
    return *this;
}

Insert &Insert::text(const char *column, const QString &value)
{
    return add(column, sqlQuoted(value));
}

Insert &Insert::number(const char *column, qint64 value)
{
    return add(column, QString::number(value));
}

Insert &Insert::amount(const char *column, qint64 paise)
{
    return add(column, amountText(paise));
}

Insert &Insert::date(const char *column, const QDate &value)
{
    return add(column, value.isValid() ? sqlQuoted(sqlDate(value)) : QStringLiteral("NULL"));
}

Insert &Insert::null(const char *column)
{
    return add(column, QStringLiteral("NULL"));
}

Insert &Insert::now(const char *column)
{
    return add(column, QStringLiteral("getdate()"));
}

QString Insert::statement() const
{
    return QStringLiteral("insert into ") + m_table + QLatin1Char('(') + m_columns.join(QLatin1Char(','))
           + QStringLiteral(") values (") + m_values.join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace vant
