#pragma once

#include <QString>
#include <QStringList>

namespace vant {

// The rows picked in a multi-select lookup, in the order they were picked: each row's key
// (its returned columns joined by the column separator) and, when the lookup asks for
// one, the value the user entered for it.
class LovSelection
{
public:
    int size() const { return int(m_keys.size()); }
    bool isEmpty() const { return m_keys.isEmpty(); }
    bool contains(const QString &key) const { return m_keys.contains(key); }
    // The value entered for the row of that key; empty when none.
    QString valueOf(const QString &key) const;

    void add(const QString &key, const QString &value);
    // Drops the first row of that key and its value.
    void remove(const QString &key);

    // Rows chosen in an earlier lookup, in the returned form; values in the same order.
    void preselect(const QString &keys, const QString &values, bool withValues);

    // The rows joined by the row separator, each followed by its value when withValues.
    QString answer(bool withValues) const;

private:
    QStringList m_keys;
    QStringList m_values;
};

} // namespace vant
