#include "purge_job.h"

#include "session/accounts_guard.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>

namespace vant {

bool PurgeJob::ProcessPurgeData()
{
    RunWatch watch(m_session, QStringLiteral("purge"), {{QStringLiteral("voucherTable"), m_session.voucherTable}},
                   m_mode);
    if (!m_session.prompts.question(QCoreApplication::translate(
            "vant::PurgeJob", "Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?"))) {
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
        // The journal keeps the program's words; the box speaks the user's language.
        const char *const failure =
            QT_TRANSLATE_NOOP("vant::PurgeJob", "Unexpected error in procedure: ProcessPurgeData\r\nError #%1: %2");
        const QString number = QString::number(purged.error().number);
        prompts.message(QCoreApplication::translate("vant::PurgeJob", failure).arg(number, purged.error().description),
                        kProgramTitle, PromptIcon::Critical);
        return QString::fromUtf8(failure).arg(number, purged.error().description);
    }
    // The purge is done before the box waits for the user.
    watch.committed();
    prompts.message(QCoreApplication::translate("vant::PurgeJob", "Purge Data Completed"));
    return QString();
}

} // namespace vant
