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

// A voucher whose copy is missing, extra or not like its source. Where the source's rows and the
// copy's pair up, one difference names the row and the column whose values differ.
struct Difference
{
    QString table;       // the table of the rows that differ
    QString voucherCode; // empty for bill-wise and cheque rows
    QString sourceVoucherNo;
    QString copyVoucherNo; // empty when there is no copy
    int row = 0;           // the voucher's row that differs, from 1 in the source's order; 0 for the voucher
    QString column;        // the column whose values differ; empty for the voucher or its rows as a whole
    QString sourceValue;   // the values as the transfer would write the source's and as the copy holds it
    QString copyValue;
    QString what; // the difference in words
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
// into the destination (the rows that carry a source number), and the bill-wise and cheque rows
// of each copied voucher: every column that the transfer copies, except the copy's own numbers,
// time stamps and ids. A voucher whose rows no longer pair up is compared by ledger and side
// (lines) or by count and amount (bill-wise and cheque rows). Read only.
Outcome<Reconciliation> reconcileTransfer(Database &db, const ReconcileRequest &request);

} // namespace vant
