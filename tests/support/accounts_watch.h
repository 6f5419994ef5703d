#pragma once

#include "session/ledger_accounts.h"
#include "session/session.h"

#include <QStringList>

#include <memory>

namespace vant::test {

// Watches the accounts components that a session's jobs create: the program identifiers asked
// for, and the component still alive, if any. Where the session's factory (as it is now) makes
// one, a component of the program's own, which tells when it is released, takes its place.
class AccountsWatch
{
public:
    explicit AccountsWatch(Session &session) : m_state(std::make_shared<State>())
    {
        session.accountsFactory = [state = m_state, factory = session.accountsFactory](
                                      const QString &progId) -> Outcome<std::unique_ptr<AccountsComponent>> {
            state->progIds << progId;
            auto created = factory(progId);
            if (!created)
                return created.error();
            auto watched = std::make_unique<Watched>(state);
            state->live = watched.get();
            return std::unique_ptr<AccountsComponent>(std::move(watched));
        };
    }

    // The component that a job created and has not released yet; null when none is left.
    const AccountsComponent *live() const { return m_state->live; }
    const QStringList &progIds() const { return m_state->progIds; }

private:
    struct State
    {
        QStringList progIds;
        const AccountsComponent *live = nullptr;
    };

    class Watched : public LedgerAccounts
    {
    public:
        explicit Watched(std::shared_ptr<State> state) : m_state(std::move(state)) {}
        ~Watched() override
        {
            if (m_state->live == this)
                m_state->live = nullptr;
        }

    private:
        std::shared_ptr<State> m_state;
    };

    std::shared_ptr<State> m_state;
};

} // namespace vant::test
