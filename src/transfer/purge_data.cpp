#include "purge_data.h"

#include "session/accounts_guard.h"
#include "session/session.h"
#include "session/user_prompts.h"

namespace vant {

bool ProcessPurgeData(Session &session)
{
    if (!session.prompts.question(QStringLiteral("Recovery of Data is not Possible ?\r\nDo you Whis to Proceed ?")))
        return false;
    // A component that cannot be created is reported here; the purge then fails on none.
    AccountsGuard accounts(session);
    accounts.AccountsObjectCreation();
    const Outcome<AccountsComponent *> component = accounts.component();
    const Status purged = component ? (*component)->PURGEDATA(session.VoucherTable) : Status(component.error());
    if (!purged) {
        session.prompts.message(QStringLiteral("Unexpected error in procedure: ProcessPurgeData\r\nError #")
                                    + QString::number(purged.error().number) + QStringLiteral(": ")
                                    + purged.error().description,
                                kProgramTitle, PromptIcon::Critical);
        return false;
    }
    session.prompts.message(QStringLiteral("Purge Data Completed"));
    return true;
}

} // namespace vant
