#include "purge_job.h"

#include "session/accounts_guard.h"
#include "session/session.h"
#include "session/user_prompts.h"

namespace vant {

bool PurgeJob::ProcessPurgeData()
{
    RunWatch watch(m_session, QStringLiteral("purge"), {{QStringLiteral("voucherTable"), m_session.voucherTable}},
                   m_mode);
    if (!m_session.prompts.question(QStringLiteral("Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?"))) {
        m_record = watch.finish(QStringLiteral("declined"), QStringLiteral("The purge was not confirmed"));
        return false;
    }
    const QString failure = purge(watch);
    m_record = watch.finish(failure.isEmpty() ? QStringLiteral("completed") : QStringLiteral("failed"), failure);
    return failure.isEmpty();
}

QString PurgeJob::purge(RunWatch &watch)
{
    UserPrompts &prompts = m_session.prompts;
    // A component that cannot be created is reported here; the purge then fails on none.
    AccountsGuard accounts(m_session);
    accounts.AccountsObjectCreation();
    const Outcome<AccountsComponent *> component = accounts.component();
    const Status purged = component ? (*component)->PURGEDATA(m_session.voucherTable) : Status(component.error());
    if (!purged) {
        const QString failure = QStringLiteral("Unexpected error in procedure: ProcessPurgeData\r\nError #")
                                + QString::number(purged.error().number) + QStringLiteral(": ")
                                + purged.error().description;
        prompts.message(failure, kProgramTitle, PromptIcon::Critical);
        return failure;
    }
    // The purge is done before the box waits for the user.
    watch.committed();
    prompts.message(QStringLiteral("Purge Data Completed"));
    return QString();
}

} // namespace vant
