#pragma once

#include "db/outcome.h"

namespace vant {

struct TransferScope;

// Copies the period's bill-wise rows, then its cheque rows, of the source company into the
// destination, each under the number of its voucher's copy there (the first row a transfer wrote
// there whose source number is the row's voucher). A row whose voucher has no copy, or that names no voucher
// (NULL, 0 or below), is skipped; every row moves the bar. The rows are copied in the server, a
// batch per statement, after a check that stops the copy with the report of the first row whose
// values it refuses.
Status copyBillwise(const TransferScope &scope);
Status copyCheques(const TransferScope &scope);

} // namespace vant
