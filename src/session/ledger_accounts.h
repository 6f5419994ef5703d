#pragma once

#include "accounts_component.h"

#include <optional>

namespace vant {

// The program's own accounts component, working in the accounts database itself:
// the company's last voucher number is acccompanymaster.Voucherno, the serials are
// AccCompanyVoucherNo.VoucherSlno.
class LedgerAccounts : public AccountsComponent
{
public:
    Status SetAccDBConnection(Database &connection) override;
    Status PURGEDATA(const QString &voucherTable) override;
    Outcome<int> GetMaxVoucherNo(const QString &voucherTable, int company) override;
    Outcome<int> GetMaxSubVNo(int voucherCode, int company, int acType, const QString &financialYear) override;
    Status UpdateVoucherNo(int voucherNo, const QString &companyCode) override;
    Outcome<VoucherNoBlock> GetMaxVoucherNoBlock(const QString &voucherTable, int company, int count) override;
    Outcome<int> GetMaxSubVNoBlock(int voucherCode, int company, int acType, const QString &financialYear,
                                   int count) override;

private:
    Outcome<Database *> connection() const;
    // The company's last voucher number (0 when none was recorded); nothing for an unknown
    // company. The connection is open when it succeeds.
    Outcome<std::optional<int>> lastVoucherNo(int company) const;

    Database *m_db = nullptr;
};

} // namespace vant
