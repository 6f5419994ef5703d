#pragma once

#include "copied_columns.h"
#include "db/accounts_schema.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <span>

namespace vant {

// A column that the reconciliation compares: one the transfer copies from the source row, with
// how it reads it and the type the catalogue gives it.
struct ComparedColumn
{
    QString name;
    ReadAs read;
    ColumnType type;
};

// The columns of a copied table that carry the source's value, as the catalogue's table has them.
QList<ComparedColumn> comparedColumns(std::span<const CopiedColumn> copied, const Table &table);

// The values of one row, in the order of the compared columns.
using RowValues = QList<QVariant>;

// A value of a source row as the transfer writes it, or of a copied row as it stands, in a text
// that is equal for values that are equal in the table (amounts to the paisa, dates without
// time). Both servers give the same text.
QString comparable(const ComparedColumn &column, const QVariant &value);
// The comparable text as a person reads it: texts quoted with their control characters escaped.
QString shownValue(const ComparedColumn &column, const QString &comparable);

// One column of one row whose copy differs from its source.
struct ValueDifference
{
    int row = 0; // from 1
    QString column;
    QString sourceValue;
    QString copyValue;
};

// The rows of a source voucher beside its copy's, paired in order: the columns that differ.
QList<ValueDifference> differingValues(const QList<ComparedColumn> &columns, const QList<RowValues> &source,
                                       const QList<RowValues> &copy);

} // namespace vant
