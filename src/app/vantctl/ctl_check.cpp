#include "ctl_commands.h"

#include "session/products.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vant::ctl {

int runCheck(Session &session, bool json, QTextStream &out)
{
    if (session.CompanyCode.isEmpty()) {
        session.prompts.message(QStringLiteral("No default company in the company master"));
        return kRefused;
    }
    QString productName;
    for (const Product &product : products()) {
        if (product.code == session.ProductCode)
            productName = product.name;
    }
    if (json) {
        const QJsonObject check{{QStringLiteral("product"), productName},
                                {QStringLiteral("company"), session.CompanyCode},
                                {QStringLiteral("companyName"), session.CompanyName},
                                {QStringLiteral("financialYear"), session.FinancialYear},
                                {QStringLiteral("from"), session.FinYearBegin.toString(Qt::ISODate)},
                                {QStringLiteral("to"), session.FinYearEnd.toString(Qt::ISODate)},
                                {QStringLiteral("voucherTable"), session.VoucherTable}};
        out << QJsonDocument(check).toJson(QJsonDocument::Indented);
        return kDone;
    }
    out << "Product        : " << productName << '\n'
        << "Company        : " << session.CompanyCode << ' ' << session.CompanyName << '\n'
        << "Financial year : " << session.FinancialYear << " (" << session.FinYearBegin.toString(session.DateFormat)
        << " to " << session.FinYearEnd.toString(session.DateFormat) << ")\n"
        << "Voucher table  : " << session.VoucherTable << '\n';
    return kDone;
}

} // namespace vant::ctl
