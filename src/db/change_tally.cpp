#include "change_tally.h"

#include "accounts_schema.h"

#include <QRegularExpression>

namespace vant {

namespace {

// The books' table that a name stands for, spelt as the catalogue spells it; empty for a work
// table or any other name.
QString catalogueName(const QString &name)
{
    static const QMap<QString, QString> names = [] {
        QMap<QString, QString> map;
        for (const Table &table : accountsTables({}))
            map.insert(table.name.toLower(), table.name);
        return map;
    }();
    static const QRegularExpression voucherTable(QStringLiteral("^accvoucher\\d+$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    if (voucherTable.match(name).hasMatch())
        return name.toLower();
    return names.value(name.toLower());
}

} // namespace

void ChangeTally::counted(const QString &statement, qint64 rows)
{
    static const QRegularExpression target(
        QStringLiteral("^\\s*(insert\\s+into|delete\\s+from|delete|update)\\s+(?:dbo\\.)?\\[?([A-Za-z_][\\w]*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = target.match(statement);
    if (rows <= 0 || !match.hasMatch())
        return;
    TableChanges changes{catalogueName(match.captured(2))};
    if (changes.table.isEmpty())
        return;
    const QChar verb = match.captured(1).at(0).toLower();
    (verb == u'i' ? changes.inserted : verb == u'd' ? changes.deleted : changes.updated) = rows;
    add(m_layers.last(), changes);
}

void ChangeTally::transactionCommitted()
{
    if (m_layers.size() < 2)
        return;
    const Layer done = m_layers.takeLast();
    for (const TableChanges &changes : done)
        add(m_layers.last(), changes);
}

void ChangeTally::transactionRolledBack()
{
    if (m_layers.size() > 1)
        m_layers.removeLast();
    else
        m_layers.first().clear();
}

QList<TableChanges> ChangeTally::tables() const
{
    Layer all;
    for (const Layer &layer : m_layers) {
        for (const TableChanges &changes : layer)
            add(all, changes);
    }
    return all.values();
}

void ChangeTally::add(Layer &into, const TableChanges &changes)
{
    TableChanges &sum = into[changes.table.toLower()];
    sum.table = changes.table;
    sum.inserted += changes.inserted;
    sum.deleted += changes.deleted;
    sum.updated += changes.updated;
}

} // namespace vant
