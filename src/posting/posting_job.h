#pragma once

#include "db/outcome.h"
#include "marked_voucher.h"
#include "session/run_watch.h"

#include <functional>

namespace vant {

struct Session;

enum class PostingEnd {
    Completed, // every marked row was looked at
    Duplicate, // the component gave -1 for a voucher number; that voucher and later rows untouched
    NoNumber,  // the component gave another number below 1; that voucher and later rows untouched
    Failed,    // a statement, component call or value of a voucher failed and was reported
};

// Each voucher posted, with its new number, once its batch is committed.
using PostedVoucher = std::function<void(const MarkedVoucher &voucher, int voucherNo)>;

// What a posting run came to.
struct PostingSummary
{
    PostingEnd end = PostingEnd::Completed;
    qsizetype marked = 0;
    qsizetype posted = 0;
    // The list was made again after the run.
    bool listedAgain = false;

    // A marked voucher that was not posted failed: its own failure, or an earlier one stopped the run.
    qsizetype failed() const { return marked - posted; }
};

// What a front end hears of a posting run ("Transfer"). Every part is optional.
struct PostingFeedback
{
    PostedVoucher posted = {};
    // The vouchers are posted; the list is made again next.
    std::function<void(const PostingSummary &summary)> finished = {};
    // Lists the vouchers of the front end's filter again, so that the posted ones leave the list.
    std::function<Status()> listAgain = {};
};

// The posting of marked off-line vouchers as every front end runs it. The accounts component of
// the session's product is created for each run and released when the run ends.
class PostingJob
{
public:
    // postingAcType: the account type chosen in the posting window (Ctrl+Shift+1/2/0), which the
    // accounts component is given for the sub-voucher numbers.
    PostingJob(Session &session, int postingAcType, RunMode mode = RunMode::Real)
        : m_session(session), m_postingAcType(postingAcType), m_mode(mode)
    {}

    // The Transfer button: posts the marked vouchers (SaveTrans), then lists the filter again; a
    // list that fails is reported under "cmdTransfer_Click". The run leaves its record in the
    // run journal.
    PostingSummary run(const MarkedVouchers &marked, const PostingFeedback &feedback);
    // What the last run did, as the run journal holds it.
    const RunRecord &record() const { return m_record; }

    // Posts every marked voucher into the year's voucher table under a number from the accounts
    // component, flags the session company's off-line lines of the voucher as moved and copies
    // its first pending and cheque rows under the new number. Vouchers are written a batch at a
    // time, each batch in one transaction that keeps only the vouchers before the first one not
    // posted: a voucher is wholly posted or untouched, and the run stops at the first voucher
    // that is not posted. A marked voucher whose values could not be read stops the run there.
    PostingEnd SaveTrans(const MarkedVouchers &marked, const PostedVoucher &posted = {});

private:
    PostingSummary post(const MarkedVouchers &marked, const PostingFeedback &feedback, QList<int> &posted);
    PostingEnd fail(const Error &error);
    // The marked vouchers that the run did not post, each with the reason.
    QList<FailedVoucher> notPosted(const MarkedVouchers &marked, const QList<int> &posted, PostingEnd end,
                                   const QString &failure) const;

    Session &m_session;
    const int m_postingAcType;
    const RunMode m_mode;
    RunRecord m_record;
    // Marked vouchers that the last SaveTrans looked at before it stopped.
    qsizetype m_lookedAt = 0;
};

} // namespace vant
