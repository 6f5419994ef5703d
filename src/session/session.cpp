#include "session.h"

#include "products.h"

namespace vant {

Session::Session(UserPrompts &userPrompts, QString logPath)
    : prompts(userPrompts), errorLog(std::move(logPath), &userPrompts)
{
}

Status createAndConnectAccounts(Session &session, const QString &progId)
{
    session.AccountsObject.reset();
    auto created = session.accountsFactory(progId);
    if (!created)
        return created.error();
    if (!session.DBConnection)
        return closedConnectionError();
    // A component that could not be connected is not kept: later calls must fail plainly.
    if (Status connected = (*created)->SetAccDBConnection(*session.DBConnection); !connected)
        return connected;
    session.AccountsObject = std::move(*created);
    return {};
}

bool AccountsObjectCreation(Session &session)
{
    const Status status = createAndConnectAccounts(session, kToolsProgId);
    if (!status)
        session.ReportError(status.error(), QString(), QStringLiteral("AccountsObjectCreation"), true);
    return bool(status);
}

void CloseAccountsObject(Session &session)
{
    session.AccountsObject.reset();
}

} // namespace vant
