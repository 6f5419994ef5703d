#include "ctl_commands.h"

#include "posting/posting_filters.h"
#include "posting/posting_formats.h"
#include "posting/posting_job.h"
#include "posting/voucher_grid.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>
#include <QTextStream>

namespace vant::ctl {

namespace {

// The line of a count, in the user's language: one thing or many.
QString counted(int count, const char *one, const char *many)
{
    return QCoreApplication::translate("vant::ctl", count == 1 ? one : many).arg(count);
}

bool isListed(const VoucherGrid &grid, int row)
{
    return !grid.text(row, VoucherGrid::Vno).isEmpty();
}

// The heading row, then the listed vouchers.
void printList(const VoucherGrid &grid, QTextStream &out)
{
    for (int row = 0; row < grid.rows(); ++row) {
        if (row > 0 && !isListed(grid, row))
            continue;
        out << grid.text(row, VoucherGrid::Sno).leftJustified(5) << grid.text(row, VoucherGrid::Date).leftJustified(12)
            << grid.text(row, VoucherGrid::BillNo).leftJustified(16)
            << grid.text(row, VoucherGrid::BillAmt).rightJustified(12) << "  " << grid.text(row, VoucherGrid::Vno)
            << '\n';
    }
}

// Marks the chosen rows as Space and Select All do in the grid. An empty text when every
// chosen voucher is listed, otherwise the first that is not.
QString markChosen(VoucherGrid &grid, const PostOptions &options)
{
    if (options.all) {
        grid.selectAll();
    } else {
        for (const QString &voucher : options.vouchers) {
            int found = 0;
            for (int row = 1; row < grid.rows() && found == 0; ++row) {
                if (grid.text(row, VoucherGrid::Vno).trimmed() == voucher)
                    found = row;
            }
            if (found == 0)
                return voucher;
            if (grid.text(found, VoucherGrid::PostedAmt).isEmpty())
                grid.toggleMark(found);
        }
    }
    // The popup menu's account type, given to every marked row.
    if (options.acType != 0) {
        for (int row = 1; row < grid.rows(); ++row)
            grid.RowColor(options.acType, row);
    }
    return QString();
}

bool hasDivision(Session &session, int code)
{
    const auto divisions = loadDivisions(session);
    if (!divisions) {
        session.ReportError(divisions.error(), kPostingWindow, QStringLiteral("Form_Load"), true);
        return false;
    }
    for (const Division &division : *divisions) {
        if (division.code == code)
            return true;
    }
    session.prompts.message(QCoreApplication::translate("vant::ctl", "Division %1 is not a division of %2")
                                .arg(QString::number(code), session.companyName));
    return false;
}

} // namespace

int runPost(Session &session, const PostOptions &options, JobOutput &output)
{
    QTextStream &out = output.out;
    if (!hasDivision(session, options.division))
        return kRefused;
    const VoucherFilter filter{options.division, options.date, options.voucherType, options.transType};
    VoucherGrid grid;
    if (const Status loaded = LoadOffLineVouchers(session, filter, grid); !loaded) {
        session.ReportError(loaded.error(), kPostingWindow, QStringLiteral("cmdGo_Click"), true);
        return kRefused;
    }
    printList(grid, out);
    if (const QString missing = markChosen(grid, options); !missing.isEmpty()) {
        session.prompts.message(
            QCoreApplication::translate("vant::ctl", "Off-line voucher %1 is not in the list").arg(missing));
        return kRefused;
    }

    PostingFeedback feedback;
    feedback.posted = [&out](const MarkedVoucher &voucher, int voucherNo) {
        out << QCoreApplication::translate("vant::ctl", "Posted off-line voucher %1 (%2) as voucher %3")
                   .arg(QString::number(voucher.offLineNo), formatAmount(voucher.postedAmount),
                        QString::number(voucherNo))
            << '\n';
    };
    feedback.finished = [&out](const PostingSummary &summary) {
        out << counted(summary.posted, QT_TRANSLATE_NOOP("vant::ctl", "%1 voucher posted."),
                       QT_TRANSLATE_NOOP("vant::ctl", "%1 vouchers posted."))
            << '\n';
    };
    // As after Transfer in the window: the list again, now without the posted vouchers.
    feedback.listAgain = [&] { return LoadOffLineVouchers(session, filter, grid); };
    // No window's keys choose the account type here: the posting's default stands.
    PostingJob job(session, 0, output.mode);
    const PostingSummary summary = job.run(grid.markedVouchers(), feedback);
    output.record = job.record().toJson();
    // A voucher asked for and not posted makes the run a failure for the script that asked.
    for (const FailedVoucher &voucher : job.record().failed) {
        session.prompts.message((voucher.tried ? QCoreApplication::translate("vant::ctl", "Off-line voucher %1 was not "
                                                                                          "posted: %2")
                                               : QCoreApplication::translate("vant::ctl", "Off-line voucher %1 was not "
                                                                                          "tried: %2"))
                                    .arg(voucher.voucherNo, voucher.reason));
    }
    if (!summary.listedAgain)
        return kRefused;
    int waiting = 0;
    for (int row = 1; row < grid.rows(); ++row)
        waiting += isListed(grid, row) ? 1 : 0;
    out << counted(waiting, QT_TRANSLATE_NOOP("vant::ctl", "%1 voucher of the list still waiting."),
                   QT_TRANSLATE_NOOP("vant::ctl", "%1 vouchers of the list still waiting."))
        << '\n';
    return job.record().succeeded() ? kDone : kRefused;
}

} // namespace vant::ctl
