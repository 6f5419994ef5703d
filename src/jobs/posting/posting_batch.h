#pragma once

#include "db/outcome.h"
#include "posting_batch_work.h"
#include "voucher_check.h"

#include <QList>

#include <optional>
#include <utility>

namespace vant {

struct Session;
class AccountsComponent;

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

// Posts up to 2,500 marked vouchers with one transaction and a few statements in all, as the
// voucher-by-voucher posting would: each voucher with a line of the session company still
// unmoved gets the next number and sub-number; its lines, its first pending and cheque rows are
// copied under them and its lines flagged as moved. The batch stops at the first voucher that
// gets no number or whose values are refused, keeping the vouchers before it. A statement that
// fails for one voucher is found by posting ever shorter runs of the batch, so that the
// vouchers before it are still posted. Nothing is written when it fails.
class PostingBatch
{
public:
    static constexpr int kMaxVouchers = 2500;

    // The vouchers are numbered by the posting's accounts component; postingAcType is the
    // account type it is given for the sub-numbers.
    PostingBatch(Session &session, AccountsComponent &accounts, int postingAcType);
    // Drops the work tables that a batch before the last left; they would go with the connection
    // otherwise.
    ~PostingBatch();
    PostingBatch(const PostingBatch &) = delete;
    PostingBatch &operator=(const PostingBatch &) = delete;

    // The job's last batch drops the work tables with its vouchers' rows.
    Outcome<BatchOutcome> post(const QList<MarkedVoucher> &vouchers, bool last);

private:
    // The batch position of each voucher to post, with the company of its lines.
    using ToPost = QList<std::pair<int, QString>>;
    // How far a try goes: the vouchers it writes (the first `last` to post), their first number,
    // and why it stops before the others.
    struct Plan
    {
        int last = 0;
        int firstVoucherNo = 0;
        int company = 0; // the company the lines carry, whose numbers the vouchers take
        std::optional<PostingStop> stop;
    };

    // One try in one transaction, writing at most `limit` vouchers; committed when `keep`.
    Outcome<BatchOutcome> attempt(const QList<MarkedVoucher> &vouchers, int limit, bool keep, Refusals refusals);
    Outcome<Plan> plan(const QList<MarkedVoucher> &vouchers, const ToPost &toPost, int limit, Refusals refusals);
    // Cuts the plan at the first voucher whose values are refused.
    Status checkValues(const QList<MarkedVoucher> &vouchers, const ToPost &toPost, Plan &plan);
    Status write(const QList<MarkedVoucher> &vouchers, const ToPost &toPost, const Plan &plan, Refusals refusals);

    Session &m_session;
    AccountsComponent &m_accounts;
    const int m_postingAcType;
    VoucherCheck m_check;
    PostingBatchWork m_work;
    // How many vouchers the last try was about to write when it failed; 0 when it failed before.
    int m_planned = 0;
    bool m_last = false;
};

} // namespace vant
