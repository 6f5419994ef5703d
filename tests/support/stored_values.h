#pragma once

#include "db/recordset.h"
#include "db/sql_literals.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace vant::test {

// What a user or an older program can leave in a number column: statements, numbers out of
// range or in another notation, blanks around a number, and an empty text.
inline const QStringList kStoredValues = {QStringLiteral("1 or 1=1"),
                                          QStringLiteral("1;drop table x"),
                                          QStringLiteral("1E999"),
                                          QStringLiteral("NaN"),
                                          QStringLiteral("0x10"),
                                          QStringLiteral(" 12 "),
                                          QString()};

// The literal of the clean value that a stored value reads as, where a job reads it at all: its
// leading number, and NULL for a text of blanks (a value never set).
inline QString cleanLiteral(const QString &stored)
{
    if (stored.trimmed().isEmpty())
        return QStringLiteral("null");
    return sqlQuoted(QString::number(leadingNumber(stored)));
}

// Number columns of a table that a job reads, in the rows that `where` selects.
struct StoredSource
{
    const char *table;
    const char *where;
    QStringList columns;
};

// A job's end with the column holding a value (a literal): the rows it left, or nothing when it
// refused the value naming the column.
using JobWith = std::function<std::optional<QStringList>(const QString &column, const QString &literal)>;

// Each stored value in each column of the source: the job either refuses it naming the column
// or leaves the rows that the clean value (`cleanOf`) leaves.
inline void sweepStoredValues(const StoredSource &source, const JobWith &jobWith,
                              const std::function<QString(const QString &column, const QString &value)> &cleanOf)
{
    for (const QString &column : source.columns) {
        // Runs with a clean value, by its literal: several stored values read as the same one.
        QHash<QString, std::optional<QStringList>> clean;
        for (const QString &value : kStoredValues) {
            SCOPED_TRACE(
                QStringLiteral("%1.%2 = \"%3\"").arg(QLatin1StringView(source.table), column, value).toStdString());
            const auto dirty = jobWith(column, sqlQuoted(value));
            if (!dirty)
                continue;
            const QString literal = cleanOf(column, value);
            if (!clean.contains(literal))
                clean.insert(literal, jobWith(column, literal));
            EXPECT_EQ(*dirty, clean.value(literal).value_or(QStringList()));
        }
    }
}

} // namespace vant::test
