#pragma once

#include "session/accounts_component.h"
#include "session/session.h"

#include <QStringList>

#include <memory>

namespace vant::test {

// Watches the accounts components that a session's jobs create: the program identifiers asked
// for, and the component still alive, if any. Each component is the factory's own, seen
// through a wrapper that forwards every call and tells when it is released.
class AccountsWatch
{
public:
    // Wraps the session's factory as it is now.
    explicit AccountsWatch(Session &session) : m_state(std::make_shared<State>())
    {
        session.accountsFactory = [state = m_state, factory = session.accountsFactory](
                                      const QString &progId) -> Outcome<std::unique_ptr<AccountsComponent>> {
            state->progIds << progId;
            auto created = factory(progId);
            if (!created)
                return created.error();
            auto watched = std::make_unique<Watched>(std::move(*created), state);
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

    class Watched : public AccountsComponent
    {
    public:
        Watched(std::unique_ptr<AccountsComponent> inner, std::shared_ptr<State> state)
            : m_inner(std::move(inner)), m_state(std::move(state))
        {}
        ~Watched() override
        {
            if (m_state->live == this)
                m_state->live = nullptr;
        }

        Status SetAccDBConnection(Database &connection) override { return m_inner->SetAccDBConnection(connection); }
        Status PURGEDATA(const QString &voucherTable) override { return m_inner->PURGEDATA(voucherTable); }
        Outcome<int> GetMaxVoucherNo(const QString &voucherTable, int company) override
        {
            return m_inner->GetMaxVoucherNo(voucherTable, company);
        }
        Outcome<int> GetMaxSubVNo(int voucherCode, int company, int acType, const QString &financialYear) override
        {
            return m_inner->GetMaxSubVNo(voucherCode, company, acType, financialYear);
        }
        Outcome<VoucherNoBlock> GetMaxVoucherNoBlock(const QString &voucherTable, int company, int count) override
        {
            return m_inner->GetMaxVoucherNoBlock(voucherTable, company, count);
        }
        Outcome<int> GetMaxSubVNoBlock(int voucherCode, int company, int acType, const QString &financialYear,
                                       int count) override
        {
            return m_inner->GetMaxSubVNoBlock(voucherCode, company, acType, financialYear, count);
        }
        Status UpdateVoucherNo(int voucherNo, const QString &companyCode) override
        {
            return m_inner->UpdateVoucherNo(voucherNo, companyCode);
        }

    private:
        std::unique_ptr<AccountsComponent> m_inner;
        std::shared_ptr<State> m_state;
    };

    std::shared_ptr<State> m_state;
};

} // namespace vant::test
