#include "purge_job.h"

#include "session/accounts_guard.h"
#include "session/session.h"
#include "session/user_prompts.h"

namespace vant {

bool PurgeJob::ProcessPurgeData()
{
    UserPrompts &prompts = m_session.prompts;
    if (!prompts.question(QStringLiteral("Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?")))
        return false;
    // A component that cannot be created is reported here; the purge then fails on none.
    AccountsGuard accounts(m_session);
    accounts.AccountsObjectCreation();
    const Outcome<AccountsComponent *> component = accounts.component();
    const Status purged = component ? (*component)->PURGEDATA(m_session.VoucherTable) : Status(component.error());
    if (!purged) {
        prompts.message(QStringLiteral("Unexpected error in procedure: ProcessPurgeData\r\nError #")
                            + QString::number(purged.error().number) + QStringLiteral(": ")
                            + purged.error().description,
                        kProgramTitle, PromptIcon::Critical);
        return false;
    }
    prompts.message(QStringLiteral("Purge Data Completed"));
    return true;
}

} // namespace vant
