#include "posting_job.h"

#include "posting_batch.h"
#include "posting_filters.h"
#include "session/accounts_guard.h"
#include "session/products.h"
#include "session/session.h"
#include "session/user_prompts.h"

namespace vant {

namespace {

const QString kDuplicateMessage = QStringLiteral("VoucherNO is duplicated. Contact Software Vendor...");

} // namespace

PostingSummary PostingJob::run(const MarkedVouchers &marked, const PostingFeedback &feedback)
{
    PostingSummary summary;
    summary.marked = marked.rows;
    summary.end = SaveTrans(marked, [&summary, &feedback](const MarkedVoucher &voucher, int voucherNo) {
        ++summary.posted;
        if (feedback.posted)
            feedback.posted(voucher, voucherNo);
    });
    if (feedback.finished)
        feedback.finished(summary);
    if (feedback.listAgain) {
        const Status listed = feedback.listAgain();
        if (!listed)
            m_session.ReportError(listed.error(), kPostingWindow, QStringLiteral("cmdTransfer_Click"), true);
        summary.listedAgain = bool(listed);
    }
    return summary;
}

PostingEnd PostingJob::fail(const Error &error)
{
    m_session.ReportError(error, kPostingWindow, QStringLiteral("SaveTrans"), true);
    return PostingEnd::Failed;
}

PostingEnd PostingJob::SaveTrans(const MarkedVouchers &marked, const PostedVoucher &posted)
{
    if (!m_session.db())
        return fail(closedConnectionError());
    AccountsGuard accounts(m_session);
    if (Status created = accounts.create(postingProgId(m_session.ProductCode)); !created)
        return fail(created.error());

    const QList<MarkedVoucher> &vouchers = marked.vouchers;
    PostingBatch batch(m_session, *accounts.get(), m_postingAcType);
    for (qsizetype start = 0; start < vouchers.size(); start += PostingBatch::kMaxVouchers) {
        // Each batch is committed before its vouchers are heard of or a box waits for the user.
        const auto outcome = batch.post(vouchers.mid(start, PostingBatch::kMaxVouchers));
        if (!outcome)
            return fail(outcome.error());
        for (qsizetype i = 0; i < outcome->voucherNos.size(); ++i) {
            if (outcome->voucherNos.at(i) != 0 && posted)
                posted(vouchers.at(start + i), outcome->voucherNos.at(i));
        }
        if (!outcome->stop)
            continue;
        switch (outcome->stop->kind) {
        case PostingStop::Duplicate:
            m_session.prompts.message(kDuplicateMessage, kProgramTitle, PromptIcon::Information);
            return PostingEnd::Duplicate;
        case PostingStop::NoNumber:
            // Lines under a number that is no voucher number would block every later transfer.
            m_session.prompts.message(QStringLiteral("Voucher No is 0"), kProgramTitle, PromptIcon::None);
            return PostingEnd::NoNumber;
        case PostingStop::Refused:
            return fail(outcome->stop->error);
        }
    }
    if (marked.unreadable)
        return fail(*marked.unreadable);
    return PostingEnd::Completed;
}

} // namespace vant
