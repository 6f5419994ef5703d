#include "reconcile_rows.h"

#include "db/recordset.h"
#include "db/sql_literals.h"
#include "session/text_helpers.h"

#include <cmath>

namespace vant {

namespace {

const QString kNull = QStringLiteral("NULL");

QString numberText(double number, ColumnType type)
{
    if (type == ColumnType::Amount)
        return QString::number(number, 'f', 2);
    return number == std::floor(number) && std::fabs(number) < 1e15 ? QString::number(qint64(number))
                                                                    : QString::number(number, 'g', 15);
}

qsizetype indexOf(const QList<ComparedColumn> &columns, const QString &name)
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

QList<ComparedColumn> comparedColumns(std::span<const CopiedColumn> copied, const Table &table)
{
    QList<ComparedColumn> columns;
    for (const CopiedColumn &column : copied) {
        if (!carriesSourceValue(column))
            continue;
        const QString name = QString::fromLatin1(column.name);
        ColumnType type = ColumnType::Text;
        for (const Column &declared : table.columns) {
            if (declared.name.compare(name, Qt::CaseInsensitive) == 0)
                type = declared.type;
        }
        columns.append({name, column.read, type});
    }
    return columns;
}

QString comparable(const ComparedColumn &column, const QVariant &value)
{
    const bool blank = value.isNull() || value.toString().trimmed().isEmpty();
    switch (column.type) {
    case ColumnType::Date: {
        if (blank)
            return QString();
        const QDate day = dateOf(value);
        return day.isValid() ? day.toString(Qt::ISODate) : value.toString();
    }
    case ColumnType::Text: return column.read == ReadAs::Trimmed ? value.toString().trimmed() : value.toString();
    case ColumnType::Int:
    case ColumnType::Identity:
    case ColumnType::Amount: break;
    }
    // A number kept as stored stays NULL, as does one never set (blank); every other form writes a
    // number, 0 for none.
    if (column.read == ReadAs::Stored && (value.isNull() || isBlank(value.toString())))
        return kNull;
    return numberText(blank ? 0 : leadingNumber(value.toString()), column.type);
}

QString shownValue(const ComparedColumn &column, const QString &comparable)
{
    if (column.type == ColumnType::Text)
        return QLatin1Char('"') + escapedControls(comparable) + QLatin1Char('"');
    return comparable.isEmpty() ? kNull : comparable;
}

QList<ValueDifference> differingValues(const QList<ComparedColumn> &columns, const QList<RowValues> &source,
                                       const QList<RowValues> &copy)
{
    const qsizetype ledger = indexOf(columns, QStringLiteral("LedgerCode"));
    QList<ValueDifference> differences;
    for (qsizetype row = 0; row < source.size() && row < copy.size(); ++row) {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const ComparedColumn &column = columns.at(i);
            QVariant written = source.at(row).value(i);
            // The copy of a row without an opposite ledger names the row's own ledger.
            if (column.read == ReadAs::OwnLedgerIfNone && (written.isNull() || isBlank(written.toString()))
                && ledger >= 0)
                written = source.at(row).value(ledger);
            const QString expected = comparable(column, written);
            const QString held = comparable(column, copy.at(row).value(i));
            if (expected != held)
                differences.append({int(row + 1), column.name, shownValue(column, expected), shownValue(column, held)});
        }
    }
    return differences;
}

} // namespace vant
