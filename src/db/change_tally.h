#pragma once

#include <QList>
#include <QMap>
#include <QString>

namespace vant {

// The rows one table gained, lost and had changed.
struct TableChanges
{
    QString table; // as the table catalogue spells it
    qint64 inserted = 0;
    qint64 deleted = 0;
    qint64 updated = 0;
};

// The rows that the statements of a job changed in the books' tables, as the server counted
// them. Work tables are left out. What a rolled-back transaction or savepoint did is dropped
// with it, so the tally holds what the job's committed work (or its dry run) leaves behind.
class ChangeTally
{
public:
    ChangeTally() : m_layers(1) {}

    // The server changed that many rows with the statement.
    void counted(const QString &statement, qint64 rows);
    void transactionBegun() { m_layers.append(Layer()); }
    void transactionCommitted();
    void transactionRolledBack();

    // The tables in the order of their names, each with its changes.
    QList<TableChanges> tables() const;

private:
    using Layer = QMap<QString, TableChanges>; // keyed by the lower-case table name
    static void add(Layer &into, const TableChanges &changes);

    QList<Layer> m_layers;
};

} // namespace vant
