#include "voucher_copy.h"

#include "copied_columns.h"
#include "db/copy_forms.h"
#include "db/database.h"
#include "db/sql_literals.h"
#include "db/work_table.h"
#include "session/accounts_guard.h"
#include "db/statement_text.h"
#include "transfer_scope.h"

#include <limits>
#include <optional>

namespace vant {

using namespace Qt::StringLiterals;

namespace {

// The period's rows in the order in which vouchers are numbered and their rows written: voucher
// code, then source number, then the rows of a voucher as the period's index keeps them. They
// are sorted once, by the insert, which numbers them in that order (Seq). A row of plain numbers
// (its voucher number and code among them) whose other values no check refuses is no suspect:
// the refusal scan passes over it without reading it again. The mark is made as each row is
// read, so that only the columns of the order are sorted.
const char16_t kNumberedRows[] = uR"(
    insert into {rows}(Tsid,VoucherNo,VoucherCode,Suspect)
    select v.tsid,v.VoucherNo,v.VoucherCode,
           case when not {plainNumbers} or {beyondNumbers} or v.VoucherNo is null or v.VoucherNo<=0
                then 1 else 0 end
    from {table} v where v.CompanyCode={source} and v.VoucherDt between {from} and {to}
    order by v.VoucherCode,v.VoucherNo,v.VoucherDt,v.tsid)";

// The vouchers in the order of their rows, each with its first row and the code of that row
// (VoucherOrd counts them). A voucher begins where the source number changes from the row
// before: a row without number begins one of its own.
const char16_t kVouchers[] = uR"(
    insert into {vouchers}(FirstSeq,VoucherCode)
    select r.Seq,r.VoucherCode from {rows} r
    where not exists (select 1 from {rows} b where b.Seq=r.Seq-1 and b.VoucherNo=r.VoucherNo)
    order by r.Seq)";

// Each voucher code with its vouchers, the account type of its first voucher and that voucher's
// place, in the order in which the codes first appear.
const char16_t kCodeBlocks[] = uR"(
    select c.VoucherCode,c.Vouchers,f.AcType,c.FirstOrd
    from (select VoucherCode,count(*) Vouchers,min(VoucherOrd) FirstOrd from {vouchers} group by VoucherCode) c
    join {vouchers} w on w.VoucherOrd=c.FirstOrd join {rows} r on r.Seq=w.FirstSeq join {table} f on f.tsid=r.Tsid
    order by c.FirstOrd)";

// The first row of the voucher in the place {place}.
const char16_t kFirstRowOf[] = uR"(
    select w.FirstSeq,v.VoucherNo from {vouchers} w join {rows} r on r.Seq=w.FirstSeq join {table} v on v.tsid=r.Tsid
    where w.VoucherOrd={place})";

// The next row, up to the row {limit}, whose voucher number, or whose values before that row, may
// be refused. Only the suspects are looked at, their values one by one.
const char16_t kSuspects[] = uR"(
    select top 1 v.*,r.Seq VantSeq,case when s.FirstSeq is null then 0 else 1 end VantStarts
    from {rows} r join {table} v on v.tsid=r.Tsid left join {vouchers} s on s.FirstSeq=r.Seq
    where r.Suspect=1 and r.Seq>{after} and r.Seq<={limit}
      and (v.VoucherNo is null or {voucherNoRefused} or v.VoucherNo<=0
           or (r.Seq<{limit} and ((s.FirstSeq is not null and v.VoucherCode is not null and {voucherCodeRefused})
                                  or {valuesRefused})))
    order by r.Seq)";

// The rows of a batch, each under its voucher's new number and sub-number: the vouchers that
// hold a row of the batch are read in their order, each with the rows up to the next voucher's
// first, so that each voucher is looked up once and not once per row. The rows are sorted by
// code first, so the vouchers of a code follow one another: its block of places gives each its
// sub-number. The block is joined last: joined before the rows, it leaves them bounded by the
// batch alone. Its key holds all its columns, so that the look-up reads the key alone.
const char16_t kInsert[] = uR"(
    insert into {table}({columns})
    select {values}
    from {vouchers} x left join {vouchers} n on n.VoucherOrd=x.VoucherOrd+1
    join {rows} r on r.Seq>=x.FirstSeq and r.Seq<isnull(n.FirstSeq,%2+1)
    join {table} v on v.tsid=r.Tsid
    join {codes} c on x.VoucherOrd between c.FirstOrd and c.LastOrd
    where x.VoucherOrd between (select top 1 f.VoucherOrd from {vouchers} f where f.FirstSeq<=%1 order by f.FirstSeq desc)
                           and (select top 1 l.VoucherOrd from {vouchers} l where l.FirstSeq<=%2 order by l.FirstSeq desc)
      and r.Seq between %1 and %2
    order by x.VoucherOrd,r.Seq)";

