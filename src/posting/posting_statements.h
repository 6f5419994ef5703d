#pragma once

#include "db/outcome.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace vant {

// The value list of an insert: text between single quotes with its quotes doubled,
// numbers bare and parsed first, dates as 'yyyy-MM-dd'. A NULL text is written '', a
// NULL date NULL; a number that is NULL or no number is refused, and status() names the
// first value refused.
class InsertValues
{
public:
    // owner names the row in an error: "off-line voucher 7".
    InsertValues(QString dateQuote, QString owner) : m_dateQuote(std::move(dateQuote)), m_owner(std::move(owner)) {}

    InsertValues &text(const QVariant &value);
    InsertValues &number(const QVariant &value, const QString &field);
    InsertValues &number(int value);
    // A number that may be NULL, written NULL then.
    InsertValues &optionalNumber(const QVariant &value, const QString &field);
    // The leading number of the text as the client's Val() reads it; NULL gives 0.
    InsertValues &leadingNumber(const QVariant &value, const QString &field);
    InsertValues &date(const QVariant &value, const QString &field);
    InsertValues &raw(const QString &sql);

    // The values separated by commas, between parentheses.
    QString list() const;
    Status status() const { return m_error ? Status(*m_error) : Status(); }

private:
    void append(const Outcome<QString> &literal);
    QString describe(const QString &field) const { return field + QStringLiteral(" of ") + m_owner; }

    QString m_dateQuote;
    QString m_owner;
    QStringList m_values;
    std::optional<Error> m_error;
};

} // namespace vant
