#include "work_table.h"

#include "database.h"

namespace vant {

namespace {

// SQL Server's limit of rows in one values list.
constexpr qsizetype kValuesListRows = 1000;

} // namespace

WorkTable::WorkTable(Database &db, const QString &name, const QString &columns)
    : m_db(db), m_name(QLatin1Char('#') + name), m_columns(columns)
{}

Status WorkTable::create()
{
    if (Status dropped = dropIfMade(); !dropped)
        return dropped;
    return m_db.execute(QStringLiteral("create table %1 (%2)").arg(m_name, m_columns));
}

Outcome<int> WorkTable::createFilled(const QString &fill)
{
    if (Status made = create(); !made)
        return made.error();
    if (Status filled = m_db.execute(fill); !filled)
        return filled.error();
    auto rs = m_db.openRecordset(QStringLiteral("select count(*) from ") + m_name);
    if (!rs)
        return rs.error();
    return rs->value(0).toInt();
}

Status WorkTable::empty()
{
    return m_db.execute(QStringLiteral("truncate table ") + m_name);
}

Status WorkTable::drop()
{
    return m_db.execute(QStringLiteral("drop table ") + m_name);
}

Status WorkTable::dropIfMade()
{
    return m_db.execute(QStringLiteral("if object_id('tempdb..%1') is not null drop table %1").arg(m_name));
}

Status insertValueRows(Database &db, const QString &insertInto, const QList<QStringList> &rows)
{
    for (qsizetype start = 0; start < rows.size(); start += kValuesListRows) {
        QStringList lists;
        for (const QStringList &row : rows.mid(start, kValuesListRows))
            lists << QLatin1Char('(') + row.join(QLatin1Char(',')) + QLatin1Char(')');
        if (Status inserted = db.execute(insertInto + QStringLiteral(" values ") + lists.join(QLatin1Char(',')));
            !inserted)
            return inserted;
    }
    return {};
}

Status executeAll(Database &db, const QStringList &statements)
{
    for (const QString &statement : statements) {
        if (Status done = db.execute(statement); !done)
            return done;
    }
    return {};
}

} // namespace vant
