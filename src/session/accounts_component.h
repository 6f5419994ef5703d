#pragma once

#include "outcome.h"

#include <QString>

#include <functional>
#include <memory>

namespace vant {

class Database;

// The product family's accounts component: voucher numbering and the purge. The
// program creates it by program identifier and relies only on these operations.
class AccountsComponent
{
public:
    virtual ~AccountsComponent() = default;

    // The component works on this connection from now on.
    virtual Status SetAccDBConnection(Database &connection) = 0;
    // Removes the default company's posted off-line vouchers.
    virtual Status PURGEDATA(const QString &voucherTable) = 0;
    // The number for the company's next voucher; -1 when it is already used, 0 when the
    // company does not exist.
    virtual Outcome<int> GetMaxVoucherNo(const QString &voucherTable, int company) = 0;
    // The next serial within the voucher code and year.
    virtual Outcome<int> GetMaxSubVNo(int voucherCode, int company, int acType, const QString &financialYear) = 0;
    // Records the number as used by the company.
    virtual Status UpdateVoucherNo(int voucherNo, const QString &companyCode) = 0;
};

// The error of a component call made when no component was created.
Error missingComponentError();

using AccountsFactory = std::function<Outcome<std::unique_ptr<AccountsComponent>>(const QString &progId)>;

// Creates the component registered under the program identifier; every identifier of
// the family maps to the program's own implementation, any other fails.
Outcome<std::unique_ptr<AccountsComponent>> createAccountsComponent(const QString &progId);

} // namespace vant
