#pragma once

#include "db/outcome.h"

namespace vant {

struct TransferScope;

// Copies the period's voucher rows of the source company into the destination, renumbered:
// the vouchers in the order of voucher code and source number, one new number and sub-number
// per voucher from the accounts component, the rows in that order. The rows are numbered and
// copied in the server, a batch of rows per statement. A row whose values the copy refuses, or
// a voucher that gets no number, stops it before anything is written, with the report of the
// first such row.
Status copyVouchers(const TransferScope &scope);

} // namespace vant
