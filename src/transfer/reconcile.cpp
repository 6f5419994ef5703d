#include "reconcile.h"

#include "transferred_rows.h"

#include "db/database.h"
#include "db/sql_literals.h"

#include <QHash>

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
        for (const auto &step : {&Reconciler::unmatchedVouchers, &Reconciler::differingLines}) {
            if (Status done = (this->*step)(result.differences); !done)
                return done.error();
        }
        for (const auto &[table, dateColumn, amountColumn, name] :
             {std::tuple(QStringLiteral("AccPending"), QStringLiteral("TransDate"), QStringLiteral("BillAmount"),
                         QStringLiteral("bill-wise")),
              std::tuple(QStringLiteral("AccChequeDetails"), QStringLiteral("ReceiveDate"),
                         QStringLiteral("ChequeAmount"), QStringLiteral("cheque"))}) {
            if (Status done = differingRows(table, dateColumn, amountColumn, name, result.differences); !done)
                return done.error();
        }
        return result;
    }

private:
    // The source's lines of the period beside the copied lines: source lines count in sl and
    // sa, copied ones in dl and da, under the source's voucher number.
    QString bothSides(const QString &columns) const
    {
        return QStringLiteral("select ") + columns
               + QStringLiteral(",VoucherNo as SourceNo,1 as sl,Amount as sa,0 as dl,"
                                "0 as da,null as CopyNo from ")
               + m_table + QStringLiteral(" where CompanyCode=") + m_source + QStringLiteral(" and VoucherDt")
               + m_period + QStringLiteral(" union all select ") + columns
               + QStringLiteral(",OldVoucherNo,0,0,1,Amount,VoucherNo from ") + m_table + copiedRows();
    }

    QString copiedRows() const
    {
        return QStringLiteral(" where CompanyCode=") + m_destination
               + QStringLiteral(" and ") + transferredRow() + QStringLiteral(" and VoucherDt") + m_period;
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

    // Source vouchers without a copy, and copies without their source voucher; the copy of
    // each of the others is remembered.
    Status unmatchedVouchers(QList<Difference> &differences)
    {
        auto rs =
            m_db.openRecordset(QStringLiteral("select VoucherCode,SourceNo,sum(sl),sum(dl),max(CopyNo) from (")
                               + bothSides(QStringLiteral("VoucherCode"))
                               + QStringLiteral(") x group by VoucherCode,SourceNo order by VoucherCode,SourceNo"));
        if (!rs)
            return rs.error();
        for (; !rs->eof(); rs->moveNext()) {
            const QString voucher = rs->text(0) + u'/' + rs->text(1);
            const bool inSource = rs->value(2).toLongLong() > 0;
            const bool copied = rs->value(3).toLongLong() > 0;
            if (inSource && copied) {
                m_copyNos.insert(voucher, rs->text(4));
                continue;
            }
            differences << Difference{rs->text(0), rs->text(1), rs->text(4),
                                      copied ? QStringLiteral("the source has no such voucher in the period")
                                             : QStringLiteral("the voucher has no copy")};
        }
        return {};
    }

    // Copied vouchers whose lines differ from the source's, by ledger and side. A line that is
    // on one side only has no copy number of its own: the voucher's is used.
    Status differingLines(QList<Difference> &differences)
    {
        auto rs = m_db.openRecordset(
            QStringLiteral("select VoucherCode,SourceNo,LedgerCode,CrDr,sum(sl),sum(sa),sum(dl),sum(da),max(CopyNo) "
                           "from (")
            + bothSides(QStringLiteral("VoucherCode,LedgerCode,CrDr"))
            + QStringLiteral(") x group by VoucherCode,SourceNo,LedgerCode,CrDr "
                             "order by VoucherCode,SourceNo,LedgerCode,CrDr"));
        if (!rs)
            return rs.error();
        for (; !rs->eof(); rs->moveNext()) {
            const qint64 sourceLines = rs->value(4).toLongLong();
            const qint64 copyLines = rs->value(6).toLongLong();
            const double sourceAmount = rs->value(5).toDouble();
            const double copyAmount = rs->value(7).toDouble();
            const auto copyNo = m_copyNos.constFind(rs->text(0) + u'/' + rs->text(1));
            if (copyNo == m_copyNos.cend() || (sourceLines == copyLines && sameAmount(sourceAmount, copyAmount)))
                continue;
            differences << Difference{
                rs->text(0), rs->text(1), *copyNo,
                QStringLiteral("ledger %1 %2: %3 of %4 in the source, %5 of %6 in the copy")
                    .arg(rs->text(2), rs->text(3) == u"D" ? QStringLiteral("debit") : QStringLiteral("credit"),
                         lines(sourceLines), amountText(sourceAmount), lines(copyLines), amountText(copyAmount))};
        }
        return {};
    }

    // The bill-wise or cheque rows of the period that belong to a copied voucher, beside the
    // rows filed under its copy.
    Status differingRows(const QString &table, const QString &dateColumn, const QString &amountColumn,
                         const QString &name, QList<Difference> &differences)
    {
        const QString copies = QStringLiteral("(select distinct VoucherNo,OldVoucherNo from ") + m_table
                               + QStringLiteral(" where CompanyCode=") + m_destination
                               + QStringLiteral(" and ") + transferredRow() + QStringLiteral(")");
        auto rs = m_db.openRecordset(
            QStringLiteral("select SourceNo,sum(sn),sum(sa),sum(cn),sum(ca),max(CopyNo) from (select p.VoucherNo as "
                           "SourceNo,1 as sn,p.")
            + amountColumn + QStringLiteral(" as sa,0 as cn,0 as ca,(select max(c.VoucherNo) from ") + copies
            + QStringLiteral(" c where c.OldVoucherNo=p.VoucherNo) as CopyNo from ") + table
            + QStringLiteral(" p where p.CompanyCode=") + m_source + QStringLiteral(" and p.") + dateColumn + m_period
            + QStringLiteral(" and p.VoucherNo in (select OldVoucherNo from ") + copies
            + QStringLiteral(" c) union all select c.OldVoucherNo,0,0,1,p.") + amountColumn
            + QStringLiteral(",p.VoucherNo from ") + table + QStringLiteral(" p join ") + copies
            + QStringLiteral(" c on c.VoucherNo=p.VoucherNo where p.CompanyCode=") + m_destination
            + QStringLiteral(" and p.") + dateColumn + m_period
            + QStringLiteral(") x group by SourceNo order by SourceNo"));
        if (!rs)
            return rs.error();
        for (; !rs->eof(); rs->moveNext()) {
            const qint64 sourceRows = rs->value(1).toLongLong();
            const qint64 copyRows = rs->value(3).toLongLong();
            if (sourceRows == copyRows && sameAmount(rs->value(2).toDouble(), rs->value(4).toDouble()))
                continue;
            differences << Difference{QString(), rs->text(0), rs->text(5),
                                      QStringLiteral("%1 rows: %2 of %3 in the source, %4 of %5 in the copy")
                                          .arg(name)
                                          .arg(sourceRows)
                                          .arg(amountText(rs->value(2).toDouble()))
                                          .arg(copyRows)
                                          .arg(amountText(rs->value(4).toDouble()))};
        }
        return {};
    }

    Database &m_db;
    const QString m_table;
    const QString m_source;
    const QString m_destination;
    const QString m_period;
    // The copy of each source voucher that has one, by "code/number".
    QHash<QString, QString> m_copyNos;
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
