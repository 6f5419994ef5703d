#include "posted_columns.h"

namespace vant {

namespace {

using enum ReadAs;

constexpr CopiedColumn kLineColumns[] = {
    {"CompanyCode", Text},
    {"DivisionCode", Stored},
    {"AcType", Own, "m.AcType"},
    {"VoucherNo", Own, "n.VoucherNo"},
    {"VoucherDt", Date},
    {"LedgerCode", Required},
    {"CrDr", Text},
    {"Amount", Required},
    {"VoucherCode", Own, "m.VoucherCode"},
    {"Narration", Text},
    {"IsVoucherScr", Own, "'N'"},
    {"VoucherSlno", Own, "n.SubNo"},
    {"OppLedgerCode", Required},
    {"BillRefNo", Text, "BillRefno"},
    {"OldVoucherNo", Stored},
    {"TS", Own, "getdate()"},
    {"AID", LedgerAid, "LedgerCode", true},
    {"OppAID", LedgerAid, "OppLedgerCode", true},
};

// Filed under the voucher's new number and sub-number, as the cheque and the transfer are.
constexpr CopiedColumn kPendingColumns[] = {
    {"CompanyCode", Text},
    {"DivisionCode", Stored},
    {"AcType", Required},
    {"LedgerCode", Required},
    {"VoucherNo", Own, "n.VoucherNo"},
    {"BillRefNo", Text, "BillRefno"},
    {"BillDate", Date, "billdate"},
    {"BillAmount", Required, "billamount"},
    {"InvoiceNo", Text},
    {"MRC_Amt", Required},
    {"CrDr", Text},
    {"TransType", Text},
    {"OnAcNo", Number},
    {"VoucherCode", Required},
    {"Payable", Required},
    {"DiscAmt", Required, "discamt"},
    {"VoucherSlno", Own, "n.SubNo"},
    {"TransDate", Date, "billdate"},
    {"OppLedgerCode", Required},
    {"Remarks", Text},
    {"TS", Own, "getdate()"},
    {"AID", LedgerAid, "LedgerCode", true},
    {"OppAID", LedgerAid, "OppLedgerCode", true},
};

constexpr CopiedColumn kChequeColumns[] = {
    {"CompanyCode", Text},
    {"LedgerCode", Required},
    {"VoucherNo", Own, "n.VoucherNo"},
    {"ChequeNo", Text},
    {"ChequeAmount", Required},
    {"ReceiveDate", Date},
    {"ChequeDate", Date},
    {"Status", Text},
    {"BankName", Text},
    {"Branch", Own, "''"},
    {"DivisionCode", Required, "DivisionId"},
    {"AcType", Required},
    {"VoucherCode", Required},
    {"LedgerCode1", Required},
    {"Narration", Own, "''"},
    {"ChequePrinted", Text},
    {"DepositDate", Date},
    {"AID", LedgerAid, "LedgerCode", true},
    {"AID1", LedgerAid, "LedgerCode1", true},
};

} // namespace

CopiedTable postedLineColumns()
{
    return kLineColumns;
}

CopiedTable postedPendingColumns()
{
    return kPendingColumns;
}

CopiedTable postedChequeColumns()
{
    return kChequeColumns;
}

} // namespace vant
