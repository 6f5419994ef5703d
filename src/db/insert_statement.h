#pragma once

#include <QAnyStringView>
#include <QDate>
#include <QString>
#include <QStringList>

namespace vant {

// One insert statement, built column by column: each value is written beside the name of its
// column, so that no list of names can drift apart from its list of values. A value is SQL text:
// a literal, or an expression over the rows of the select that fills the table.
class InsertStatement
{
public:
    // The statement opens with `head` as written, up to its column list ("insert into AccPending ").
    explicit InsertStatement(QString head) : m_head(std::move(head)) {}
    // "insert into <table>(...)".
    static InsertStatement into(const QString &table);

    InsertStatement &set(QAnyStringView column, const QString &sql);
    // A quoted text; quotes inside it are doubled.
    InsertStatement &text(QAnyStringView column, const QString &value);
    InsertStatement &number(QAnyStringView column, qint64 value);
    // 'yyyy-MM-dd'; an invalid date writes NULL.
    InsertStatement &date(QAnyStringView column, const QDate &value);
    InsertStatement &null(QAnyStringView column);
    InsertStatement &now(QAnyStringView column);

    // The statement with one row of values: "... (columns) values (values)".
    QString values() const;
    // The statement that fills the table from a select: "... (columns) select values" and then
    // the rest of the select (" from ... where ...").
    QString select(const QString &rest) const;

private:
    QString columnList() const;

    QString m_head;
    QStringList m_columns;
    QStringList m_values;
};

} // namespace vant
