#pragma once

#include "db/copied_table.h"

namespace vant {

// Every column that the posting writes into each table, in the order of its inserts, over an
// off-line row and the batch's work rows m (the voucher's code and account type) and n (its new
// number and sub-number). The row check reads the ledgers' aids first, as the posting did.
CopiedTable postedLineColumns();
CopiedTable postedPendingColumns();
CopiedTable postedChequeColumns();

// Holds for an off-line row `alias` (joined to its ledgers by ledgerJoins()) whose number columns
// all hold finite numbers and whose ledgers are found with a whole aid, which a few comparisons
// settle: the server keeps no text in a number column, and SQLite's text never lies between two
// numbers. Of such a row's values only a date or a leading number read from text can be refused.
QString plainRow(CopiedTable table, const QString &alias);

// The refusal condition of the values that a plain row may still have refused. A date whose
// first ten characters are plainDay (a quoted day of the calendar, yyyy-MM-dd, or empty for
// none) is none of them. leadingNumber, when given, names the table (OnAcNo, Number, Refused) in
// which the texts of the table's one leading-number column were read before.
QString refusalsOfPlainRow(CopiedTable table, const QString &alias, const QString &plainDay,
                           const QString &leadingNumber = QString());

// The values of the insert over an off-line row `alias`: the finite number of a number column
// is written at once, as every form of such a column writes it; the leading number is taken from
// leadingNumber's table when one is named.
QString postedValues(CopiedTable table, const QString &alias, const QString &leadingNumber = QString());

// The values of postedValues(), each failing the statement where the row check would refuse it.
// Only a value that no comparison settles is tested: a finite number, an aid of a whole number
// and a date of plainDay (as in refusalsOfPlainRow()) are written at once. The aids are read from
// the ledgers of ledgerJoins() when joinedLedgers, each looked up otherwise.
QString refusingValues(CopiedTable table, const QString &alias, const QString &plainDay,
                       const QString &leadingNumber = QString(), bool joinedLedgers = false);

} // namespace vant
