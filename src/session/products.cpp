#include "products.h"

namespace vant {

const QList<Product> &products()
{
    static const QList<Product> table = {
        {QStringLiteral("Kormo Vant"), QStringLiteral("Accounts"), QStringLiteral("VantDB"), QStringLiteral("VANTDB"),
         QStringLiteral("KormoLedger.clsQRXAccounts")},
        {QStringLiteral("Kormo Lite"), QStringLiteral("Lite"), QStringLiteral("LiteVantDB"),
         QStringLiteral("LiteVANTDB"), QStringLiteral("KormoLedgerLite6.clsQRXAccounts")},
        {QStringLiteral("Kormo Mart"), QStringLiteral("Mart"), QStringLiteral("MartVantDB"),
         QStringLiteral("MartVANTDB"), QStringLiteral("KormoLedgerMart6.clsQRXAccounts")},
        {QStringLiteral("Kormo Mart7"), QStringLiteral("Mart7"), QStringLiteral("Mart7VantDB"),
         QStringLiteral("Mart7VANTDB"), QStringLiteral("KormoLedgerMart7.clsQRXAccounts")},
    };
    return table;
}

const Product *productByName(const QString &name)
{
    for (const Product &product : products()) {
        if (product.name == name)
            return &product;
    }
    return nullptr;
}

QString postingProgId(const QString &productCode)
{
    for (const Product &product : products()) {
        if (product.code == productCode && product.code != u"Accounts")
            return product.postingProgId;
    }
    return QStringLiteral("KormoLedger.clsQRXAccounts");
}

} // namespace vant
