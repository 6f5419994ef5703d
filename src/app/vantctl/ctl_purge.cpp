#include "ctl_commands.h"

#include "db/sql_literals.h"
#include "session/company_context.h"
#include "session/session.h"
#include "transfer/purge_job.h"

#include <QCoreApplication>
#include <QTextStream>

namespace vant::ctl {

namespace {

int postedOffLineLines(Session &session)
{
    return GetRecordCount(session,
                          QStringLiteral("select count(*) from AccOffLineVoucher where CompanyCode=")
                              + sqlQuoted(session.companyCode) + QStringLiteral(" and Moved='Y'"),
                          true);
}

} // namespace

int runPurge(Session &session, JobOutput &output)
{
    const int before = postedOffLineLines(session);
    PurgeJob job(session, output.mode);
    const bool purged = job.ProcessPurgeData();
    output.record = job.record().toJson();
    if (!purged)
        return kRefused;
    output.out << QCoreApplication::translate("vant::ctl", "Purged %1 posted off-line voucher lines of %2 (%3).")
                      .arg(QString::number(before - postedOffLineLines(session)), session.companyName,
                           session.companyCode)
               << '\n';
    return kDone;
}

} // namespace vant::ctl
