#include "reconcile.h"

#include "db/accounts_schema.h"
#include "db/database.h"
#include "db/recordset.h"
#include "db/sql_literals.h"
#include "db/statement_text.h"
#include "reconcile_rows.h"
#include "transferred_rows.h"

#include <cmath>
#include <map>

namespace vant {

using namespace Qt::StringLiterals;

namespace {

// Amounts within half a paisa are the same amount.
bool sameAmount(double a, double b)
{
    return std::fabs(a - b) < 0.005;
}

QString amountText(double amount)
{
    return QString::number(amount, 'f', 2);
}

QString lines(qint64 count)
{
    return count == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(count);
}

// The rows that the two sides hold of one voucher, read in their order.
struct VoucherRows
{
    QString voucherCode;
    QString sourceNo;
    QString copyNo;
    QList<RowValues> source;
    QList<RowValues> copy;
};

// How a reconciled table is read: the rows of its period on both sides, keyed by voucher and
// numbered in each voucher in the order the transfer copied them.
struct ComparedTable
{
    QString name;
    QString rowName; // "line", "bill-wise row", "cheque row"
    QString amountColumn;
    // Voucher lines are keyed by voucher code and number, other rows by the voucher number.
    bool byVoucherCode = false;
    QList<ComparedColumn> columns;
    QString statement;

    // The key columns that the statement selects before the compared ones.
    int keys() const { return byVoucherCode ? 5 : 4; }
    int column(const QString &name) const
    {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns.at(i).name == name)
                return i;
        }
        return -1;
    }
};

// The copies of the period's lines: the rows a transfer wrote into the shadow company.
const char16_t kCopiedLines[] = u"CompanyCode={destination} and {transferred} and VoucherDt between {from} and {to}";

// The totals of the source's and the copy's lines (side 0 and 1) under each value of {column}.
const char16_t kTotals[] = uR"(
    select k,side,count(distinct n),count(*),sum(case when CrDr='D' then Amount else 0 end),
           sum(case when CrDr='C' then Amount else 0 end)
    from (select {column} as k,VoucherNo as n,CrDr,Amount,0 as side from {table}
          where CompanyCode={source} and VoucherDt between {from} and {to}
          union all select {column},VoucherNo,CrDr,Amount,1 from {table} where {copied}) x
    group by k,side order by k,side)";

// The period's lines of the source beside the copied lines, under the source's voucher code
// and number; a copy's lines are numbered in the order they were written.
const char16_t kLines[] = uR"(
    select * from (
        select VoucherCode as VantCode,VoucherNo as VantSource,0 as VantSide,
               row_number() over (partition by VoucherCode,VoucherNo order by VoucherDt,tsid) as VantLine,
               null as VantCopyNo,{columns}
        from {table} where CompanyCode={source} and VoucherDt between {from} and {to}
        union all
        select VoucherCode,OldVoucherNo,1,row_number() over (partition by VoucherCode,OldVoucherNo order by tsid),
               VoucherNo,{columns}
        from {table} where {copied}) x
    order by VantCode,VantSource,VantLine,VantSide)";

// The period's bill-wise or cheque rows of the copied vouchers beside the rows filed under
// their copies, under the source's voucher number.
const char16_t kCopiedVouchers[] = uR"((select distinct VoucherNo,OldVoucherNo from {table}
    where CompanyCode={destination} and {transferred}))";

const char16_t kLinkedRows[] = uR"(
    select * from (
        select p.VoucherNo as VantSource,0 as VantSide,
               row_number() over (partition by p.VoucherNo order by p.{dateColumn},p.slno) as VantLine,
               (select max(c.VoucherNo) from {copies} c where c.OldVoucherNo=p.VoucherNo) as VantCopyNo,{columns}
        from {linked} p
        where p.CompanyCode={source} and p.{dateColumn} between {from} and {to}
          and p.VoucherNo in (select OldVoucherNo from {copies} c)
        union all
        select c.OldVoucherNo,1,row_number() over (partition by c.OldVoucherNo order by p.slno),p.VoucherNo,{columns}
        from {linked} p join {copies} c on c.VoucherNo=p.VoucherNo
        where p.CompanyCode={destination} and p.{dateColumn} between {from} and {to}) x
    order by VantSource,VantLine,VantSide)";

class Reconciler
{
public:
    Reconciler(Database &db, const ReconcileRequest &request)
        : m_db(db), m_table(request.voucherTable), m_places{{"table"_L1, request.voucherTable},
                                                            {"source"_L1, sqlQuoted(request.source)},
                                                            {"destination"_L1, sqlQuoted(request.destination)},
                                                            {"from"_L1, sqlQuoted(sqlDate(request.from))},
                                                            {"to"_L1, sqlQuoted(sqlDate(request.to))},
                                                            {"transferred"_L1, transferredRow()}}
    {
        m_places.append({"copied"_L1, filled(kCopiedLines, m_places)});
        m_places.append({"copies"_L1, filled(kCopiedVouchers, m_places)});
    }

