#pragma once

#include <array>

namespace vant::demo {

// The demo chart of accounts. A ledger's aid is its code plus 9000.
namespace ledger {
inline constexpr int Cash = 101;
inline constexpr int Bank = 102;
inline constexpr int OverdraftBank = 103;
inline constexpr int CardSettlement = 104;
inline constexpr int CouponReceivable = 105;
inline constexpr int Sales = 201;
inline constexpr int SalesReturns = 202;
inline constexpr int OutputTax = 203;
inline constexpr int Purchases = 301;
inline constexpr int PurchaseReturns = 302;
inline constexpr int InputTax = 303;
inline constexpr int AnandStores = 401;
inline constexpr int Rent = 601;
inline constexpr int Electricity = 602;
inline constexpr int Salaries = 603;
} // namespace ledger

struct DemoLedger
{
    int code;
    const char *name;
};

inline constexpr std::array kLedgers = {
    DemoLedger{ledger::Cash, "Cash in Hand"},
    DemoLedger{ledger::Bank, "State Bank Current A/c"},
    DemoLedger{ledger::OverdraftBank, "Union Bank Overdraft A/c"},
    DemoLedger{ledger::CardSettlement, "Card Settlement A/c"},
    DemoLedger{ledger::CouponReceivable, "Gift Coupons Receivable"},
    DemoLedger{ledger::Sales, "Sales A/c"},
    DemoLedger{ledger::SalesReturns, "Sales Returns A/c"},
    DemoLedger{ledger::OutputTax, "Output GST Payable"},
    DemoLedger{ledger::Purchases, "Purchase A/c"},
    DemoLedger{ledger::PurchaseReturns, "Purchase Returns A/c"},
    DemoLedger{ledger::InputTax, "Input GST Credit"},
    DemoLedger{ledger::AnandStores, "Anand Stores"},
    DemoLedger{402, "Lakshmi Textiles"},
    DemoLedger{403, "Ravi Provisions"},
    DemoLedger{404, "Meena General Stores"},
    DemoLedger{405, "Suresh & Co"},
    DemoLedger{501, "Kumar Wholesale Traders"},
    DemoLedger{502, "Sri Balaji Distributors"},
    DemoLedger{503, "Prakash Agencies"},
    DemoLedger{504, "Nandini Dairy Suppliers"},
    DemoLedger{ledger::Rent, "Shop Rent"},
    DemoLedger{ledger::Electricity, "Electricity Charges"},
    DemoLedger{ledger::Salaries, "Salaries and Wages"},
};

inline constexpr std::array kCustomers = {401, 402, 403, 404, 405};
inline constexpr std::array kSuppliers = {501, 502, 503, 504};
inline constexpr std::array kExpenses = {ledger::Rent, ledger::Electricity, ledger::Salaries};

inline constexpr int aidOf(int ledgerCode)
{
    return 9000 + ledgerCode;
}

} // namespace vant::demo
