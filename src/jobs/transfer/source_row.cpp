#include "source_row.h"

#include "db/sql_literals.h"
#include "session/text_helpers.h"

namespace vant {

QString SourceRow::quoted(const QString &field) const
{
    return sqlQuoted(m_rs.text(field));
}

QString SourceRow::raw(const QString &field)
{
    return checked(optionalNumberLiteral(m_rs.value(field), describe(field)));
}

QString SourceRow::required(const QString &field)
{
    return checked(numberLiteral(m_rs.value(field), describe(field)));
}

QString SourceRow::number(const QString &field)
{
    return checked(leadingNumberLiteral(m_rs.value(field), describe(field)));
}

QString SourceRow::trimmed(const QString &field) const
{
    return sqlQuoted(m_rs.text(field).trimmed());
}

QString SourceRow::date(const QString &field)
{
    return checked(dateLiteral(m_rs.value(field), QStringLiteral("'"), describe(field)));
}

QString SourceRow::describe(const QString &field) const
{
    return QStringLiteral("%1 of %2 row %3 %4").arg(field, m_table, m_idField, m_rs.text(m_idField));
}

Status SourceRow::takeStatus()
{
    Status status = m_error ? Status(*m_error) : Status();
    m_error.reset();
    return status;
}

QString SourceRow::checked(const Outcome<QString> &literal)
{
    if (literal)
        return *literal;
    if (!m_error)
        m_error = literal.error();
    return QStringLiteral("NULL");
}

} // namespace vant
