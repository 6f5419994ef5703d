#pragma once

#include "db/outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vant {

struct Session;

// One ledger line of an off-line voucher as the detail panel shows it.
struct DetailLine
{
    QString sno;
    QString refNo;
    QString description;
    QString debit;  // "#####.00" for a debit line, otherwise "00.0"
    QString credit; // "#####.00" for a credit line, otherwise "00.0"
    // The ledger master has the line's ledger; a line without one is refused by the posting.
    bool knownLedger = true;
};

QStringList detailHeadings();
// Column widths in twips for a detail grid of that width; 0 hides a column.
QList<int> detailColumnWidths(int gridWidthTwips);

QString voucherDetailStatement(qint64 offLineVoucherNo, const QString &companyCode);

// The lines of an off-line voucher, debit lines first, numbered from 1: every line that the
// posting would take, also one whose ledger the ledger master lacks, which says so.
Outcome<QList<DetailLine>> loadVoucherDetail(Session &session, qint64 offLineVoucherNo);

} // namespace vant
