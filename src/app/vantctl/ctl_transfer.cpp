#include "ctl_commands.h"
#include "ctl_destination.h"
#include "progress_meter.h"

#include "session/company_context.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"
#include "transfer/transfer_job.h"
#include "transfer/transferred_rows.h"
#include "db/sql_literals.h"

#include <QCoreApplication>
#include <QTextStream>

namespace vant::ctl {

namespace {

int copiedVoucherRows(Session &session, const TransferRequest &request)
{
    return GetRecordCount(
        session,
        QStringLiteral("select count(*) from ") + session.voucherTable + QStringLiteral(" where CompanyCode=")
            + sqlQuoted(request.destination()) + QStringLiteral(" and ") + transferredRow()
            + QStringLiteral(" and VoucherDt between '")
            + sqlDate(request.from) + QStringLiteral("' and '") + sqlDate(request.to) + QLatin1Char('\''),
        true);
}

} // namespace

int runTransfer(Session &session, const TransferOptions &options, JobOutput &output)
{
    TransferJob job(session,
                    {session.companyCode, heldDestinationCode(session, options.destination), options.from, options.to},
                    output.mode);
    QTextStream &out = output.out;
    ProgressMeter meter(out, output.terminal);
    TransferFeedback feedback;
    feedback.counted = [&meter](int rows) { meter.setMaximum(rows); };
    feedback.caption = [&meter](const QString &caption) { meter.caption(caption); };
    feedback.showProgress = [&meter] { meter.show(); };
    feedback.advance = [&meter](int rows) { meter.advance(rows); };
    // The bar's line ends before a failure of the run is reported.
    feedback.runOver = [&meter] { meter.finish(); };
    const TransferEnd end = job.Processtransfer(feedback);
    output.record = job.record().toJson();
    if (end != TransferEnd::Completed)
        return kRefused;
    const TransferRequest &request = job.request();
    out << QCoreApplication::translate("vant::ctl", "Copied %1 voucher rows of %2 to %3 from %4 (%5) into %6 (%7).")
               .arg(QString::number(copiedVoucherRows(session, request)), request.from.toString(session.dateFormat),
                    request.to.toString(session.dateFormat), session.companyName, request.source(),
                    GetCompanyName(session, request.destination()), request.destination())
        << '\n';
    return kDone;
}

} // namespace vant::ctl
