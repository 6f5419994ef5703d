#include "copied_columns.h"

#include "db/copy_forms.h"
#include "db/sql_literals.h"

namespace vant {

namespace {

using enum CopyForm;

constexpr CopiedColumn kVoucherColumns[] = {
    {"CompanyCode", Destination},
    {"DivisionCode", AsStored},
    {"AcType", AsStored},
    {"VoucherNo", NewVoucherNo},
    {"VoucherDt", Date},
    {"LedgerCode", AsStored},
    {"CrDr", Text},
    {"Amount", Number},
    {"VoucherCode", Number},
    {"Narration", Text},
    {"IsVoucherScr", Text},
    {"OppLedgerCode", OwnLedgerIfNone},
    {"VoucherSlno", NewSubNo},
    {"VoucherSlnoOld", Number},
    {"BillRefNo", Text},
    {"OldVoucherNo", SourceNumber},
    {"Counter", Text},
    {"TS", Now},
    {"AID", AsStored},
    {"OppAID", AsStored},
};

constexpr CopiedColumn kBillwiseColumns[] = {
    {"CompanyCode", Destination},
    {"DivisionCode", AsStored},
    {"AcType", AsStored},
    {"LedgerCode", AsStored},
    {"VoucherNo", NewVoucherNo},
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
    {"TS", Now},
    {"AID", AsStored},
    {"OppAID", AsStored},
};

constexpr CopiedColumn kChequeColumns[] = {
    {"CompanyCode", Destination},
    {"LedgerCode", AsStored},
    {"VoucherNo", NewVoucherNo},
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
    {"TS", Now},
    {"AID", AsStored},
    {"AID1", AsStored},
};

} // namespace

std::span<const CopiedColumn> copiedVoucherColumns()
{
    return kVoucherColumns;
}

std::span<const CopiedColumn> copiedBillwiseColumns()
{
    return kBillwiseColumns;
}

std::span<const CopiedColumn> copiedChequeColumns()
{
    return kChequeColumns;
}

bool carriesSourceValue(CopyForm form)
{
    switch (form) {
    case Destination:
    case NewVoucherNo:
    case NewSubNo:
    case SourceNumber:
    case Now: return false;
    default: return true;
    }
}

InsertStatement copyInsert(const QString &table, std::span<const CopiedColumn> columns, const QString &alias,
                           const CopyOwnValues &own)
{
    InsertStatement statement = InsertStatement::into(table);
    const auto of = [&alias](const char *column) { return alias + QLatin1Char('.') + QLatin1StringView(column); };
    for (const CopiedColumn &column : columns) {
        const QString source = of(column.name);
        switch (column.form) {
        case Destination: statement.set(column.name, sqlQuoted(own.destination)); break;
        case NewVoucherNo: statement.set(column.name, own.voucherNo); break;
        case NewSubNo: statement.set(column.name, own.subNo); break;
        case SourceNumber: statement.set(column.name, copyform::leadingNumber(of("VoucherNo"))); break;
        case Now: statement.now(column.name); break;
        case Text: statement.set(column.name, copyform::text(source)); break;
        case Trimmed: statement.set(column.name, copyform::trimmed(source)); break;
        case AsStored: statement.set(column.name, copyform::number(source)); break;
        case Number: statement.set(column.name, copyform::leadingNumber(source)); break;
        case Date: statement.set(column.name, copyform::date(source)); break;
        case OwnLedgerIfNone:
            // A row without opposite ledger (NULL or blank) is its own opposite.
            statement.set(column.name, QStringLiteral("case when %1 is null or %2 then %3 else %4 end")
                                           .arg(source, copyform::blank(source), copyform::number(of("LedgerCode")),
                                                copyform::leadingNumber(source)));
            break;
        }
    }
    return statement;
}

} // namespace vant
