#pragma once

#include "session/recordset.h"

#include <QString>

namespace vant {

// A number as the statements write it: plain decimal, no quotes, no exponent.
QString sqlNumber(double value);

// The current row of a source result, written as values of an insert statement.
// Text values have their single quotes doubled so that no field can break the statement.
class SourceRow
{
public:
    explicit SourceRow(const Recordset &rs) : m_rs(rs) {}

    // The text between single quotes; NULL gives an empty text.
    QString quoted(const QString &field) const;
    // The text as it is, without quotes.
    QString raw(const QString &field) const;
    // The leading number of the text (0 when empty or NULL), without quotes.
    QString number(const QString &field) const;
    // The text without leading and trailing blanks, between single quotes.
    QString trimmed(const QString &field) const;
    // The date as 'yyyy-MM-dd'; '' when NULL.
    QString date(const QString &field) const;

    bool isNull(const QString &field) const { return m_rs.value(field).isNull(); }
    QString text(const QString &field) const { return m_rs.text(field); }

private:
    const Recordset &m_rs;
};

} // namespace vant
