#pragma once

#include "db/outcome.h"
#include "voucher_check.h"

#include <QList>

#include <optional>

namespace vant {

struct Session;

// Why a posting stopped at a voucher, which is left wholly unposted.
struct PostingStop
{
    enum Kind { Duplicate, NoNumber, Refused };
    Kind kind = Refused;
    Error error; // for Refused
};

// What a batch of marked vouchers came to: the new numbers of the vouchers posted, in the order
// of the batch (0 for a row that had no unmoved line to post), up to the voucher that stopped it.
struct BatchOutcome
{
    QList<int> voucherNos;
    std::optional<PostingStop> stop;
};

// Posts up to 1,000 marked vouchers with one transaction and a few statements in all, as the
// voucher-by-voucher posting would: each voucher with a line of the session company still
// unmoved gets the next number and sub-number; its lines, its first pending and cheque rows are
// copied under them and its lines flagged as moved. The batch stops at the first voucher that
// gets no number or whose values are refused, keeping the vouchers before it. A statement that
// fails for one voucher is found by posting ever shorter runs of the batch, so that the
// vouchers before it are still posted. Nothing is written when it fails.
class PostingBatch
{
public:
    static constexpr int kMaxVouchers = 1000;

    explicit PostingBatch(Session &session) : m_session(session), m_check(session) {}

    Outcome<BatchOutcome> post(const QList<MarkedVoucher> &vouchers);

private:
    // One try in one transaction, writing at most `limit` vouchers; committed when `keep`.
    Outcome<BatchOutcome> attempt(const QList<MarkedVoucher> &vouchers, int limit, bool keep);

    Session &m_session;
    VoucherCheck m_check;
    // How many vouchers the last try was about to write when it failed; 0 when it failed before.
    int m_planned = 0;
};

} // namespace vant
