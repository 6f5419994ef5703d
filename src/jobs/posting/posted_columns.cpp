#include "posted_columns.h"

#include "db/statement_text.h"

#include <QStringList>

namespace vant {

using namespace Qt::StringLiterals;

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

// The off-line number columns hold what these read; leading numbers are read from text.
bool readsNumberColumn(ReadAs read)
{
    return read == Stored || read == Required;
}

// The plain-row test settles the number columns and the ledgers' aids.
bool settledByPlainRow(ReadAs read)
{
    return readsNumberColumn(read) || read == LedgerAid;
}

// An aid that is a whole number in range; NULL fails the test.
const char16_t kWholeAid[] = u"{ledger}.aid between -2147483648 and 2147483647 and {ledger}.aid=round({ledger}.aid,0)";

const char16_t kPlainAid[] = u"({ledger}.ledgercode is not null and {ledger}.aid is not null and {whole})";

// A leading number read before, in the table of them (OnAcNo, Number, Refused) that has a row for
// every text but NULL, which reads as 0.
const char16_t kLeadingNumberRead[] =
    u"isnull((select r.Number from {read} r where r.OnAcNo={column} collate Latin1_General_BIN2),0)";
const char16_t kLeadingNumberRefused[] =
    u"exists (select 1 from {read} r where r.OnAcNo={column} collate Latin1_General_BIN2 and r.Refused=1)";

const char16_t kOtherDay[] = u"(convert(varchar(10),{column},120)<>{day} and {refused})";

// Fails the statement that evaluates it: neither engine reads this text as a number. Only a
// branch taken for a refused value evaluates it.
const char16_t kRefusal[] = u"convert(int,'Refused value')";

// A column's value, or the refusal where `refused` holds; a value that `settled` gives first is
// not tested.
const char16_t kValueOrRefusal[] = u"case {settled} when {refused} then {refusal} else {value} end";

// A date of the plain day is written as that day: its text is the day, and no form refuses it.
const char16_t kPlainDay[] = u"when convert(varchar(10),{column},120)={day} then {day}";

QString wholeAid(const QString &ledger)
{
    return filled(kWholeAid, {{"ledger"_L1, ledger}});
}

// The aid of a ledger, or the refusal when there is none or it is no whole number: of a ledger
// of ledgerJoins(), or of the first ledger of the code, as postedValues() reads it.
const char16_t kRefusingJoinedAid[] = u"case when {whole} then {ledger}.aid else {refusal} end";
const char16_t kRefusingAid[] =
    u"isnull((select top 1 {joined} from accledgermaster l where l.ledgercode={column}),{refusal})";

// The leading number read before, or the refusal when it is refused.
const char16_t kRefusingLeadingNumber[] =
    uR"(isnull((select case when r.Refused=1 then {refusal} else r.Number end from {read} r
    where r.OnAcNo={column} collate Latin1_General_BIN2),0))";

} // namespace

QString plainRow(CopiedTable table, const QString &alias)
{
    QStringList plain;
    int aid = 0;
    for (const CopiedColumn &column : table) {
        // A number read as stored may be missing, a required one and a ledger's code may not.
        if (settledByPlainRow(column.read))
            plain << plainNumber(alias + u'.' + sourceOf(column), column.read != Stored);
        if (column.read == LedgerAid) {
            const QString ledger = ledgerAlias(alias, ++aid);
            plain << filled(kPlainAid, {{"ledger"_L1, ledger}, {"whole"_L1, wholeAid(ledger)}});
        }
    }
    plain.removeDuplicates();
    return plain.isEmpty() ? u"1=1"_s : u'(' + plain.join(" and "_L1) + u')';
}

QString refusalsOfPlainRow(CopiedTable table, const QString &alias, const QString &plainDay,
                           const QString &leadingNumber)
{
    return refusalsOfColumns(table, alias, settledByPlainRow, [&](const CopiedColumn &column, QString refused) {
        const QString source = alias + u'.' + sourceOf(column);
        if (column.read == Number && !leadingNumber.isEmpty())
            refused = filled(kLeadingNumberRefused, {{"read"_L1, leadingNumber}, {"column"_L1, source}});
        // A date of the plain day is settled by one comparison of its text.
        if (column.read == Date && !plainDay.isEmpty())
            refused = filled(kOtherDay, {{"day"_L1, plainDay}, {"column"_L1, source}, {"refused"_L1, refused}});
        return refused;
    });
}

QString postedValues(CopiedTable table, const QString &alias, const QString &leadingNumber)
{
    QStringList values;
    for (const CopiedColumn &column : table) {
        values << (column.read == Number && !leadingNumber.isEmpty()
                       ? filled(kLeadingNumberRead,
                                {{"read"_L1, leadingNumber}, {"column"_L1, alias + u'.' + sourceOf(column)}})
                       : insertValuesOverNumbers(CopiedTable(&column, 1), alias, {}, readsNumberColumn));
    }
    return values.join(u',');
}

QString refusingValues(CopiedTable table, const QString &alias, const QString &plainDay, const QString &leadingNumber,
                       bool joinedLedgers)
{
    const QString refusal = QString::fromUtf16(kRefusal);
    QStringList values;
    int aid = 0;
    for (const CopiedColumn &column : table) {
        const CopiedTable one(&column, 1);
        const QString source = alias + u'.' + sourceOf(column);
        const QString refused = refusalCondition(one, alias);
        const auto orRefusal = [&](const QString &refusalOfType, const QString &settled = QString()) {
            return filled(kValueOrRefusal, {{"settled"_L1, settled},
                                            {"refused"_L1, refused},
                                            {"refusal"_L1, refusalOfType},
                                            {"value"_L1, insertValues(one, alias, {})}});
        };
        if (readsNumberColumn(column.read)) {
            values << overFiniteNumber(column.read, source, orRefusal(refusal));
        } else if (column.read == Date) {
            // The date is written as text: so is its refusal.
            values << orRefusal(u"convert(varchar(10),"_s + refusal + u')',
                                plainDay.isEmpty() ? QString()
                                                   : filled(kPlainDay, {{"column"_L1, source}, {"day"_L1, plainDay}}));
        } else if (column.read == LedgerAid) {
            const auto refusingAid = [&refusal](const QString &ledger) {
                return filled(kRefusingJoinedAid,
                              {{"whole"_L1, wholeAid(ledger)}, {"ledger"_L1, ledger}, {"refusal"_L1, refusal}});
            };
            values << (joinedLedgers ? refusingAid(ledgerAlias(alias, ++aid))
                                     : filled(kRefusingAid, {{"joined"_L1, refusingAid(u"l"_s)},
                                                             {"column"_L1, source},
                                                             {"refusal"_L1, refusal}}));
        } else if (column.read == Number && !leadingNumber.isEmpty()) {
            values << filled(kRefusingLeadingNumber,
                             {{"refusal"_L1, refusal}, {"read"_L1, leadingNumber}, {"column"_L1, source}});
        } else {
            values << (refused == u"1=0" ? postedValues(one, alias) : orRefusal(refusal));
        }
    }
    return values.join(u',');
}

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
