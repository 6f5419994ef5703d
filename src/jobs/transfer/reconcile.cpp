#include "reconcile.h"

#include "db/accounts_schema.h"
#include "db/database.h"
#include "db/recordset.h"
#include "db/sql_literals.h"
#include "reconcile_rows.h"
#include "transferred_rows.h"

#include <cmath>
#include <map>

namespace vant {

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

class Reconciler
{
public:
    Reconciler(Database &db, const ReconcileRequest &request)
        : m_db(db), m_table(request.voucherTable), m_source(sqlQuoted(request.source)),
          m_destination(sqlQuoted(request.destination)),
          m_period(QStringLiteral(" between ") + sqlQuoted(sqlDate(request.from)) + QStringLiteral(" and ")
                   + sqlQuoted(sqlDate(request.to)))
    {}

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
    QString copiedRows() const
    {
        return QStringLiteral(" where CompanyCode=") + m_destination
               + QStringLiteral(" and ") + transferredRow() + QStringLiteral(" and VoucherDt") + m_period;
    }

    static QString columnList(const QList<ComparedColumn> &columns, const QString &alias)
    {
        QStringList list;
        for (const ComparedColumn &column : columns)
            list << alias + column.name;
        return list.join(QLatin1Char(','));
    }

    Outcome<QList<TotalsRow>> totalsBy(const QString &column)
    {
        const QString sides = QStringLiteral(" from (select ") + column
                              + QStringLiteral(" as k,VoucherNo as n,CrDr,Amount,0 as side from ") + m_table
                              + QStringLiteral(" where CompanyCode=") + m_source + QStringLiteral(" and VoucherDt")
                              + m_period + QStringLiteral(" union all select ") + column
                              + QStringLiteral(",VoucherNo,CrDr,Amount,1 from ") + m_table + copiedRows()
                              + QStringLiteral(") x");
        auto rs = m_db.openRecordset(
            QStringLiteral("select k,side,count(distinct n),count(*),sum(case when CrDr='D' then Amount else 0 end),"
                           "sum(case when CrDr='C' then Amount else 0 end)")
            + sides + QStringLiteral(" group by k,side order by k,side"));
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
        const QString list = columnList(table.columns, QString());
        table.statement =
            QStringLiteral("select * from (select VoucherCode as VantCode,VoucherNo as VantSource,0 as VantSide,"
                           "row_number() over (partition by VoucherCode,VoucherNo order by VoucherDt,tsid) as "
                           "VantLine,null as VantCopyNo,")
            + list + QStringLiteral(" from ") + m_table + QStringLiteral(" where CompanyCode=") + m_source
            + QStringLiteral(" and VoucherDt") + m_period
            + QStringLiteral(" union all select VoucherCode,OldVoucherNo,1,row_number() over (partition by "
                             "VoucherCode,OldVoucherNo order by tsid),VoucherNo,")
            + list + QStringLiteral(" from ") + m_table + copiedRows()
            + QStringLiteral(") x order by VantCode,VantSource,VantLine,VantSide");
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
        const QString copies = QStringLiteral("(select distinct VoucherNo,OldVoucherNo from ") + m_table
                               + QStringLiteral(" where CompanyCode=") + m_destination
                               + QStringLiteral(" and ") + transferredRow() + QStringLiteral(")");
        const QString list = columnList(table.columns, QStringLiteral("p."));
        const QString inPeriod = QStringLiteral(" and p.") + dateColumn + m_period;
        table.statement =
            QStringLiteral("select * from (select p.VoucherNo as VantSource,0 as VantSide,row_number() over "
                           "(partition by p.VoucherNo order by p.%1,p.slno) as VantLine,(select max(c.VoucherNo) "
                           "from %2 c where c.OldVoucherNo=p.VoucherNo) as VantCopyNo,")
                .arg(dateColumn, copies)
            + list + QStringLiteral(" from ") + table.name + QStringLiteral(" p where p.CompanyCode=") + m_source
            + inPeriod + QStringLiteral(" and p.VoucherNo in (select OldVoucherNo from ") + copies
            + QStringLiteral(" c) union all select c.OldVoucherNo,1,row_number() over (partition by c.OldVoucherNo "
                             "order by p.slno),p.VoucherNo,")
            + list + QStringLiteral(" from ") + table.name + QStringLiteral(" p join ") + copies
            + QStringLiteral(" c on c.VoucherNo=p.VoucherNo where p.CompanyCode=") + m_destination + inPeriod
            + QStringLiteral(") x order by VantSource,VantLine,VantSide");
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
    const QString m_source;
    const QString m_destination;
    const QString m_period;
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
