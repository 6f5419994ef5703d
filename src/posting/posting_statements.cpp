#include "posting_statements.h"

#include "db/sql_literals.h"
#include "session/text_helpers.h"

namespace vant {

InsertValues &InsertValues::text(const QVariant &value)
{
    m_values.append(sqlQuoted(value.isNull() ? QString() : value.toString()));
    return *this;
}

InsertValues &InsertValues::number(const QVariant &value, const QString &field)
{
    append(numberLiteral(value, describe(field)));
    return *this;
}

InsertValues &InsertValues::number(int value)
{
    m_values.append(QString::number(value));
    return *this;
}

InsertValues &InsertValues::optionalNumber(const QVariant &value, const QString &field)
{
    append(optionalNumberLiteral(value, describe(field)));
    return *this;
}

InsertValues &InsertValues::leadingNumber(const QVariant &value, const QString &field)
{
    append(leadingNumberLiteral(value, describe(field)));
    return *this;
}

InsertValues &InsertValues::date(const QVariant &value, const QString &field)
{
    append(dateLiteral(value, m_dateQuote, describe(field)));
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

void InsertValues::append(const Outcome<QString> &literal)
{
    if (!literal && !m_error)
        m_error = literal.error();
    m_values.append(literal ? *literal : QStringLiteral("NULL"));
}

} // namespace vant
