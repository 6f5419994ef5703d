#include "demo_sql.h"

#include "demo_masters.h"

namespace vant {

QString amountLiteral(qint64 paise)
{
    const QString sign = paise < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = paise < 0 ? -paise : paise;
    return sign + QString::number(magnitude / 100) + QLatin1Char('.')
           + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace vant

namespace vant::demo {

InsertStatement voucherLineInsert(const QString &table, const LineOwner &owner, const Line &line,
                                  const VoucherShape &shape)
{
    InsertStatement insert = InsertStatement::into(table);
    insert.number("CompanyCode", kDefaultCompany)
        .number("DivisionCode", owner.division)
        .number("AcType", owner.acType)
        .number("VoucherNo", owner.voucherNo)
        .date("VoucherDt", owner.day)
        .number("LedgerCode", line.ledger)
        .number("OppLedgerCode", line.oppLedger)
        .text("CrDr", QString(line.crDr))
        .set("Amount", amountLiteral(line.paise))
        .number("VoucherCode", shape.voucherCode);
    return insert;
}

} // namespace vant::demo
