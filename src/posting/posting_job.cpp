#include "posting_job.h"

#include "posting_batch.h"
#include "posting_filters.h"
#include "session/accounts_guard.h"
#include "session/products.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace vant {

namespace {

// The run journal keeps the program's words; the boxes show them in the user's language.
const char *const kDuplicateMessage =
    QT_TRANSLATE_NOOP("vant::PostingJob", "VoucherNO is duplicated. Contact Software Vendor...");
const char *const kNoNumberMessage = QT_TRANSLATE_NOOP("vant::PostingJob", "Voucher No is 0");

QString endName(PostingEnd end)
{
    return end == PostingEnd::Completed ? QStringLiteral("completed") : QStringLiteral("failed");
}

} // namespace

PostingSummary PostingJob::run(const MarkedVouchers &marked, const PostingFeedback &feedback)
{
    QJsonArray markedNos;
    for (const MarkedVoucher &voucher : marked.vouchers)
        markedNos.append(voucher.offLineNo);
    RunWatch watch(m_session, QStringLiteral("post"),
                   {{QStringLiteral("acType"), m_postingAcType}, {QStringLiteral("marked"), markedNos}}, m_mode);
    watch.watchNumbers(m_session.companyCode);
    QList<int> posted;
    const PostingSummary summary = post(marked, feedback, posted);
    const QString failure = summary.end == PostingEnd::Duplicate  ? QString::fromUtf8(kDuplicateMessage)
                            : summary.end == PostingEnd::NoNumber ? QString::fromUtf8(kNoNumberMessage)
                                                                  : watch.reportedSince();
    watch.record().posted = summary.posted;
    watch.record().failed = notPosted(marked, posted, summary.end, failure);
    const bool done = summary.end == PostingEnd::Completed && (summary.listedAgain || !feedback.listAgain);
    m_record = watch.finish(done ? endName(summary.end) : QStringLiteral("failed"), done ? QString() : failure);
    return summary;
}

QList<FailedVoucher> PostingJob::notPosted(const MarkedVouchers &marked, const QList<int> &posted, PostingEnd end,
                                           const QString &failure) const
{
    QList<FailedVoucher> failed;
    const QList<MarkedVoucher> &vouchers = marked.vouchers;
    for (qsizetype i = 0; i < vouchers.size(); ++i) {
        const int offLineNo = vouchers.at(i).offLineNo;
        if (posted.contains(offLineNo))
            continue;
        QString reason = QStringLiteral("no line of the company left to post");
        if (end != PostingEnd::Completed && i == m_lookedAt)
            reason = failure;
        else if (end != PostingEnd::Completed && i > m_lookedAt)
            reason = QStringLiteral("not reached: the run stopped at off-line voucher %1")
                         .arg(vouchers.value(m_lookedAt).offLineNo);
        failed << FailedVoucher{QString::number(offLineNo), reason};
    }
    if (marked.unreadable && end != PostingEnd::Completed && m_lookedAt == vouchers.size())
        failed << FailedVoucher{QStringLiteral("(unreadable)"), failure};
    return failed;
}

PostingSummary PostingJob::post(const MarkedVouchers &marked, const PostingFeedback &feedback, QList<int> &posted)
{
    PostingSummary summary;
    summary.marked = marked.rows;
    summary.end = SaveTrans(marked, [&](const MarkedVoucher &voucher, int voucherNo) {
        ++summary.posted;
        posted << voucher.offLineNo;
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
    if (Status created = accounts.create(postingProgId(m_session.productCode)); !created)
        return fail(created.error());

    const QList<MarkedVoucher> &vouchers = marked.vouchers;
    m_lookedAt = 0;
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
        m_lookedAt = start + outcome->voucherNos.size();
        if (!outcome->stop)
            continue;
        switch (outcome->stop->kind) {
        case PostingStop::Duplicate:
            m_session.prompts.message(QCoreApplication::translate("vant::PostingJob", kDuplicateMessage), kProgramTitle,
                                      PromptIcon::Information);
            return PostingEnd::Duplicate;
        case PostingStop::NoNumber:
            // Lines under a number that is no voucher number would block every later transfer.
            m_session.prompts.message(QCoreApplication::translate("vant::PostingJob", kNoNumberMessage), kProgramTitle,
                                      PromptIcon::None);
            return PostingEnd::NoNumber;
        case PostingStop::Refused: return fail(outcome->stop->error);
        }
    }
    if (marked.unreadable)
        return fail(*marked.unreadable);
    return PostingEnd::Completed;
}

} // namespace vant
