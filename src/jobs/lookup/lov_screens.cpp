#include "lov_screens.h"

#include "lov_query_text.h"

#include "session/text_helpers.h"
#include "db/sql_literals.h"

#include <QDateTime>

namespace vant {

namespace {

// Position of the first "from" of the outermost select, or -1.
qsizetype outerFrom(const QString &query)
{
    qsizetype found = -1;
    forEachOuterPosition(query, [&query, &found](qsizetype i) {
        if (query.mid(i, 4).compare(u"from", Qt::CaseInsensitive) != 0)
            return false;
        const bool startsWord =
            i == 0 || query.at(i - 1).isSpace() || query.at(i - 1) == u')' || query.at(i - 1) == u']';
        const QChar after = i + 4 < query.size() ? query.at(i + 4) : QChar(u' ');
        const bool endsWord = after.isSpace() || after == u'(' || after == u'[';
        if (startsWord && endsWord)
            found = i;
        return found >= 0;
    });
    return found;
}

} // namespace

LovScreens::LovScreens(const QString &screenList)
{
    for (const QString &field : screenList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!field.trimmed().isEmpty())
            m_fields << field.trimmed();
    }
}

void LovScreens::reset(const QString &workTable)
{
    m_conditions.clear();
    m_level = 0;
    m_workTable = workTable;
}

QString LovScreens::selectIntoStatement(const QString &query, const QString &table)
{
    const qsizetype from = outerFrom(query);
    if (from < 0)
        return query.trimmed() + QStringLiteral(" into ") + table;
    return query.left(from).trimmed() + QStringLiteral(" into ") + table + QLatin1Char(' ') + query.mid(from);
}

QString LovScreens::dropStatement() const
{
    return QStringLiteral("if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[") + m_workTable
           + QStringLiteral("]') and OBJECTPROPERTY(id, N'IsUserTable') = 1) drop table [dbo].[") + m_workTable
           + QLatin1Char(']');
}

QString LovScreens::distinctQuery(const QStringList &fieldNames, const QString &screenField) const
{
    QStringList columns;
    for (const QString &name : fieldNames)
        columns << (name == screenField ? name : QStringLiteral(" 0 as ") + name);
    QString query = QStringLiteral("Select distinct ") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ")
                    + m_workTable + QStringLiteral(" where ");
    const QString &f = screenField;
    if (m_conditions.isEmpty())
        return query + f + QStringLiteral(" is not null and isnull(") + f + QStringLiteral(",'')<>''");
    return query + condition() + QStringLiteral(" and (") + f + QStringLiteral(" is not null and isnull( ") + f
           + QStringLiteral(",'')<>'')");
}

QString LovScreens::lastScreenQuery() const
{
    QString query = QStringLiteral("Select * from ") + m_workTable;
    if (!m_conditions.isEmpty())
        query += QStringLiteral(" where ") + condition();
    return query;
}

QString LovScreens::pickCondition(const Field &field, const QVariant &value)
{
    const QString name = QLatin1Char('[') + field.name + QLatin1Char(']');
    const auto quoted = [&name](const QString &text) { return name + QStringLiteral(" = ") + sqlQuoted(text); };
    switch (field.type) {
    case FieldType::Integer:
    case FieldType::Double:
    case FieldType::Currency: return name + QStringLiteral(" = ") + value.toString();
    case FieldType::Boolean:
        return name + QStringLiteral(" = ") + (value.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
    case FieldType::Date: {
        const QDateTime at = value.toDateTime();
        if (!at.isValid())
            return quoted(value.toString());
        return quoted(at.time() == QTime(0, 0) ? at.date().toString(QStringLiteral("yyyy-MM-dd"))
                                               : at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    }
    default: return quoted(value.toString());
    }
}

void LovScreens::pick(const QString &condition)
{
    m_conditions << condition;
    ++m_level;
}

QString LovScreens::stepBack()
{
    if (m_level == 0)
        return {};
    --m_level;
    return m_conditions.isEmpty() ? QString() : m_conditions.takeLast();
}

} // namespace vant
