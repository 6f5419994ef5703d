#include "posting_job.h"

#include "posting_batch.h"
#include "posting_filters.h"
#include "session/accounts_guard.h"
#include "session/products.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>

namespace vant {

namespace {

// The run journal keeps the program's words; the boxes show them in the user's language.
const char *const kDuplicateMessage =
    QT_TRANSLATE_NOOP("vant::PostingJob", "VoucherNO is duplicated. Contact Software Vendor...");
const char *const kNoNumberMessage = QT_TRANSLATE_NOOP("vant::PostingJob", "Voucher No is 0");

// The vouchers asked for, in the order of the list: those to post, then those refused.
QJsonArray markedNumbers(const MarkedVouchers &marked)
{
    QJsonArray numbers;
    for (const MarkedVoucher &voucher : marked.vouchers)
        numbers.append(voucher.offLineNo);
    for (const FailedVoucher &voucher : marked.refused) {
        bool whole = false;
        const int number = voucher.voucherNo.toInt(&whole);
        numbers.append(whole ? QJsonValue(number) : QJsonValue(voucher.voucherNo));
    }
    return numbers;
}

} // namespace

PostingSummary PostingJob::run(const MarkedVouchers &marked, const PostingFeedback &feedback)
{
    RunWatch watch(m_session, QStringLiteral("post"),
                   {{QStringLiteral("acType"), m_postingAcType}, {QStringLiteral("marked"), markedNumbers(marked)}},
                   m_mode);
    watch.watchNumbers(m_session.companyCode);
    m_watch = &watch;
    QList<int> posted;
    const PostingSummary summary = post(marked, feedback, posted);
    const QList<FailedVoucher> &failed = watch.record().failed;
    QString result = QStringLiteral("completed");
    QString message;
    if (summary.end != PostingEnd::Completed || (feedback.listAgain && !summary.listedAgain)) {
        result = QStringLiteral("failed");
        message = stopReason(summary.end);
    } else if (!failed.isEmpty()) {
        result = QStringLiteral("incomplete");
        message = QStringLiteral("Not posted: %1 of %2 marked vouchers").arg(failed.size()).arg(summary.marked);
    }
    m_record = watch.finish(result, message);
    m_watch = nullptr;
    return summary;
}

QList<FailedVoucher> PostingJob::notPosted(const MarkedVouchers &marked, const QList<int> &posted, PostingEnd end,
                                           const QString &failure) const
{
    QList<FailedVoucher> failed;
    const QList<MarkedVoucher> &vouchers = marked.vouchers;
    const bool stopped = end != PostingEnd::Completed;
    const QString stop = QStringLiteral("the posting stopped at off-line voucher %1");
    for (qsizetype i = 0; i < vouchers.size(); ++i) {
        const int offLineNo = vouchers.at(i).offLineNo;
        if (posted.contains(offLineNo))
            continue;
        if (stopped && i > m_lookedAt)
            failed << FailedVoucher{QString::number(offLineNo), stop.arg(vouchers.value(m_lookedAt).offLineNo), false};
        else
            failed << FailedVoucher{QString::number(offLineNo),
                                    stopped && i == m_lookedAt ? failure
                                                               : QStringLiteral("no line of the company left to post")};
    }
    if (marked.unreadable && stopped && m_lookedAt == vouchers.size())
        failed << FailedVoucher{QStringLiteral("(unreadable)"), failure};
    return failed + marked.refused;
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
    if (m_watch) {
        RunRecord &record = m_watch->record();
        record.posted = summary.posted;
        record.failed = notPosted(marked, posted, summary.end, stopReason(summary.end));
        summary.notTried = std::count_if(record.failed.cbegin(), record.failed.cend(),
                                         [](const FailedVoucher &voucher) { return !voucher.tried; });
        if (summary.end != PostingEnd::Completed && m_lookedAt == marked.vouchers.size())
            summary.notTried += marked.afterUnreadable;
    }
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

PostingEnd PostingJob::fail(const Error &error, const QString &where)
{
    m_session.ReportError(error, kPostingWindow, QStringLiteral("SaveTrans"), true, where);
    return PostingEnd::Failed;
}

QString PostingJob::stopReason(PostingEnd end) const
{
    switch (end) {
    case PostingEnd::Duplicate: return QString::fromUtf8(kDuplicateMessage);
    case PostingEnd::NoNumber: return QString::fromUtf8(kNoNumberMessage);
    case PostingEnd::Completed:
    case PostingEnd::Failed: break;
    }
    return m_watch ? m_watch->reportedSince() : QString();
}

QString PostingJob::stopNote(const MarkedVouchers &marked, qsizetype posted) const
{
    const auto said = [](const char *text) { return QCoreApplication::translate("vant::PostingJob", text); };
    const QList<MarkedVoucher> &vouchers = marked.vouchers;
    if (m_lookedAt >= vouchers.size()) {
        if (!marked.unreadable)
            return QString(); // no voucher was left to post
        const qsizetype later = marked.afterUnreadable;
        const char *rest =
            later == 0   ? QT_TRANSLATE_NOOP("vant::PostingJob", "That row was not posted and is still listed.")
            : later == 1 ? QT_TRANSLATE_NOOP("vant::PostingJob", "That row and the %1 marked row after it were not "
                                                                 "posted and are still listed.")
                         : QT_TRANSLATE_NOOP("vant::PostingJob", "That row and the %1 marked rows after it were not "
                                                                 "posted and are still listed.");
        return said(QT_TRANSLATE_NOOP("vant::PostingJob", "The posting stopped at a marked row whose values cannot "
                                                          "be read. Vouchers posted: %1."))
                   .arg(posted)
               + QStringLiteral("\r\n") + (later == 0 ? said(rest) : said(rest).arg(later));
    }
    const QString voucher = QString::number(vouchers.at(m_lookedAt).offLineNo);
    const qsizetype later = vouchers.size() - m_lookedAt - 1 + (marked.unreadable ? 1 : 0) + marked.afterUnreadable;
    const char *rest =
        later == 0   ? QT_TRANSLATE_NOOP("vant::PostingJob", "Off-line voucher %1 was not posted and is still listed.")
        : later == 1 ? QT_TRANSLATE_NOOP("vant::PostingJob", "Off-line voucher %1 and the %2 marked voucher after it "
                                                             "were not posted and are still listed.")
                     : QT_TRANSLATE_NOOP("vant::PostingJob", "Off-line voucher %1 and the %2 marked vouchers after it "
                                                             "were not posted and are still listed.");
    return said(QT_TRANSLATE_NOOP("vant::PostingJob",
                                  "The posting stopped at off-line voucher %1. Vouchers posted: %2."))
               .arg(voucher)
               .arg(posted)
           + QStringLiteral("\r\n") + (later == 0 ? said(rest).arg(voucher) : said(rest).arg(voucher).arg(later));
}

PostingEnd PostingJob::SaveTrans(const MarkedVouchers &marked, const PostedVoucher &posted)
{
    m_lookedAt = 0;
    if (!m_session.db())
        return fail(closedConnectionError(), stopNote(marked, 0));
    AccountsGuard accounts(m_session);
    if (Status created = accounts.create(postingProgId(m_session.productCode)); !created)
        return fail(created.error(), stopNote(marked, 0));

    const QList<MarkedVoucher> &vouchers = marked.vouchers;
    qsizetype postedSoFar = 0;
    PostingBatch batch(m_session, *accounts.get(), m_postingAcType);
    for (qsizetype start = 0; start < vouchers.size(); start += PostingBatch::kMaxVouchers) {
        // Each batch is committed, and the journal told, before its vouchers are heard of or a box
        // waits for the user.
        const auto outcome = batch.post(vouchers.mid(start, PostingBatch::kMaxVouchers),
                                        start + PostingBatch::kMaxVouchers >= vouchers.size());
        if (!outcome)
            return fail(outcome.error(), stopNote(marked, postedSoFar));
        const qsizetype before = postedSoFar;
        postedSoFar += std::count_if(outcome->voucherNos.cbegin(), outcome->voucherNos.cend(),
                                     [](int voucherNo) { return voucherNo != 0; });
        if (m_watch && postedSoFar > before) {
            m_watch->record().posted = postedSoFar;
            m_watch->committed();
        }
        for (qsizetype i = 0; i < outcome->voucherNos.size(); ++i) {
            if (outcome->voucherNos.at(i) != 0 && posted)
                posted(vouchers.at(start + i), outcome->voucherNos.at(i));
        }
        m_lookedAt = start + outcome->voucherNos.size();
        if (!outcome->stop)
            continue;
        // A batch stops at a voucher: there is always one to name.
        const QString where = QStringLiteral("\r\n") + stopNote(marked, postedSoFar);
        switch (outcome->stop->kind) {
        case PostingStop::Duplicate:
            m_session.prompts.message(QCoreApplication::translate("vant::PostingJob", kDuplicateMessage) + where,
                                      kProgramTitle, PromptIcon::Information);
            return PostingEnd::Duplicate;
        case PostingStop::NoNumber:
            // Lines under a number that is no voucher number would block every later transfer.
            m_session.prompts.message(QCoreApplication::translate("vant::PostingJob", kNoNumberMessage) + where,
                                      kProgramTitle, PromptIcon::None);
            return PostingEnd::NoNumber;
        case PostingStop::Refused: return fail(outcome->stop->error, stopNote(marked, postedSoFar));
        }
    }
    if (marked.unreadable)
        return fail(*marked.unreadable, stopNote(marked, postedSoFar));
    return PostingEnd::Completed;
}

} // namespace vant
