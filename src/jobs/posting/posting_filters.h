#pragma once

#include "db/outcome.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace vant {

struct Session;
class VoucherGrid;

inline const QString kPostingWindow = QStringLiteral("frmAccountPost");

// The entries of the voucher type list, in their fixed order.
QStringList voucherTypeEntries();

// The VoucherCode set that a voucher type code ("SA", "PU", "SR", "PR") selects; "0" for any other.
QString voucherCodeSet(const QString &voucherTypeCode);

struct TransTypeEntry
{
    QString text;
    int itemData = 0;
};

// The transaction types offered for a voucher type index; nothing for no selection.
QList<TransTypeEntry> transTypeEntries(int voucherTypeIndex);

// An entry of the lists above as the user reads it; the codes come from the entry as written.
QString translatedEntry(const QString &entryText);

// The two-letter code that a list's text stands for.
inline QString typeCode(const QString &entryText)
{
    return entryText.left(2);
}

struct Division
{
    int code = 0;
    QString name;
};

// The divisions of the session company.
Outcome<QList<Division>> loadDivisions(Session &session);

struct VoucherFilter
{
    int divisionCode = 0;
    QDate voucherDate;
    QString voucherTypeCode;
    QString transTypeCode;
};

// The query behind Go: the unmoved debit lines of the filter, summed per off-line voucher.
QString offLineVoucherStatement(const Session &session, const VoucherFilter &filter);

// Empties the grid, then fills it with the vouchers of the filter.
Status LoadOffLineVouchers(Session &session, const VoucherFilter &filter, VoucherGrid &grid);

// The window-level keys Ctrl+Shift+1/2/0 (shift state 3, key codes 49, 50, 48) set the posting's
// account type to 1, 2 or 0 and return 1, 2 or 3; anything else leaves it and returns 0.
int SetAcType(int &postingAcType, int shift, int keyCode);

} // namespace vant
