#include "posting_batch.h"

#include "db/database.h"
#include "db/recordset.h"
#include "db/sql_literals.h"
#include "posting_batch_work.h"
#include "session/accounts_component.h"
#include "session/session.h"

#include <QHash>

namespace vant {

namespace {

// Each voucher code of the first `last` vouchers to post, with how many of them it has, in the
// order of its first voucher.
QList<std::pair<int, int>> codesOf(const QList<MarkedVoucher> &vouchers, const QList<std::pair<int, QString>> &toPost,
                                   int last)
{
    QList<std::pair<int, int>> codes;
    QHash<int, qsizetype> places;
    for (int ord = 0; ord < last; ++ord) {
        const int code = vouchers.at(toPost.at(ord).first - 1).voucherCode;
        const auto place = places.constFind(code);
        if (place == places.cend()) {
            places.insert(code, codes.size());
            codes.append({code, 1});
        } else {
            ++codes[*place].second;
        }
    }
    return codes;
}

} // namespace

PostingBatch::PostingBatch(Session &session, AccountsComponent &accounts, int postingAcType)
    : m_session(session), m_accounts(accounts), m_postingAcType(postingAcType), m_check(session),
      m_work(session, *session.db())
{}

PostingBatch::~PostingBatch()
{
    // A table left behind is dropped by the next job that makes it, or goes with the connection.
    (void)m_work.dropKept();
}

Outcome<PostingBatch::Plan> PostingBatch::plan(const QList<MarkedVoucher> &vouchers, const ToPost &toPost, int limit,
                                               Refusals refusals)
{
    Plan plan;
    if (toPost.isEmpty())
        return plan;
    // The company the lines of the batch's first voucher carry, read whole: it numbers the vouchers.
    const Outcome<int> company =
        wholeNumber(toPost.first().second, QStringLiteral("The company code of the off-line lines"));
    if (!company)
        return company.error();
    plan.company = *company;
    const Outcome<VoucherNoBlock> numbers =
        m_accounts.GetMaxVoucherNoBlock(m_session.voucherTable, *company, int(toPost.size()));
    if (!numbers)
        return numbers.error();
    plan.firstVoucherNo = numbers->first;
    plan.last = numbers->granted;
    if (plan.last < toPost.size())
        plan.stop = PostingStop{numbers->refusal == -1 ? PostingStop::Duplicate : PostingStop::NoNumber, {}};
    if (refusals == Refusals::CheckedFirst) {
        if (Status checked = checkValues(vouchers, toPost, plan); !checked)
            return checked.error();
    }
    if (plan.last > limit) {
        plan.last = limit;
        plan.stop.reset();
    }
    return plan;
}

Status PostingBatch::checkValues(const QList<MarkedVoucher> &vouchers, const ToPost &toPost, Plan &plan)
{
    for (int after = 0;;) {
        const Outcome<int> suspect = m_work.nextSuspect(after, plan.last);
        if (!suspect)
            return suspect.error();
        if (*suspect == 0)
            return {};
        if (Status checked = m_check.check(vouchers.at(toPost.at(*suspect - 1).first - 1)); !checked) {
            plan.last = *suspect - 1;
            plan.stop = PostingStop{PostingStop::Refused, checked.error()};
            return {};
        }
        after = *suspect;
    }
}

Status PostingBatch::write(const QList<MarkedVoucher> &vouchers, const ToPost &toPost, const Plan &plan,
                           Refusals refusals)
{
    const int company = plan.company;
    QList<std::pair<int, int>> firstSubNos;
    QList<std::pair<int, int>> lastSubNos;
    for (const auto &[code, count] : codesOf(vouchers, toPost, plan.last)) {
        const Outcome<int> first =
            m_accounts.GetMaxSubVNoBlock(code, company, m_postingAcType, m_session.financialYear, count);
        if (!first)
            return first.error();
        firstSubNos.append({code, *first});
        lastSubNos.append({code, *first + count - 1});
    }
    if (Status numbered = m_work.assignNumbers(firstSubNos, plan.last, plan.firstVoucherNo); !numbered)
        return numbered;
    if (Status copied = m_work.copy(plan.last, refusals); !copied)
        return copied;
    if (Status updated = m_accounts.UpdateVoucherNo(plan.firstVoucherNo + plan.last - 1, m_session.companyCode);
        !updated)
        return updated;
    return m_work.recordSubNumbers(lastSubNos, company);
}

Outcome<BatchOutcome> PostingBatch::attempt(const QList<MarkedVoucher> &vouchers, int limit, bool keep,
                                            Refusals refusals)
{
    Database &db = *m_session.db();
    TransactionGuard transaction(db);
    if (Status begun = transaction.begin(); !begun)
        return begun.error();
    m_planned = 0;
    if (Status started = m_work.start(); !started)
        return started.error();
    if (Status listed = m_work.listVouchers(vouchers); !listed)
        return listed.error();
    const auto toPost = m_work.vouchersToPost();
    if (!toPost)
        return toPost.error();
    const Outcome<Plan> planned = plan(vouchers, *toPost, limit, refusals);
    if (!planned)
        return planned.error();
    m_planned = planned->last;
    if (planned->last > 0) {
        if (Status written = write(vouchers, *toPost, *planned, refusals); !written)
            return written.error();
    }
    if (m_last) {
        if (Status dropped = m_work.drop(); !dropped)
            return dropped.error();
    }
    if (keep) {
        if (Status committed = transaction.commit(); !committed)
            return committed.error();
        m_work.committed();
    }

    // The marked rows up to the voucher that stopped the batch (or its end), each with its number.
    const int last = planned->last;
    const int stopSeq =
        last < toPost->size() && (planned->stop || last == limit) ? toPost->at(last).first : int(vouchers.size()) + 1;
    QHash<int, int> posted;
    for (int ord = 1; ord <= last; ++ord)
        posted.insert(toPost->at(ord - 1).first, planned->firstVoucherNo + ord - 1);
    BatchOutcome outcome{{}, planned->stop};
    for (int seq = 1; seq < stopSeq; ++seq)
        outcome.voucherNos.append(posted.value(seq, 0));
    return outcome;
}

Outcome<BatchOutcome> PostingBatch::post(const QList<MarkedVoucher> &vouchers, bool last)
{
    m_last = last;
    // Most batches hold no refused value, and are written without looking for one first.
    const Outcome<BatchOutcome> written = attempt(vouchers, kMaxVouchers, true, Refusals::FailTheStatement);
    if (written)
        return written;
    // A refused value failed it, or something else did: the values are checked first now, and a
    // batch that stops at a refused voucher is written up to it.
    const Outcome<BatchOutcome> checked = attempt(vouchers, kMaxVouchers, false, Refusals::CheckedFirst);
    if (checked && checked->stop && checked->stop->kind == PostingStop::Refused)
        return attempt(vouchers, kMaxVouchers, true, Refusals::CheckedFirst);
    // A statement failed for some voucher: the longest run of vouchers that can be posted is
    // found by halving, and posted; the voucher after it is reported with the failure and left
    // untouched, also when the failure does not come back.
    int good = 0;
    int bad = m_planned;
    Error failure = checked ? written.error() : checked.error();
    while (bad - good > 1) {
        const int middle = (good + bad) / 2;
        const Outcome<BatchOutcome> tried = attempt(vouchers, middle, false, Refusals::CheckedFirst);
        if (tried) {
            good = middle;
        } else {
            bad = middle;
            failure = tried.error();
        }
    }
    Outcome<BatchOutcome> kept = attempt(vouchers, good, true, Refusals::CheckedFirst);
    if (!kept)
        return kept.error();
    kept->stop = PostingStop{PostingStop::Refused, failure};
    return kept;
}

} // namespace vant
