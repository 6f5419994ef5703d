#pragma once

#include "session/accounts_component.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace vant::test {

// What the tests tell the wrapped component to do and what they read back.
struct AccountsScript
{
    QStringList createdProgIds;
    int connections = 0;
    int voucherNoCalls = 0;
    int subVoucherNoCalls = 0;
    int updateCalls = 0;
    QList<int> subVoucherAcTypes;
    // GetMaxVoucherNo gives this number on its nth call (1-based).
    int forcedNumberCall = 0;
    int forcedNumber = 0;
    // UpdateVoucherNo fails on its nth call (1-based).
    int failingUpdateCall = 0;
};

// The program's own component with every call counted and some results forced.
class RecordingAccounts : public AccountsComponent
{
public:
    RecordingAccounts(std::unique_ptr<AccountsComponent> real, AccountsScript &script)
        : m_real(std::move(real)), m_script(script)
    {
    }

    Status SetAccDBConnection(Database &connection) override
    {
        ++m_script.connections;
        return m_real->SetAccDBConnection(connection);
    }
    Status PURGEDATA(const QString &voucherTable) override { return m_real->PURGEDATA(voucherTable); }
    Outcome<int> GetMaxVoucherNo(const QString &voucherTable, int company) override
    {
        if (++m_script.voucherNoCalls == m_script.forcedNumberCall)
            return m_script.forcedNumber;
        return m_real->GetMaxVoucherNo(voucherTable, company);
    }
    Outcome<int> GetMaxSubVNo(int voucherCode, int company, int acType, const QString &financialYear) override
    {
        ++m_script.subVoucherNoCalls;
        m_script.subVoucherAcTypes.append(acType);
        return m_real->GetMaxSubVNo(voucherCode, company, acType, financialYear);
    }
    Status UpdateVoucherNo(int voucherNo, const QString &companyCode) override
    {
        if (++m_script.updateCalls == m_script.failingUpdateCall)
            return Error{-2147217900, QStringLiteral("The component could not record the number.")};
        return m_real->UpdateVoucherNo(voucherNo, companyCode);
    }

    // A factory for Session::accountsFactory that wraps whatever the real one creates.
    static AccountsFactory factory(AccountsScript &script)
    {
        return [&script](const QString &progId) -> Outcome<std::unique_ptr<AccountsComponent>> {
            script.createdProgIds.append(progId);
            auto real = createAccountsComponent(progId);
            if (!real)
                return real.error();
            return std::unique_ptr<AccountsComponent>(std::make_unique<RecordingAccounts>(std::move(*real), script));
        };
    }

private:
    std::unique_ptr<AccountsComponent> m_real;
    AccountsScript &m_script;
};

} // namespace vant::test