    Outcome<Reconciliation> run()
    {
        Reconciliation result;
        for (auto [column, rows] : {std::pair(QStringLiteral("VoucherCode"), &result.byVoucherCode),
                                    std::pair(QStringLiteral("LedgerCode"), &result.byLedger)}) {
            auto totals = totalsBy(column);
            if (!totals)
                return totals.error();
            *rows = *totals;
        }
        const QList<Table> tables = accountsTables({});
        const auto catalogued = [&tables](const QString &name) {
            for (const Table &table : tables) {
                if (table.name == name)
                    return table;
            }
            return Table();
        };
        for (const ComparedTable &table :
             {voucherLines(),
              linkedRows(catalogued(QStringLiteral("AccPending")), QStringLiteral("TransDate"),
                         QStringLiteral("BillAmount"), QStringLiteral("bill-wise row"), copiedBillwiseColumns()),
              linkedRows(catalogued(QStringLiteral("AccChequeDetails")), QStringLiteral("ReceiveDate"),
                         QStringLiteral("ChequeAmount"), QStringLiteral("cheque row"), copiedChequeColumns())}) {
            if (Status compared = compare(table, result.differences); !compared)
                return compared.error();
        }
        return result;
    }

private:
    static QString columnList(const QList<ComparedColumn> &columns, const QString &alias)
    {
        QStringList list;
        for (const ComparedColumn &column : columns)
            list << alias + column.name;
        return list.join(QLatin1Char(','));
    }

    Outcome<QList<TotalsRow>> totalsBy(const QString &column)
    {
        QList<Place> places = m_places;
        places.append({"column"_L1, column});
        auto rs = m_db.openRecordset(filled(kTotals, places));
        if (!rs)
            return rs.error();
        std::map<double, TotalsRow> byKey;
        for (; !rs->eof(); rs->moveNext()) {
            TotalsRow &row = byKey[rs->value(0).toDouble()];
            row.key = rs->text(0);
            SideTotals &side = rs->value(1).toInt() == 0 ? row.source : row.copy;
            side = {rs->value(2).toLongLong(), rs->value(3).toLongLong(), rs->value(4).toDouble(),
                    rs->value(5).toDouble()};
        }
        QList<TotalsRow> rows;
        for (const auto &entry : byKey)
            rows << entry.second;
        return rows;
    }

    // The period's lines of the source beside the copied lines, under the source's voucher code
    // and number; a copy's lines are numbered in the order they were written.
    ComparedTable voucherLines() const
    {
        ComparedTable table;
        table.name = m_table;
        table.rowName = QStringLiteral("line");
        table.amountColumn = QStringLiteral("Amount");
        table.byVoucherCode = true;
        table.columns = comparedColumns(copiedVoucherColumns(), voucherTable({}));
        QList<Place> places = m_places;
        places.append({"columns"_L1, columnList(table.columns, QString())});
        table.statement = filled(kLines, places);
        return table;
    }

    // The period's bill-wise or cheque rows of the copied vouchers beside the rows filed under
    // their copies, under the source's voucher number.
    ComparedTable linkedRows(const Table &catalogued, const QString &dateColumn, const QString &amountColumn,
                             const QString &rowName, std::span<const CopiedColumn> copied) const
    {
        ComparedTable table;
        table.name = catalogued.name;
        table.rowName = rowName;
        table.amountColumn = amountColumn;
        table.columns = comparedColumns(copied, catalogued);
        QList<Place> places = m_places;
        places.append({{"linked"_L1, table.name},
                       {"dateColumn"_L1, dateColumn},
                       {"columns"_L1, columnList(table.columns, QStringLiteral("p."))}});
        table.statement = filled(kLinkedRows, places);
        return table;
    }

    // Reads the table's rows voucher by voucher and compares each voucher's two sides.
    Status compare(const ComparedTable &table, QList<Difference> &differences)
    {
        auto rs = m_db.openRecordset(table.statement);
        if (!rs)
            return rs.error();
        const bool coded = table.byVoucherCode;
        const int side = coded ? 2 : 1;
        const int copyNo = coded ? 4 : 3;
        VoucherRows voucher;
        for (; !rs->eof(); rs->moveNext()) {
            const QString code = coded ? rs->text(0) : QString();
            const QString sourceNo = rs->text(coded ? 1 : 0);
            if (code != voucher.voucherCode || sourceNo != voucher.sourceNo) {
                compareVoucher(table, voucher, differences);
                voucher = {code, sourceNo, {}, {}, {}};
            }
            RowValues values;
            for (int i = 0; i < table.columns.size(); ++i)
                values << rs->value(table.keys() + i);
            (rs->value(side).toInt() == 0 ? voucher.source : voucher.copy) << values;
            if (!rs->isNull(copyNo) && rs->value(copyNo).toDouble() > voucher.copyNo.toDouble())
                voucher.copyNo = rs->text(copyNo);
        }
        compareVoucher(table, voucher, differences);
        return {};
    }