const char16_t kLastVoucherNo[] = uR"(
    update acccompanymaster set ts=getdate(),Voucherno={last} where CompanyCode={destination})";

const char16_t kLastSubNo[] = uR"(
    update AccCompanyVoucherNo set ts=getdate(), VoucherSlno={last}
    where VoucherCode={code} and CompanyCode={destination} and TranYear={year})";

// One voucher code of the period: its source value, its vouchers and the account type of its
// first voucher, the place of that voucher, and its first sub-number.
struct CodeBlock
{
    QVariant code;
    int vouchers = 0;
    int acType = 0;
    int firstOrd = 0;
    int firstSubNo = 0;
};

class VoucherCopy
{
public:
    explicit VoucherCopy(const TransferScope &scope)
        : m_scope(scope),
          m_rows(scope.db, QStringLiteral("VantVoucherRows"),
                 QStringLiteral(
                     "Seq int identity(1,1) primary key, Tsid int, VoucherNo int, VoucherCode int, Suspect int")),
          m_vouchers(scope.db, QStringLiteral("VantVouchers"),
                     QStringLiteral("VoucherOrd int identity(1,1) primary key, FirstSeq int unique, VoucherCode int")),
          m_codes(
              scope.db, QStringLiteral("VantCodeBlocks"),
              QStringLiteral("FirstOrd int, LastOrd int, FirstSubNo int, primary key (FirstOrd,LastOrd,FirstSubNo)"))
    {}

    Status run();

private:
    // What the copy's statements name: its tables, the period and the companies.
    QList<Place> places() const;
    Outcome<QList<CodeBlock>> codeBlocks();
    Outcome<VoucherNoBlock> numberVouchers(QList<CodeBlock> &codes, int vouchers);
    Status checkRows(const VoucherNoBlock &numbers, int vouchers);
    Outcome<std::optional<Error>> firstRefusal(int lastSeq, bool numberRefusedAtLast, int refusal);
    Status writeNumbers(const QList<CodeBlock> &codes);
    Status insertRows(int rows, int firstVoucherNo);
    Status recordNumbers(const QList<CodeBlock> &codes, const VoucherNoBlock &numbers);

    const TransferScope &m_scope;
    WorkTable m_rows;
    WorkTable m_vouchers;
    WorkTable m_codes;
};

Error noNumberError(const QString &sourceVoucherNo, const QString &company, int answer)
{
    return Error{kRefusedValue, QStringLiteral("No voucher number was given for voucher %1 of company %2 (the "
                                               "accounts component answered %3); nothing was transferred.")
                                    .arg(sourceVoucherNo, company)
                                    .arg(answer)};
}

// How a refusal names the row: "AccVoucher row tsid 7".
QString rowOwner(const Recordset &rs, const QString &table)
{
    return QStringLiteral("%1 row tsid %2").arg(table, rs.text(QStringLiteral("tsid")));
}

// Why the row-by-row copy stopped at this row, in the order it looked at the row's values:
// the voucher number, the new voucher's number and code, then the values of the insert.
std::optional<Error> refusalOfRow(const Recordset &rs, const QString &table, const QString &destination,
                                  bool startsVoucher, std::optional<int> numberRefusal)
{
    const QString owner = rowOwner(rs, table);
    const QVariant sourceNo = rs.value(QStringLiteral("VoucherNo"));
    double number = 0;
    if (!sourceNo.isNull()) {
        // The voucher number is read whole: the leading digits of a text are another voucher's.
        const Outcome<QString> read = numberLiteral(sourceNo, QStringLiteral("VoucherNo of ") + owner);
        if (!read)
            return refusedTransfer(read.error().description);
        number = read->toDouble();
    }
    // A row without a voucher number of its own would be copied as the shadow's own row,
    // which a later transfer of the period could no longer clear.
    if (sourceNo.isNull() || number <= 0) {
        return Error{kRefusedValue,
                     QStringLiteral("A voucher row of voucher code %1 dated %2 has no voucher "
                                    "number (%3); nothing was transferred.")
                         .arg(rs.text(QStringLiteral("VoucherCode")), rs.text(QStringLiteral("VoucherDt")),
                              sourceNo.isNull() ? QStringLiteral("NULL") : rs.text(QStringLiteral("VoucherNo")))};
    }
    if (startsVoucher) {
        // Rows under a number that is no voucher number could never be told apart.
        if (numberRefusal)
            return noNumberError(rs.text(QStringLiteral("VoucherNo")), destination, *numberRefusal);
        const QVariant code = rs.value(QStringLiteral("VoucherCode"));
        if (const Outcome<QString> read = numberLiteral(code, QStringLiteral("VoucherCode of ") + owner);
            !code.isNull() && !read)
            return refusedTransfer(read.error().description);
    }
    if (Status read = firstRefusedValue(rs, copiedVoucherColumns(), owner); !read)
        return refusedTransfer(read.error().description);
    return std::nullopt;
}

