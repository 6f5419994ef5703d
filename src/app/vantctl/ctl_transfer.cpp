#include "ctl_commands.h"
#include "progress_meter.h"

#include "session/company_context.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"
#include "transfer/transfer_job.h"
#include "db/sql_literals.h"

#include <QTextStream>

namespace vant::ctl {

namespace {

// The code that the destination box would hold after a pick from the company lookup:
// one of the default company's shadow companies, named by code or by name. "0" when
// none is so named, which the transfer's checks refuse as the window refuses a
// destination typed by hand.
QString heldDestinationCode(Session &session, const QString &destination)
{
    const QString wanted = destination.trimmed();
    auto rs = session.db()->openRecordset(
        QStringLiteral("SELECT CompanyName,CompanyCode from Acccompanymaster  where parentcompanycode='")
        + session.CompanyCode + QLatin1Char('\''));
    if (!rs) {
        session.ReportError(rs.error(), QString(), QStringLiteral("ListShadowCompany"), true);
        return QStringLiteral("0");
    }
    QString byName;
    for (; !rs->eof(); rs->moveNext()) {
        const QString code = rs->text(1).trimmed();
        if (code == wanted)
            return code;
        if (byName.isEmpty() && rs->text(0).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            byName = code;
    }
    return byName.isEmpty() ? QStringLiteral("0") : byName;
}

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
    TransferJob job(session, {session.CompanyCode, heldDestinationCode(session, options.destination), options.from,
                              options.to});
    ProgressMeter meter(out, terminal);
    TransferFeedback feedback;
    feedback.counted = [&meter](int rows) { meter.setMaximum(rows); };
    feedback.caption = [&meter](const QString &caption) { meter.caption(caption); };
    feedback.showProgress = [&meter] { meter.show(); };
    feedback.advance = [&meter](int rows) { meter.advance(rows); };
    // The bar's line ends before a failure of the run is reported.
    feedback.runOver = [&meter] { meter.finish(); };
    if (job.Processtransfer(feedback) != TransferEnd::Completed)
        return kRefused;
    const TransferRequest &request = job.request();
    out << "Copied " << copiedVoucherRows(session, request) << " voucher rows of "
        << request.from.toString(session.DateFormat) << " to " << request.to.toString(session.DateFormat)
        << " from " << session.CompanyName << " (" << request.source() << ") into "
        << GetCompanyName(session, request.destination()) << " (" << request.destination() << ").\n";
    return kDone;
}

} // namespace vant::ctl
