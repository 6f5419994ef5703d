#pragma once

#include "outcome.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

namespace vant {

enum class FieldType { Text, Integer, Double, Currency, Date, Boolean, Binary, Unknown };

struct Field
{
    QString name;
    FieldType type = FieldType::Unknown;

    bool isCharacter() const { return type == FieldType::Text; }
    bool isDoubleOrCurrency() const { return type == FieldType::Double || type == FieldType::Currency; }
};

// Index of the field with that name, compared without regard to case; -1 when none.
int fieldIndex(const QList<Field> &fields, const QString &name);

// A test of one row's values, in field order.
using RowPredicate = std::function<bool(const QList<QVariant> &)>;

// A client-side result: every row is read when the statement is opened, and the
// cursor moves over them as an ADO client cursor does. A filter narrows the visible
// rows, a sort orders them; positions are 1-based within the visible rows.
class Recordset
{
public:
    Recordset() = default;
    Recordset(QList<Field> fields, QList<QList<QVariant>> rows);

    int fieldCount() const { return int(m_fields.size()); }
    const Field &field(int index) const { return m_fields.at(index); }
    int fieldIndex(const QString &name) const { return vant::fieldIndex(m_fields, name); }

    int recordCount() const { return int(m_view.size()); }
    bool bof() const { return m_view.isEmpty() || m_position < 0; }
    bool eof() const { return m_view.isEmpty() || m_position >= m_view.size(); }
    bool isEmpty() const { return m_view.isEmpty(); }

    // 1-based position of the current record; 0 when there is none.
    int absolutePosition() const;
    void setAbsolutePosition(int position);

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(int records);

    // Values of the current record. A NULL comes back as a null QVariant.
    QVariant value(int index) const;
    QVariant value(const QString &name) const;
    bool isNull(int index) const { return value(index).isNull(); }
    // The value's text as the client library shows it: empty for NULL.
    QString text(int index) const;
    QString text(const QString &name) const;

    // Narrows the visible rows to those that pass the test; an empty test removes the filter.
    void setFilter(RowPredicate predicate);
    void clearFilter();
    bool isFiltered() const { return bool(m_filterPredicate); }

    // Searches forward from the current record for the first record that passes the test; on
    // success that record is current, otherwise the cursor is at EOF.
    bool find(const RowPredicate &predicate);

    // "field" or "field Desc", several separated by commas; empty restores the order read.
    Status setSort(const QString &sort);
    // Orders by the field of that whole name: a name that ends in " Desc" is still a name.
    Status sortBy(const QString &field, bool descending);
    QString sort() const { return m_sort; }

private:
    void rebuildView();
    const QList<QVariant> *currentRow() const;

    QList<Field> m_fields;
    QList<QList<QVariant>> m_rows;
    QList<int> m_view; // indexes into m_rows, filtered and sorted
    int m_position = 0;
    RowPredicate m_filterPredicate;
    QString m_sort;
    QList<std::pair<int, bool>> m_sortKeys; // field index, descending
};

// A value's text as the client library shows it: empty for NULL, a date without a time
// of day as yyyy-MM-dd. Filters and finds compare this text.
QString valueText(const QVariant &value);

// The error of a field name that the result does not have.
Error unknownFieldError();

// Number value of a text as the client's Val() reads it: the leading number, 0 when none.
double leadingNumber(const QString &text);
// The same as a whole number (the fraction dropped), held within the range of int; a value
// that is not finite reads as 0.
int leadingInt(const QString &text);

// Date of a stored value: a QDate/QDateTime, or text beginning with a date of the calendar as
// yyyy-MM-dd (from year 1 on).
QDate dateOf(const QVariant &value);

} // namespace vant
