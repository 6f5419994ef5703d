#include "posting_run.h"

#include "posting_batch.h"
#include "posting_filters.h"
#include "session/company_context.h"
#include "session/products.h"
#include "session/session.h"
#include "db/sql_literals.h"
#include "session/user_prompts.h"

#include <optional>

namespace vant {

namespace {

const QString kDuplicateMessage = QStringLiteral("VoucherNO is duplicated. Contact Software Vendor...");

Outcome<MarkedVoucher> markedVoucher(const PostingRow &row)
{
    const auto offLineNo = wholeNumber(row.voucherNo, QStringLiteral("The off-line voucher number"));
    if (!offLineNo)
        return offLineNo.error();
    const QString owner = QStringLiteral("off-line voucher ") + row.voucherNo.trimmed();
    const auto voucherCode = wholeNumber(row.voucherCode, QStringLiteral("The voucher code of ") + owner);
    if (!voucherCode)
        return voucherCode.error();
    const auto acType = wholeNumber(row.acType, QStringLiteral("The account type of ") + owner);
    if (!acType)
        return acType.error();
    return MarkedVoucher{*offLineNo, *voucherCode, *acType};
}

} // namespace

PostingEnd SaveTrans(Session &session, const QList<PostingRow> &rows, const PostedVoucher &posted)
{
    const auto stop = [&session](PostingEnd end) {
        session.AccountsObject.reset();
        return end;
    };
    const auto fail = [&session, &stop](const Error &error) {
        session.ReportError(error, kPostingWindow, QStringLiteral("SaveTrans"), true);
        return stop(PostingEnd::Failed);
    };
    if (!session.db())
        return fail(closedConnectionError());
    if (Status created = createAndConnectAccounts(session, postingProgId(session.ProductCode)); !created)
        return fail(created.error());

    // The marked rows in grid order, up to a row whose values cannot be read.
    QList<const PostingRow *> marked;
    QList<MarkedVoucher> vouchers;
    std::optional<Error> unreadable;
    for (const PostingRow &row : rows) {
        if (leadingNumber(row.postedAmount) <= 0)
            continue;
        const auto voucher = markedVoucher(row);
        if (!voucher) {
            unreadable = voucher.error();
            break;
        }
        marked.append(&row);
        vouchers.append(*voucher);
    }

    PostingBatch batch(session);
    for (qsizetype start = 0; start < vouchers.size(); start += PostingBatch::kMaxVouchers) {
        // Each batch is committed before its vouchers are heard of or a box waits for the user.
        const auto outcome = batch.post(vouchers.mid(start, PostingBatch::kMaxVouchers));
        if (!outcome)
            return fail(outcome.error());
        for (qsizetype i = 0; i < outcome->voucherNos.size(); ++i) {
            if (outcome->voucherNos.at(i) != 0 && posted)
                posted(*marked.at(start + i), outcome->voucherNos.at(i));
        }
        if (!outcome->stop)
            continue;
        switch (outcome->stop->kind) {
        case PostingStop::Duplicate:
            session.prompts.message(kDuplicateMessage, kProgramTitle, PromptIcon::Information);
            return stop(PostingEnd::Duplicate);
        case PostingStop::NoNumber:
            // Lines under a number that is no voucher number would block every later transfer.
            session.prompts.message(QStringLiteral("Voucher No is 0"), kProgramTitle, PromptIcon::None);
            return stop(PostingEnd::NoNumber);
        case PostingStop::Refused:
            return fail(outcome->stop->error);
        }
    }
    if (unreadable)
        return fail(*unreadable);
    return stop(PostingEnd::Completed);
}

} // namespace vant