QList<Place> VoucherCopy::places() const
{
    return {
        {"table"_L1, m_scope.voucherTable},       {"rows"_L1, m_rows.name()},
        {"vouchers"_L1, m_vouchers.name()},       {"codes"_L1, m_codes.name()},
        {"source"_L1, sqlQuoted(m_scope.source)}, {"destination"_L1, sqlQuoted(m_scope.destination)},
        {"from"_L1, sqlQuoted(m_scope.from)},     {"to"_L1, sqlQuoted(m_scope.to)},
        {"year"_L1, sqlQuoted(m_scope.year)},
    };
}

Outcome<QList<CodeBlock>> VoucherCopy::codeBlocks()
{
    auto rs = m_scope.db.openRecordset(filled(kCodeBlocks, places()));
    if (!rs)
        return rs.error();
    QList<CodeBlock> codes;
    for (; !rs->eof(); rs->moveNext())
        codes.append({rs->value(0), rs->value(1).toInt(), rs->text(2).toInt(), rs->value(3).toInt(), 0});
    return codes;
}

Outcome<VoucherNoBlock> VoucherCopy::numberVouchers(QList<CodeBlock> &codes, int vouchers)
{
    const Outcome<AccountsComponent *> accounts = m_scope.accounts.component();
    if (!accounts)
        return accounts.error();
    const int company = m_scope.destination.toInt();
    const Outcome<VoucherNoBlock> numbers = (*accounts)->GetMaxVoucherNoBlock(m_scope.voucherTable, company, vouchers);
    if (!numbers)
        return numbers.error();
    for (CodeBlock &code : codes) {
        const Outcome<int> first = (*accounts)->GetMaxSubVNoBlock(code.code.toString().toInt(), company, code.acType,
                                                                  m_scope.year, code.vouchers);
        if (!first)
            return first.error();
        code.firstSubNo = *first;
    }
    return numbers;
}

Outcome<std::optional<Error>> VoucherCopy::firstRefusal(int lastSeq, bool numberRefusedAtLast, int refusal)
{
    // A voucher that gets no number stops the copy at its first row: the values of that row
    // and of later rows are never read.
    QList<Place> places = this->places();
    places.append({{"limit"_L1, QString::number(lastSeq)},
                   {"voucherNoRefused"_L1, copyform::mayRefuseRequiredNumber(u"v.VoucherNo"_s)},
                   {"voucherCodeRefused"_L1, copyform::mayRefuseRequiredNumber(u"v.VoucherCode"_s)},
                   {"valuesRefused"_L1, refusalCondition(copiedVoucherColumns(), u"v"_s)},
                   {"after"_L1, QString()}});
    return m_scope.firstRefusedSuspect(kSuspects, std::move(places), [&](const Recordset &rs, int seq) {
        const bool starts = rs.value(QStringLiteral("VantStarts")).toInt() == 1;
        const bool refusedHere = numberRefusedAtLast && seq == lastSeq;
        return refusalOfRow(rs, m_scope.voucherTable, m_scope.destination, starts,
                            refusedHere ? std::optional<int>(refusal) : std::nullopt);
    });
}

Status VoucherCopy::checkRows(const VoucherNoBlock &numbers, int vouchers)
{
    if (numbers.granted >= vouchers) {
        auto refused = firstRefusal(std::numeric_limits<int>::max(), false, 0);
        if (!refused)
            return refused.error();
        return *refused ? Status(**refused) : Status();
    }
    // The first row of the voucher that got no number.
    QList<Place> places = this->places();
    places.append({"place"_L1, QString::number(numbers.granted + 1)});
    auto rs = m_scope.db.openRecordset(filled(kFirstRowOf, places));
    if (!rs)
        return rs.error();
    const int refusedSeq = rs->value(0).toInt();
    auto refused = firstRefusal(refusedSeq, true, numbers.refusal);
    if (!refused)
        return refused.error();
    if (*refused)
        return **refused;
    return noNumberError(rs->text(1), m_scope.destination, numbers.refusal);
}

