#pragma once

#include "session/company_context.h"

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

    // The companies as the statements name them: the whole number a code holds, or the code
    // trimmed when it holds none (such a request is refused before it runs).
    QString source() const { return companyCode(sourceCode); }
    QString destination() const { return companyCode(destinationCode); }

private:
    static QString companyCode(const QString &held)
    {
        const Outcome<QString> code = companyCodeOf(held, QString());
        return code ? *code : held.trimmed();
    }
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
