#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vant {

// The value list of an insert: text between single quotes with its quotes doubled,
// numbers bare, dates as 'yyyy-MM-dd'. A NULL number or date is written NULL, a NULL
// text as ''.
class InsertValues
{
public:
    explicit InsertValues(QString dateQuote) : m_dateQuote(std::move(dateQuote)) {}

    InsertValues &text(const QVariant &value);
    InsertValues &number(const QVariant &value);
    InsertValues &date(const QVariant &value);
    InsertValues &raw(const QString &sql);

    // The values separated by commas, between parentheses.
    QString list() const;

private:
    QString m_dateQuote;
    QStringList m_values;
};

// A value written as a number the way a text cell shows it: empty for NULL.
QString numberText(const QVariant &value);

} // namespace vant
