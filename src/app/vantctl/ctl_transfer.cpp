#include "ctl_commands.h"
#include "ctl_destination.h"
#include "progress_meter.h"

#include "session/company_context.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"
#include "transfer/transfer_request.h"
#include "transfer/transfer_run.h"
#include "db/sql_literals.h"

#include <QTextStream>

namespace vant::ctl {

namespace {

int copiedVoucherRows(Session &session, const TransferRequest &request)
{
    return GetRecordCount(session,
                          QStringLiteral("select count(*) from ") + session.VoucherTable
                              + QStringLiteral(" where CompanyCode='") + request.destination()
                              + QStringLiteral("' and IsNull(OldVoucherNo,'0') <> 0 and VoucherDt between '")
                              + sqlDate(request.from) + QStringLiteral("' and '") + sqlDate(request.to)
                              + QLatin1Char('\''),
                          true);
}

} // namespace

int runTransfer(Session &session, const TransferOptions &options, QTextStream &out, bool terminal)
{
    const TransferRequest request{session.CompanyCode, heldDestinationCode(session, options.destination),
                                  options.from, options.to};
    if (const auto refusal = checkTransferRequest(session, request)) {
        session.prompts.message(refusal->message);
        return kRefused;
    }
    const auto failed = [&session](const Error &error) {
        session.ReportError(error, kToolsWindowName, QStringLiteral("Processtransfer"), false);
        session.prompts.message(error.description);
        return kRefused;
    };
    const Outcome<int> rows = transferRowCount(session, request);
    if (!rows)
        return failed(rows.error());
    ProgressMeter meter(out, terminal, *rows);
    const Outcome<bool> confirmed = confirmOverwrite(session, request);
    if (!confirmed)
        return failed(confirmed.error());
    if (!*confirmed)
        return kRefused;

    const TransferFeedback feedback{
        [&meter](const QString &caption) { meter.caption(caption); },
        [&meter] { meter.show(); },
        [&meter](int rows) { meter.advance(rows); },
    };
    const Outcome<TransferEnd> end = RunTransfer(session, request, feedback);
    meter.finish();
    if (!end)
        return failed(end.error());
    if (*end != TransferEnd::Completed)
        return kRefused;
    out << "Copied " << copiedVoucherRows(session, request) << " voucher rows of "
        << request.from.toString(session.DateFormat) << " to " << request.to.toString(session.DateFormat)
        << " from " << session.CompanyName << " (" << request.source() << ") into "
        << GetCompanyName(session, request.destination()) << " (" << request.destination() << ").\n";
    return kDone;
}

} // namespace vant::ctl
