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
    // Marked vouchers after the one that stopped the run.
    qsizetype notTried = 0;
    // The list was made again after the run.
    bool listedAgain = false;

    // Marked vouchers tried and not posted: the one that stopped the run, those with nothing to post.
    qsizetype failed() const { return marked - posted - notTried; }
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
    // run journal, with every marked voucher that it did not post and why; a run that posted
    // less than was marked ends "incomplete".
    PostingSummary run(const MarkedVouchers &marked, const PostingFeedback &feedback);
    // What the last run did, as the run journal holds it.
    const RunRecord &record() const { return m_record; }

    // Posts every marked voucher into the year's voucher table under a number from the accounts
    // component, flags the session company's off-line lines of the voucher as moved and copies
    // its first pending and cheque rows under the new number. Vouchers are written a batch at a
    // time, each batch in one transaction that keeps only the vouchers before the first one not
    // posted: a voucher is wholly posted or untouched, and the run stops at the first voucher
    // that is not posted. A marked voucher whose values could not be read stops the run there.
    // The box that tells why the run stopped also says where, and that the vouchers not posted
    // are still listed.
    PostingEnd SaveTrans(const MarkedVouchers &marked, const PostedVoucher &posted = {});

private:
    PostingSummary post(const MarkedVouchers &marked, const PostingFeedback &feedback, QList<int> &posted);
    PostingEnd fail(const Error &error, const QString &where = QString());
    // Why the run stopped, as the journal tells it.
    QString stopReason(PostingEnd end) const;
    // Where the run stopped, with the vouchers posted before it, in words for the box; empty when
    // no voucher was left to post.
    QString stopNote(const MarkedVouchers &marked, qsizetype posted) const;
    // The marked vouchers that the run did not post, each with the reason.
    QList<FailedVoucher> notPosted(const MarkedVouchers &marked, const QList<int> &posted, PostingEnd end,
                                   const QString &failure) const;

    Session &m_session;
    const int m_postingAcType;
    const RunMode m_mode;
    RunRecord m_record;
    // The journal's watch of the run in progress, told of each batch committed.
    RunWatch *m_watch = nullptr;
    // Marked vouchers that the last SaveTrans looked at before it stopped.
    qsizetype m_lookedAt = 0;
};

} // namespace vant
