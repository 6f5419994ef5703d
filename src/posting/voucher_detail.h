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
};

QStringList detailHeadings();
// Column widths in twips for a detail grid of that width; 0 hides a column.
QList<int> detailColumnWidths(int gridWidthTwips);

QString voucherDetailStatement(qint64 offLineVoucherNo, const QString &companyCode);

// The lines of an off-line voucher, debit lines first, numbered from 1.
Outcome<QList<DetailLine>> loadVoucherDetail(Session &session, qint64 offLineVoucherNo);

} // namespace vant
