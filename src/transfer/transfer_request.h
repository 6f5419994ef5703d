#pragma once

#include <QDate>
#include <QString>

namespace vant {

// The tools window's name in the error report.
inline const QString kToolsWindowName = QStringLiteral("frmVantTools");

// What the front end hands to the transfer: the held codes of its company boxes (as held,
// untrimmed) and the period.
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

} // namespace vant
