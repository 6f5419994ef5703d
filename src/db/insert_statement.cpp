#include "insert_statement.h"

#include "sql_literals.h"

namespace vant {

InsertStatement InsertStatement::into(const QString &table)
{
    return InsertStatement(QStringLiteral("insert into ") + table);
}

InsertStatement &InsertStatement::set(QAnyStringView column, const QString &sql)
{
    m_columns << column.toString();
    m_values << sql;
    return *this;
}

InsertStatement &InsertStatement::text(QAnyStringView column, const QString &value)
{
    return set(column, sqlQuoted(value));
}

InsertStatement &InsertStatement::number(QAnyStringView column, qint64 value)
{
    return set(column, QString::number(value));
}

InsertStatement &InsertStatement::date(QAnyStringView column, const QDate &value)
{
    return set(column, value.isValid() ? sqlQuoted(sqlDate(value)) : QStringLiteral("NULL"));
}

InsertStatement &InsertStatement::null(QAnyStringView column)
{
    return set(column, QStringLiteral("NULL"));
}

InsertStatement &InsertStatement::now(QAnyStringView column)
{
    return set(column, QStringLiteral("getdate()"));
}

QString InsertStatement::columnList() const
{
    return m_head + QLatin1Char('(') + m_columns.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString InsertStatement::values() const
{
    return columnList() + QStringLiteral(" values (") + m_values.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString InsertStatement::select(const QString &rest) const
{
    return columnList() + QStringLiteral(" select ") + m_values.join(QLatin1Char(',')) + rest;
}

} // namespace vant
