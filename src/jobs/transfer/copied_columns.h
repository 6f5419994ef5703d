#pragma once

#include "db/copied_table.h"

namespace vant {

// Every column that the transfer writes into each table, in the order of its inserts: one table
// that the copy, its refusals, its row check and the reconciliation of its result all read.
// The copy's own values are the places {destination} (the shadow company's code, quoted),
// {voucherNo} and {subNo} (the copy's voucher number and sub-number).
CopiedTable copiedVoucherColumns();
CopiedTable copiedBillwiseColumns();
CopiedTable copiedChequeColumns();

// Whether the number columns of a source row (`alias`) all hold plain numbers: false when one
// holds a value that is no finite number (or a required one is NULL), true or unknown (NULL)
// when each holds a finite number or NULL, so that only refusalsBeyondNumbers() can refuse the
// row. A refusal scan's mark tests this first, as "case when not {plain} or ... then 1 else 0
// end", which reads unknown as false: a single test a column settles nearly every row.
QString plainNumbers(CopiedTable table, const QString &alias);

// The refusal condition (refusalCondition()) of the columns that are not read as numbers. A date
// whose day is one of the table `days` (its column Day, 'yyyy-MM-dd') is settled by that look-up.
QString refusalsBeyondNumbers(CopiedTable table, const QString &alias, const QString &days);

// The values of the insert (insertValues()) of rows that the refusal scan passed, each number
// column written at once when it holds a number below the largest float: such a row holds no
// infinity, so that is a finite number, which every number form writes unchanged (as a float
// where it reads the leading number). Only other values pass through the form's tests.
QString insertValuesOverNumbers(CopiedTable table, const QString &alias, const QList<Place> &own);

// The leading number (copyform::leadingNumber()) of a number column's value: a finite number is
// read at once.
QString leadingNumberOverNumber(const QString &column);

} // namespace vant