// A voucher takes the sub-numbers of the code of its first row, one after another in the order
// of the vouchers: each code's block of places with its first sub-number.
Status VoucherCopy::writeNumbers(const QList<CodeBlock> &codes)
{
    QList<QStringList> blocks;
    for (const CodeBlock &code : codes) {
        if (const Outcome<QString> literal = optionalNumberLiteral(code.code, QStringLiteral("VoucherCode")); !literal)
            return refusedTransfer(literal.error().description);
        blocks.append({QString::number(code.firstOrd), QString::number(code.firstOrd + code.vouchers - 1),
                       QString::number(code.firstSubNo)});
    }
    if (Status made = m_codes.create(); !made)
        return made;
    return insertValueRows(m_scope.db, u"insert into %1(FirstOrd,LastOrd,FirstSubNo)"_s.arg(m_codes.name()), blocks);
}

Status VoucherCopy::insertRows(int rows, int firstVoucherNo)
{
    const QList<Place> own = {
        {"destination"_L1, sqlQuoted(m_scope.destination)},
        {"voucherNo"_L1, QString::number(qint64(firstVoucherNo) - 1) + u"+x.VoucherOrd"_s},
        {"subNo"_L1, QStringLiteral("c.FirstSubNo+x.VoucherOrd-c.FirstOrd")},
    };
    QList<Place> places = this->places();
    places.append({"columns"_L1, insertColumns(copiedVoucherColumns())});
    places.append({"values"_L1, insertValuesOverNumbers(copiedVoucherColumns(), u"v"_s, own)});
    const QString statement = filled(kInsert, places);
    return m_scope.insertInBatches(statement, rows);
}

Status VoucherCopy::recordNumbers(const QList<CodeBlock> &codes, const VoucherNoBlock &numbers)
{
    // The counters end where voucher by voucher recording would leave them: at the last numbers.
    QList<Place> places = this->places();
    places.append({"last"_L1, QString::number(numbers.first + numbers.granted - 1)});
    QStringList statements = {filled(kLastVoucherNo, places)};
    places.append({"code"_L1, QString()});
    for (const CodeBlock &code : codes) {
        places[places.size() - 2].sql = QString::number(code.firstSubNo + code.vouchers - 1);
        places.last().sql = *optionalNumberLiteral(code.code, QString());
        statements << filled(kLastSubNo, places);
    }
    return executeAll(m_scope.db, statements);
}

Status VoucherCopy::run()
{
    QList<Place> places = this->places();
    places.append({{"plainNumbers"_L1, plainNumbers(copiedVoucherColumns(), u"v"_s)},
                   {"beyondNumbers"_L1, refusalsBeyondNumbers(copiedVoucherColumns(), u"v"_s, m_scope.periodDays)}});
    const Outcome<int> rows = m_rows.createFilled(filled(kNumberedRows, places));
    if (!rows)
        return rows.error();
    if (*rows == 0)
        return m_rows.drop();
    if (Status made = m_vouchers.create(); !made)
        return made;
    if (Status listed = m_scope.db.execute(filled(kVouchers, places)); !listed)
        return listed;
    if (m_scope.feedback.showProgress)
        m_scope.feedback.showProgress();

    auto codes = codeBlocks();
    if (!codes)
        return codes.error();
    int vouchers = 0;
    for (const CodeBlock &code : std::as_const(*codes))
        vouchers += code.vouchers;
    const Outcome<VoucherNoBlock> numbers = numberVouchers(*codes, vouchers);
    if (!numbers)
        return numbers.error();
    if (Status checked = checkRows(*numbers, vouchers); !checked)
        return checked;

    if (Status written = writeNumbers(*codes); !written)
        return written;
    if (Status inserted = insertRows(*rows, numbers->first); !inserted)
        return inserted;
    if (Status recorded = recordNumbers(*codes, *numbers); !recorded)
        return recorded;
    if (Status dropped = m_rows.drop(); !dropped)
        return dropped;
    if (Status dropped = m_vouchers.drop(); !dropped)
        return dropped;
    return m_codes.drop();
}

} // namespace

Status copyVouchers(const TransferScope &scope)
{
    return VoucherCopy(scope).run();
}

} // namespace vant
