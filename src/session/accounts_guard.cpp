#include "accounts_guard.h"

#include "products.h"
#include "session.h"

namespace vant {

Status AccountsGuard::create(const QString &progId)
{
    m_component.reset();
    auto created = m_session.accountsFactory(progId);
    if (!created)
        return created.error();
    if (!m_session.dbConnection)
        return closedConnectionError();
    if (Status connected = (*created)->SetAccDBConnection(*m_session.dbConnection); !connected)
        return connected;
    m_component = std::move(*created);
    return {};
}

bool AccountsGuard::AccountsObjectCreation()
{
    const Status status = create(kToolsProgId);
    if (!status)
        m_session.ReportError(status.error(), QString(), QStringLiteral("AccountsObjectCreation"), true);
    return bool(status);
}

Outcome<AccountsComponent *> AccountsGuard::component() const
{
    if (!m_component)
        return missingComponentError();
    return m_component.get();
}

} // namespace vant
