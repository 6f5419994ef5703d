#pragma once

#include "accounts_component.h"

#include <memory>

namespace vant {

struct Session;

// The accounts component of one job, owned for the job's length as a TransactionGuard owns a
// transaction: created by program identifier through the session's factory and connected to the
// session's connection when the job needs it, released when the guard goes out of scope. No
// component outlives the job that made it.
class AccountsGuard
{
public:
    explicit AccountsGuard(Session &session) : m_session(session) {}
    AccountsGuard(const AccountsGuard &) = delete;
    AccountsGuard &operator=(const AccountsGuard &) = delete;

    // Creates the component (releasing one made before) and connects it, without reporting; a
    // component that cannot be connected is not kept, so that later calls fail plainly.
    Status create(const QString &progId);
    // The transfer's and the purge's component, whatever the product; a failure is reported,
    // shown, under "AccountsObjectCreation".
    bool AccountsObjectCreation();

    // The component, or null when none was created.
    AccountsComponent *get() const { return m_component.get(); }
    // The component, or the error of a call made on none.
    Outcome<AccountsComponent *> component() const;

private:
    Session &m_session;
    std::unique_ptr<AccountsComponent> m_component;
};

} // namespace vant
