#pragma once

#include "db/insert_statement.h"

#include <QString>

#include <span>

namespace vant {

// How the transfer writes a column of a row it copies into the shadow company.
enum class CopyForm {
    Destination,     // the shadow company's code
    NewVoucherNo,    // the number of the copy's voucher
    NewSubNo,        // the sub-number of the copy's voucher
    SourceNumber,    // the source row's VoucherNo, as a number: the copy's OldVoucherNo
    Now,             // the time of the copy
    Text,            // the text; NULL gives an empty text
    Trimmed,         // the text without outer blanks; NULL gives an empty text
    AsStored,        // the number as stored; NULL and blank give NULL
    Number,          // the leading number; NULL gives 0
    Date,            // the date alone; NULL or blank stays NULL
    OwnLedgerIfNone, // the leading number; NULL or blank gives the row's own LedgerCode
};

struct CopiedColumn
{
    const char *name;
    CopyForm form;
};

// Every column that the transfer writes into each table, in the order of its inserts: one list
// that the copy and the reconciliation of its result both read.
std::span<const CopiedColumn> copiedVoucherColumns();
std::span<const CopiedColumn> copiedBillwiseColumns();
std::span<const CopiedColumn> copiedChequeColumns();

// The column carries the source row's value, not a number, time or company of the copy's own.
bool carriesSourceValue(CopyForm form);

// The values that the copy gives the columns of its own, as SQL.
struct CopyOwnValues
{
    QString destination; // the shadow company's code, unquoted
    QString voucherNo;
    QString subNo;
};

// The insert of the copy: every column with its value as its form writes it from the source row
// of that alias in the select that fills the table.
InsertStatement copyInsert(const QString &table, std::span<const CopiedColumn> columns, const QString &alias,
                           const CopyOwnValues &own);

} // namespace vant
