#include "demo_sql.h"

namespace vant {

QString amountLiteral(qint64 paise)
{
    const QString sign = paise < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = paise < 0 ? -paise : paise;
    return sign + QString::number(magnitude / 100) + QLatin1Char('.')
           + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace vant
