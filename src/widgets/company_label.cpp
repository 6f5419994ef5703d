#include "company_label.h"

#include "session/company_context.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vant {

QString companyLabel(Session &session, const QString &code)
{
    // The code goes into the statement as it stands: only letters and digits are looked up.
    static const QRegularExpression plainCode(QStringLiteral("^[A-Za-z0-9]+$"));
    if (!plainCode.match(code).hasMatch())
        return code;
    const Outcome<QString> name = companyName(session, code);
    if (!name || *name == u"NOTFOUND")
        return code;
    return QCoreApplication::translate("vant::CompanyLabel", "%1 (%2)").arg(*name, code);
}

} // namespace vant
