#pragma once

#include "database.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vant {

// The catalogue of the accounts database's tables and columns that the program uses.
enum class ColumnType { Text, Int, Identity, Amount, Date };

struct Column
{
    QString name;
    ColumnType type = ColumnType::Int;
    int length = 0; // for Text
};

struct Table
{
    QString name;
    QList<Column> columns;
    QList<QStringList> indexes; // the columns of each index, in key order
};

// Every table of the database; the voucher table of each listed financial year.
QList<Table> accountsTables(const QStringList &financialYears);
// The voucher table of one financial year: "accvoucher" followed by the year key.
Table voucherTable(const QString &financialYear);

// Whether the catalogue declares columns of that name (in any letter case) dates. A name means
// a date in every table that has it, so a result column named so holds dates whatever table or
// work table it was read from.
bool isDateColumn(const QString &name);

// CREATE TABLE and CREATE INDEX statements (SQL Server's types).
QStringList createStatements(const Table &table);

// Creates every table (and index) on the connection.
Status createAccountsSchema(Database &db, const QStringList &financialYears);

} // namespace vant
