#include "linked_copy.h"

#include "copied_columns.h"
#include "db/copy_forms.h"
#include "db/database.h"
#include "db/sql_literals.h"
#include "db/statement_text.h"
#include "db/work_table.h"
#include "transfer_scope.h"
#include "transferred_rows.h"

namespace vant {

using namespace Qt::StringLiterals;

namespace {

// A table of rows that follow their voucher into the shadow company.
struct LinkedTable
{
    QString name;
    QString dateColumn; // the period is the rows of these dates
    CopiedTable columns;
};

class LinkedCopy
{
public:
    LinkedCopy(const TransferScope &scope, const LinkedTable &table)
        : m_scope(scope), m_table(table),
          m_rows(scope.db, QStringLiteral("VantLinkedRows"),
                 QStringLiteral("Seq int identity(1,1) primary key, Id int, CopyNo float, Suspect int"))
    {}

    Status run();

private:
    // What the statements of the copy name: its tables, the period and the companies.
    QList<Place> places() const;
    Status checkRows();
    Status insertRows(int rows);

    const TransferScope &m_scope;
    const LinkedTable &m_table;
    WorkTable m_rows;
};

// A row that is copied names a voucher that has a copy; the copy is filed under the number of
// the first copy found, as the shadow's index of source numbers keeps them: the number it is
// written with, which is never NULL. A plain number needs no test of its text.
const char16_t kFirstCopy[] = uR"(case when ({plainSourceNo} or {sourceNoIsNumber}) and p.VoucherNo>0
    then (select top 1 {copyNo} from {vouchers} x
          where x.CompanyCode={destination} and x.OldVoucherNo=p.VoucherNo and {transferred} order by x.tsid) end)";

// The rows of the period, numbered (Seq) by the insert in the order the source's date index keeps
// them, each with the number of its voucher's copy (none for a row that is not copied): the copy
// is looked up once per row, and the insert reads no copy again. A row of plain numbers whose
// other values no check refuses is no suspect: the refusal scan passes over it without reading
// it again.
const char16_t kNumberedRows[] = uR"(
    insert into {rows}(Id,CopyNo,Suspect)
    select p.slno,{firstCopy},
           case when not ({plainNumbers} and {finiteSourceNo}) or {beyondNumbers} then 1 else 0 end
    from {table} p
    where p.CompanyCode={source} and p.{dateColumn} between {from} and {to}
    order by p.{dateColumn},p.slno)";

// The next row whose voucher number, or whose values when it is copied, may be refused. Only the
// suspects are looked at, their values one by one.
const char16_t kSuspects[] = uR"(
    select top 1 p.*,q.Seq VantSeq,case when q.CopyNo is not null then 1 else 0 end VantCopied
    from {rows} q join {table} p on p.slno=q.Id
    where q.Suspect=1 and q.Seq>{after}
      and ((ltrim(rtrim(p.VoucherNo))<>'' and {sourceNoRefused}) or (q.CopyNo is not null and {valuesRefused}))
    order by q.Seq)";

const char16_t kInsert[] = uR"(
    insert into {table}({columns})
    select {values}
    from {rows} q join {table} p on p.slno=q.Id
    where q.CopyNo is not null and q.Seq between %1 and %2 order by q.Seq)";

QList<Place> LinkedCopy::places() const
{
    QList<Place> places = {
        {"rows"_L1, m_rows.name()},
        {"table"_L1, m_table.name},
        {"dateColumn"_L1, m_table.dateColumn},
        {"source"_L1, sqlQuoted(m_scope.source)},
        {"destination"_L1, sqlQuoted(m_scope.destination)},
        {"from"_L1, sqlQuoted(m_scope.from)},
        {"to"_L1, sqlQuoted(m_scope.to)},
        {"vouchers"_L1, m_scope.voucherTable},
        {"transferred"_L1, transferredRow(u"x"_s)},
        {"copyNo"_L1, leadingNumberOverNumber(u"x.VoucherNo"_s)},
        {"sourceNoIsNumber"_L1, copyform::isNumber(u"p.VoucherNo"_s)},
        {"plainSourceNo"_L1, plainNumber(u"p.VoucherNo"_s, true)},
    };
    places.append({"firstCopy"_L1, filled(kFirstCopy, places)});
    return places;
}

Status LinkedCopy::checkRows()
{
    QList<Place> places = this->places();
    places.append({"sourceNoRefused"_L1, copyform::mayRefuseNumber(u"p.VoucherNo"_s)});
    places.append({"valuesRefused"_L1, refusalCondition(m_table.columns, u"p"_s)});
    places.append({"after"_L1, QString()});
    const auto refused = m_scope.firstRefusedSuspect(
        kSuspects, std::move(places), [this](const Recordset &rs, int) -> std::optional<Error> {
            const QString owner = QStringLiteral("%1 row slno %2").arg(m_table.name, rs.text(QStringLiteral("slno")));
            // The row-by-row copy read the voucher number first: a row that names none is skipped.
            const QVariant sourceNo = rs.value(QStringLiteral("VoucherNo"));
            if (sourceNo.isNull() || sourceNo.toString().count(QLatin1Char(' ')) == sourceNo.toString().size())
                return std::nullopt;
            const Outcome<QString> literal = numberLiteral(sourceNo, QStringLiteral("VoucherNo of ") + owner);
            if (!literal)
                return refusedTransfer(literal.error().description);
            if (rs.value(QStringLiteral("VantCopied")).toInt() != 1)
                return std::nullopt;
            if (Status written = firstRefusedValue(rs, m_table.columns, owner); !written)
                return refusedTransfer(written.error().description);
            return std::nullopt;
        });
    if (!refused)
        return refused.error();
    return *refused ? Status(**refused) : Status();
}

Status LinkedCopy::insertRows(int rows)
{
    QList<Place> places = this->places();
    const QList<Place> own = {{"destination"_L1, sqlQuoted(m_scope.destination)}, {"voucherNo"_L1, u"q.CopyNo"_s}};
    places.append({"columns"_L1, insertColumns(m_table.columns)});
    places.append({"values"_L1, insertValuesOverNumbers(m_table.columns, u"p"_s, own)});
    return m_scope.insertInBatches(filled(kInsert, places), rows);
}

Status LinkedCopy::run()
{
    QList<Place> places = this->places();
    places.append({{"plainNumbers"_L1, plainNumbers(m_table.columns, u"p"_s)},
                   {"finiteSourceNo"_L1, finiteNumber(u"p.VoucherNo"_s)},
                   {"beyondNumbers"_L1, refusalsBeyondNumbers(m_table.columns, u"p"_s, m_scope.periodDays)}});
    const Outcome<int> rows = m_rows.createFilled(filled(kNumberedRows, places));
    if (!rows)
        return rows.error();
    if (*rows > 0) {
        if (Status checked = checkRows(); !checked)
            return checked;
        if (Status inserted = insertRows(*rows); !inserted)
            return inserted;
    }
    return m_rows.drop();
}

} // namespace

Status copyBillwise(const TransferScope &scope)
{
    scope.caption(QStringLiteral("Transfer    [ Transfer Billwise Outstanding Details ...]"));
    return LinkedCopy(scope, {QStringLiteral("AccPending"), QStringLiteral("TransDate"), copiedBillwiseColumns()})
        .run();
}

Status copyCheques(const TransferScope &scope)
{
    scope.caption(QStringLiteral("Transfer    [ Transfer Cheque Details...]"));
    return LinkedCopy(scope, {QStringLiteral("AccChequeDetails"), QStringLiteral("ReceiveDate"), copiedChequeColumns()})
        .run();
}

} // namespace vant
