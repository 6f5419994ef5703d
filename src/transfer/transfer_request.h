#pragma once

#include "db/outcome.h"

#include <QDate>
#include <QString>

#include <optional>

namespace vant {

struct Session;

// The tools window's name in the error report.
inline const QString kToolsWindowName = QStringLiteral("frmVantTools");

// What the tools window hands to the transfer: the held codes of its company boxes
// (as held, untrimmed) and the period.
struct TransferRequest
{
    QString sourceCode;
    QString destinationCode;
    QDate from;
    QDate to;

    QString source() const { return sourceCode.trimmed(); }
    QString destination() const { return destinationCode.trimmed(); }
};

// The input that a refused request sends the user back to.
enum class ToolsField { None, SourceCompany, DestinationCompany, FromDate, ToDate };

struct RequestRefusal
{
    QString message;
    ToolsField focus = ToolsField::None;
    bool focusBeforeMessage = false;
};

// The first check that the request fails, in the order the window tests them.
std::optional<RequestRefusal> checkTransferRequest(Session &session, const TransferRequest &request);

// True when the company has a voucher dated in the period.
bool CheckTransAvail(Session &session, const QString &companyCode, const QDate &from, const QDate &to);

// Source rows of the three kinds in the period, cut to the progress bar's limit; the error
// of a count that failed.
Outcome<int> transferRowCount(Session &session, const TransferRequest &request);

// When the destination already holds vouchers of the period, asks the two overwrite
// questions; true when the run may go on. A count that fails asks nothing and comes back
// as the error, which stops the request.
Outcome<bool> confirmOverwrite(Session &session, const TransferRequest &request);

} // namespace vant
