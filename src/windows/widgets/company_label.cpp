#include "company_label.h"

#include "session/company_context.h"

#include <QCoreApplication>

namespace vant {

QString companyLabel(Session &session, const QString &code)
{
    const Outcome<QString> name = companyName(session, code);
    if (!name || *name == u"NOTFOUND")
        return code;
    return QCoreApplication::translate("vant::CompanyLabel", "%1 (%2)").arg(*name, code);
}

} // namespace vant
