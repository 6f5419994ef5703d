#pragma once

#include "db/copied_table.h"

namespace vant {

// Every column that the posting writes into each table, in the order of its inserts, over an
// off-line row and the batch's work rows m (the voucher's code and account type) and n (its new
// number and sub-number). The row check reads the ledgers' aids first, as the posting did.
CopiedTable postedLineColumns();
CopiedTable postedPendingColumns();
CopiedTable postedChequeColumns();

} // namespace vant
