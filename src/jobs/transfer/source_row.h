#pragma once

#include "db/outcome.h"
#include "db/recordset.h"

#include <QString>

#include <optional>

namespace vant {

// The current row of a source result, written as values of an insert statement. Text
// values have their single quotes doubled so that no field can break the statement, and
// every number is parsed before it is written. A number that cannot be written stands as
// NULL in the values; status() names the first such value of the row.
class SourceRow
{
public:
    // idField names the column that tells the table's rows apart in an error.
    SourceRow(const Recordset &rs, QString table, QString idField)
        : m_rs(rs), m_table(std::move(table)), m_idField(std::move(idField))
    {}

    // The text between single quotes; NULL gives an empty text.
    QString quoted(const QString &field) const;
    // The number the field holds, as stored: NULL and blanks give NULL, any other text must be a
    // number.
    QString raw(const QString &field);
    // The number the field holds, which must be there: NULL and an empty text are refused.
    QString required(const QString &field);
    // The leading number of the text (0 when empty or NULL), without quotes.
    QString number(const QString &field);
    // The text without leading and trailing blanks, between single quotes.
    QString trimmed(const QString &field) const;
    // The date as 'yyyy-MM-dd'; NULL stays NULL, any other value must be a date.
    QString date(const QString &field);

    bool isNull(const QString &field) const { return m_rs.value(field).isNull(); }
    QString text(const QString &field) const { return m_rs.text(field); }
    // How an error names the field of this row: "AcType of AccPending row slno 7".
    QString describe(const QString &field) const;

    // The first value of the row that could not be written; cleared for the next row.
    Status takeStatus();

private:
    QString checked(const Outcome<QString> &literal);

    const Recordset &m_rs;
    const QString m_table;
    const QString m_idField;
    std::optional<Error> m_error;
};

} // namespace vant
