#pragma once

#include "db/outcome.h"
#include "transfer_request.h"

#include <QString>

#include <functional>

namespace vant {

struct Session;

// How the run keeps the user informed while it holds the window's thread.
struct TransferFeedback
{
    std::function<void(const QString &caption)> caption;
    std::function<void()> showProgress;
    // The bar moves on by that many source rows, copied or skipped.
    std::function<void(int rows)> advance;
};

enum class TransferEnd {
    Completed, // committed; the caption says so
    Stopped,   // a step failed, was reported and the transaction rolled back
};

// Copies the request's period of the source company into the destination company in one
// transaction: earlier copies of the period are cleared (and logged), divisions, vouchers
// (renumbered by the accounts component), bill-wise and cheque rows are copied. A failure
// to begin or commit the transaction comes back as an error, everything rolled back.
Outcome<TransferEnd> RunTransfer(Session &session, const TransferRequest &request, const TransferFeedback &feedback);

} // namespace vant
