#pragma once

#include <QString>

namespace vant {

// The condition of a voucher row that a transfer wrote into a shadow company, over the row's
// columns (prefixed with `alias` and a dot when given). Such a row carries the number of the
// voucher it was copied from, and the transfer writes its Counter and VoucherSlnoOld, which a
// posting leaves NULL: posted vouchers carry their off-line number too, but are the company's
// own and no transfer may clear or follow them.
inline QString transferredRow(const QString &alias = QString())
{
    const QString a = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    return QStringLiteral("IsNull(%1OldVoucherNo,'0') <> 0 and %1Counter is not null and %1VoucherSlnoOld is not null")
        .arg(a);
}

} // namespace vant
