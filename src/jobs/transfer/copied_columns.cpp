#include "copied_columns.h"

namespace vant {

namespace {

using enum ReadAs;

constexpr CopiedColumn kVoucherColumns[] = {
    {"CompanyCode", Own, "{destination}"},
    {"DivisionCode", Stored},
    {"AcType", Stored},
    {"VoucherNo", Own, "{voucherNo}"},
    {"VoucherDt", Date},
    {"LedgerCode", Stored},
    {"CrDr", Text},
    {"Amount", Number},
    {"VoucherCode", Number},
    {"Narration", Text},
    {"IsVoucherScr", Text},
    {"OppLedgerCode", OwnLedgerIfNone, nullptr, true},
    {"VoucherSlno", Own, "{subNo}"},
    {"VoucherSlnoOld", Number},
    {"BillRefNo", Text},
    {"OldVoucherNo", Number, "VoucherNo"},
    {"Counter", Text},
    {"TS", Own, "getdate()"},
    {"AID", Stored},
    {"OppAID", Stored},
};

constexpr CopiedColumn kBillwiseColumns[] = {
    {"CompanyCode", Own, "{destination}"},
    {"DivisionCode", Stored},
    {"AcType", Stored},
    {"LedgerCode", Stored},
    {"VoucherNo", Own, "{voucherNo}"},
    {"BillRefNo", Text},
    {"BillDate", Date},
    {"BillAmount", Number},
    {"InvoiceNo", Text},
    {"MRC_Amt", Number},
    {"DiscAmt", Number},
    {"CrDr", Text},
    {"TransType", Text},
    {"OnAcNo", Number},
    {"VoucherCode", Number},
    {"Payable", Number},
    {"VolumeDisc", Number},
    {"CashDisc", Number},
    {"TransDate", Date},
    {"VoucherSlno", Number},
    {"TransSlno", Number},
    {"OppLedgerCode", Number},
    {"Remarks", Text},
    {"IsPaid", Text},
    {"TS", Own, "getdate()"},
    {"AID", Stored},
    {"OppAID", Stored},
};

constexpr CopiedColumn kChequeColumns[] = {
    {"CompanyCode", Own, "{destination}"},
    {"LedgerCode", Stored},
    {"VoucherNo", Own, "{voucherNo}"},
    {"ChequeNo", Trimmed},
    {"ChequeAmount", Number},
    {"ReceiveDate", Date},
    {"DepositDate", Date},
    {"ChequeDate", Date},
    {"ClearDate", Date},
    {"Status", Trimmed},
    {"BankName", Trimmed},
    {"Branch", Trimmed},
    {"DivisionCode", Number},
    {"AcType", Number},
    {"VoucherCode", Number},
    {"LedgerCode1", Number},
    {"Narration", Trimmed},
    {"RefVoucherNo", Number},
    {"ChequePrinted", Trimmed},
    {"OldRefVoucherNo", Number},
    {"TS", Own, "getdate()"},
    {"AID", Stored},
    {"AID1", Stored},
};

} // namespace

CopiedTable copiedVoucherColumns()
{
    return kVoucherColumns;
}

CopiedTable copiedBillwiseColumns()
{
    return kBillwiseColumns;
}

CopiedTable copiedChequeColumns()
{
    return kChequeColumns;
}

} // namespace vant
