#include "ctl_destination.h"

#include "session/company_context.h"
#include "session/session.h"

namespace vant::ctl {

QString heldDestinationCode(Session &session, const QString &destination)
{
    const QString wanted = destination.trimmed();
    auto rs = session.db()->openRecordset(shadowCompaniesQuery(session.companyCode));
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

} // namespace vant::ctl
