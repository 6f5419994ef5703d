#include "lov_report.h"

#include "session/session.h"

namespace vant {

void reportLovFailure(const Session &session, const Error &error, const QString &procedure)
{
    session.ReportError(error, QStringLiteral("FrmLovResult"), procedure, true);
}

} // namespace vant
