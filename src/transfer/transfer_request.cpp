#include "transfer_request.h"

#include "session/company_context.h"
#include "db/recordset.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"
#include "db/sql_literals.h"

#include <algorithm>

namespace vant {

namespace {

constexpr int kProgressLimit = 200000;

QString period(const QString &dateColumn, const QDate &from, const QDate &to)
{
    return QStringLiteral(" and ") + dateColumn + QStringLiteral(" between '") + sqlDate(from)
           + QStringLiteral("' and '") + sqlDate(to) + QLatin1Char('\'');
}

QString voucherCountStatement(const Session &session, const QString &company, const QDate &from, const QDate &to)
{
    return QStringLiteral("select count(*) from ") + session.VoucherTable + QStringLiteral(" where CompanyCode='")
           + company + QLatin1Char('\'') + period(QStringLiteral("VoucherDt"), from, to);
}

bool companyMissing(Session &session, const QString &heldCode)
{
    return leadingNumber(heldCode) == 0
           || GetCompanyName(session, heldCode.trimmed()) == QStringLiteral("NOTFOUND");
}

bool outsideYear(const Session &session, const QDate &day)
{
    return day < session.FinYearBegin || day > session.FinYearEnd;
}

} // namespace

std::optional<RequestRefusal> checkTransferRequest(Session &session, const TransferRequest &request)
{
    if (companyMissing(session, request.sourceCode))
        return RequestRefusal{QStringLiteral("Parent Company Not Correct"), ToolsField::SourceCompany, false};
    if (companyMissing(session, request.destinationCode))
        return RequestRefusal{QStringLiteral("Destination Company Not Correct"), ToolsField::DestinationCompany,
                              false};
    // The run clears the destination's transferred vouchers of the period: in the source
    // company itself those are its own posted vouchers.
    if (request.destination() == request.source())
        return RequestRefusal{QStringLiteral("Destination Company must be a Shadow Company, not the Source Company"),
                              ToolsField::DestinationCompany, false};
    if (request.from > request.to)
        return RequestRefusal{QStringLiteral("From Date Greater than Do Date"), ToolsField::FromDate, false};
    if (outsideYear(session, request.from))
        return RequestRefusal{QStringLiteral("From Date not in this Financial Period"), ToolsField::FromDate, true};
    if (outsideYear(session, request.to))
        return RequestRefusal{QStringLiteral("to Date not in this Financial Period"), ToolsField::ToDate, true};
    if (!CheckTransAvail(session, request.sourceCode, request.from, request.to))
        return RequestRefusal{QStringLiteral("No Transaction to Transfer for this period"), ToolsField::None, false};
    return std::nullopt;
}

bool CheckTransAvail(Session &session, const QString &companyCode, const QDate &from, const QDate &to)
{
    if (!session.db()) {
        session.ReportError(closedConnectionError(),
                            kToolsWindowName, QStringLiteral("CheckTransAvail"), true);
        return false;
    }
    auto rs = session.db()->openRecordset(voucherCountStatement(session, companyCode, from, to));
    if (!rs) {
        session.ReportError(rs.error(), kToolsWindowName, QStringLiteral("CheckTransAvail"), true);
        return false;
    }
    return !rs->eof() && leadingNumber(rs->text(0)) > 0;
}

Outcome<int> transferRowCount(Session &session, const TransferRequest &request)
{
    const QString source = request.source();
    const QStringList statements = {
        voucherCountStatement(session, source, request.from, request.to),
        QStringLiteral("select count(*) from accpending where CompanyCode='") + source + QLatin1Char('\'')
            + period(QStringLiteral("TransDate"), request.from, request.to),
        QStringLiteral("select count(*) from accchequedetails where CompanyCode='") + source + QLatin1Char('\'')
            + period(QStringLiteral("ReceiveDate"), request.from, request.to),
    };
    qint64 rows = 0;
    for (const QString &statement : statements) {
        const auto counted = countRows(session, statement);
        if (!counted)
            return counted.error();
        rows += *counted;
    }
    return int(std::min<qint64>(rows, kProgressLimit));
}

Outcome<bool> confirmOverwrite(Session &session, const TransferRequest &request)
{
    // A count that fails must not pass for an empty destination: the run would then clear
    // the earlier copy without asking.
    const auto copied =
        countRows(session, voucherCountStatement(session, request.destination(), request.from, request.to));
    if (!copied)
        return copied.error();
    if (*copied < 1)
        return true;
    return session.prompts.question(QStringLiteral("Data Transfer already done for this period.\r\n"
                                                   " Do you want Overwrite with existing Data ? "))
           && session.prompts.question(QStringLiteral("Any modification made during this period in Shadow "
                                                      "Company will be deleted.\r\nDo you want to proceed...?"));
}

} // namespace vant
