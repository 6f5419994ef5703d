#pragma once

#include "db/outcome.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace vant {

class Database;

// What one side of a reconciliation holds for a voucher code or a ledger.
struct SideTotals
{
    qint64 vouchers = 0;
    qint64 lines = 0;
    double debit = 0;
    double credit = 0;

    bool operator==(const SideTotals &other) const;
};

// One row of a totals table: the source company's figures beside its copy's.
struct TotalsRow
{
    QString key; // the voucher code or the ledger code
    SideTotals source;
    SideTotals copy;
};

// A voucher whose copy is missing, extra or not like its source.
struct Difference
{
    QString voucherCode;
    QString sourceVoucherNo;
    QString copyVoucherNo; // empty when there is no copy
    QString what;
};

// The source company's period beside its copy in a shadow company: totals per voucher code
// and per ledger, and every voucher that differs.
struct Reconciliation
{
    QList<TotalsRow> byVoucherCode;
    QList<TotalsRow> byLedger;
    QList<Difference> differences;

    bool matches() const { return differences.isEmpty(); }
};

// What a reconciliation compares: the voucher table, the two companies and the period.
struct ReconcileRequest
{
    QString voucherTable;
    QString source;
    QString destination;
    QDate from;
    QDate to;
};

// Compares the period's vouchers of the source company with the rows that transfers copied
// into the destination (the rows that carry a source number): lines by ledger and side with
// their amounts, and the bill-wise and cheque rows of each copied voucher. Read only.
Outcome<Reconciliation> reconcileTransfer(Database &db, const ReconcileRequest &request);

} // namespace vant
