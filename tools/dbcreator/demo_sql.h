#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace vant {

// Builds one insert statement in the server's dialect, column by column.
class Insert
{
public:
    explicit Insert(QString table) : m_table(std::move(table)) {}

    // A quoted text; quotes inside it are doubled.
    Insert &text(const char *column, const QString &value);
    Insert &number(const char *column, qint64 value);
    // An amount given in paise, written with two decimals.
    Insert &amount(const char *column, qint64 paise);
    // A date literal; an invalid date writes NULL.
    Insert &date(const char *column, const QDate &value);
    Insert &null(const char *column);
    Insert &now(const char *column);

    QString statement() const;
    operator QString() const { return statement(); }

private:
    Insert &add(const char *column, const QString &literal);

    QString m_table;
    QStringList m_columns;
    QStringList m_values;
};

} // namespace vant
