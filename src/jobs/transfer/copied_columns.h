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

} // namespace vant