    static void compareVoucher(const ComparedTable &table, const VoucherRows &voucher, QList<Difference> &differences)
    {
        if (voucher.source.isEmpty() && voucher.copy.isEmpty())
            return;
        const auto add = [&](const QString &what) {
            Difference difference;
            difference.table = table.name;
            difference.voucherCode = voucher.voucherCode;
            difference.sourceVoucherNo = voucher.sourceNo;
            difference.copyVoucherNo = voucher.copyNo;
            difference.what = what;
            differences << difference;
        };
        if (!table.byVoucherCode && voucher.source.size() != voucher.copy.size())
            return compareCounts(table, voucher, add);
        if (voucher.copy.isEmpty())
            return add(QStringLiteral("the voucher has no copy"));
        if (voucher.source.isEmpty())
            return add(QStringLiteral("the source has no such voucher in the period"));
        if (voucher.source.size() != voucher.copy.size())
            return compareLedgers(table, voucher, add);
        for (const ValueDifference &value : differingValues(table.columns, voucher.source, voucher.copy)) {
            add(QStringLiteral("%1 %2, %3: %4 in the source, %5 in the copy")
                    .arg(table.rowName)
                    .arg(value.row)
                    .arg(value.column, value.sourceValue, value.copyValue));
            Difference &last = differences.last();
            last.row = value.row;
            last.column = value.column;
            last.sourceValue = value.sourceValue;
            last.copyValue = value.copyValue;
        }
    }

    // Lines that no longer pair up: their count and amount per ledger and side.
    template<typename Add>
    static void compareLedgers(const ComparedTable &table, const VoucherRows &voucher, const Add &add)
    {
        struct Sums
        {
            qint64 lines[2] = {0, 0};
            double amounts[2] = {0, 0};
        };
        const int ledger = table.column(QStringLiteral("LedgerCode"));
        const int crDr = table.column(QStringLiteral("CrDr"));
        const int amount = table.column(table.amountColumn);
        std::map<std::pair<double, QString>, std::pair<QString, Sums>> groups;
        for (int side = 0; side < 2; ++side) {
            for (const RowValues &row : side == 0 ? voucher.source : voucher.copy) {
                auto &[name, sums] = groups[{row.value(ledger).toDouble(), row.value(crDr).toString()}];
                name = row.value(ledger).toString();
                ++sums.lines[side];
                sums.amounts[side] += leadingNumber(row.value(amount).toString());
            }
        }
        for (const auto &[key, group] : groups) {
            const Sums &sums = group.second;
            if (sums.lines[0] == sums.lines[1] && sameAmount(sums.amounts[0], sums.amounts[1]))
                continue;
            add(QStringLiteral("ledger %1 %2: %3 of %4 in the source, %5 of %6 in the copy")
                    .arg(group.first, key.second == u"D" ? QStringLiteral("debit") : QStringLiteral("credit"),
                         lines(sums.lines[0]), amountText(sums.amounts[0]), lines(sums.lines[1]),
                         amountText(sums.amounts[1])));
        }
    }

    // Bill-wise or cheque rows that no longer pair up: their count and amount.
    template<typename Add>
    static void compareCounts(const ComparedTable &table, const VoucherRows &voucher, const Add &add)
    {
        const int amount = table.column(table.amountColumn);
        double sums[2] = {0, 0};
        for (int side = 0; side < 2; ++side) {
            for (const RowValues &row : side == 0 ? voucher.source : voucher.copy)
                sums[side] += leadingNumber(row.value(amount).toString());
        }
        add(QStringLiteral("%1s: %2 of %3 in the source, %4 of %5 in the copy")
                .arg(table.rowName)
                .arg(voucher.source.size())
                .arg(amountText(sums[0]))
                .arg(voucher.copy.size())
                .arg(amountText(sums[1])));
    }

    Database &m_db;
    const QString m_table;
    // What the statements name: the voucher table, the companies, the period, the copies.
    QList<Place> m_places;
};

} // namespace

bool SideTotals::operator==(const SideTotals &other) const
{
    return vouchers == other.vouchers && lines == other.lines && sameAmount(debit, other.debit)
           && sameAmount(credit, other.credit);
}

Outcome<Reconciliation> reconcileTransfer(Database &db, const ReconcileRequest &request)
{
    return Reconciler(db, request).run();
}

} // namespace vant
