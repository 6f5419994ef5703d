#pragma once

#include "db/outcome.h"

#include <QString>

#include <functional>
#include <memory>

namespace vant {

class Database;

// Voucher numbers for several vouchers of one company, handed out at once.
struct VoucherNoBlock
{
    int first = 0;   // the first voucher's number; the others follow one by one
    int granted = 0; // how many vouchers got a number
    int refusal = 0; // when fewer than asked got one: the answer for the next (-1 taken, 0 no company)
};

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
    // The numbers of `count` vouchers of the company: the answers GetMaxVoucherNo gives voucher
    // by voucher when each number is recorded as used before the next is asked, up to and
    // including the first refusal.
    virtual Outcome<VoucherNoBlock> GetMaxVoucherNoBlock(const QString &voucherTable, int company, int count) = 0;
    // The first of the serials of `count` vouchers of the code: the serials GetMaxSubVNo gives
    // voucher by voucher when each is recorded before the next is asked.
    virtual Outcome<int> GetMaxSubVNoBlock(int voucherCode, int company, int acType, const QString &financialYear,
                                           int count) = 0;
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
