#include "copied_columns.h"

#include "db/copy_forms.h"

#include <QStringList>

namespace vant {

using namespace Qt::StringLiterals;

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

namespace {

// A date of one of the listed days is no refusal: one look-up settles it.
const char16_t kOtherDay[] = u"(convert(varchar(10),{column},120) not in (select Day from {days}) and {refused})";

// A number below the largest float, in a row that the refusal scan passed (which holds no
// infinity): NULL, and a text that the form reads, fail the comparison.
QString belowLargestFloat(const QString &source)
{
    return source + u"<=1.7976931348623157e308"_s;
}

// The forms whose refusals plainNumbers() settles.
bool readAsNumber(ReadAs read)
{
    return read == ReadAs::Stored || read == ReadAs::Required || read == ReadAs::Number
           || read == ReadAs::OwnLedgerIfNone;
}

} // namespace

QString plainNumbers(CopiedTable table, const QString &alias)
{
    QStringList plain;
    for (const CopiedColumn &column : table) {
        if (!readAsNumber(column.read))
            continue;
        const QString source = alias + u'.' + sourceOf(column);
        plain << (column.read == ReadAs::Required ? plainNumber(source, true) : finiteNumber(source));
        // A missing value reads the row's own ledger code.
        if (column.read == ReadAs::OwnLedgerIfNone)
            plain << finiteNumber(alias + QStringLiteral(".LedgerCode"));
    }
    plain.removeDuplicates();
    return plain.isEmpty() ? QStringLiteral("1=1") : u'(' + plain.join(QStringLiteral(" and ")) + u')';
}

QString refusalsBeyondNumbers(CopiedTable table, const QString &alias, const QString &days)
{
    return refusalsOfColumns(table, alias, readAsNumber, [&](const CopiedColumn &column, const QString &refused) {
        if (column.read != ReadAs::Date)
            return refused;
        return filled(kOtherDay,
                      {{"column"_L1, alias + u'.' + sourceOf(column)}, {"days"_L1, days}, {"refused"_L1, refused}});
    });
}

QString leadingNumberOverNumber(const QString &column)
{
    return overFiniteNumber(ReadAs::Number, column, copyform::leadingNumber(column));
}

QString insertValuesOverNumbers(CopiedTable table, const QString &alias, const QList<Place> &own)
{
    return insertValuesOverNumbers(table, alias, own, readAsNumber, belowLargestFloat);
}

} // namespace vant
