#include "ctl_commands.h"

#include "session/products.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vant::ctl {

int runCheck(Session &session, bool json, QTextStream &out)
{
    if (session.companyCode.isEmpty()) {
        session.prompts.message(QCoreApplication::translate("vant::ctl", "No default company in the company master"));
        return kRefused;
    }
    QString productName;
    for (const Product &product : products()) {
        if (product.code == session.productCode)
            productName = product.name;
    }
    if (json) {
        const QJsonObject check{{QStringLiteral("product"), productName},
                                {QStringLiteral("company"), session.companyCode},
                                {QStringLiteral("companyName"), session.companyName},
                                {QStringLiteral("financialYear"), session.financialYear},
                                {QStringLiteral("from"), session.finYearBegin.toString(Qt::ISODate)},
                                {QStringLiteral("to"), session.finYearEnd.toString(Qt::ISODate)},
                                {QStringLiteral("voucherTable"), session.voucherTable}};
        out << QJsonDocument(check).toJson(QJsonDocument::Indented);
        return kDone;
    }
    out << "Product        : " << productName << '\n'
        << "Company        : " << session.companyCode << ' ' << session.companyName << '\n'
        << "Financial year : " << session.financialYear << " (" << session.finYearBegin.toString(session.dateFormat)
        << " to " << session.finYearEnd.toString(session.dateFormat) << ")\n"
        << "Voucher table  : " << session.voucherTable << '\n';
    return kDone;
}

} // namespace vant::ctl
