#pragma once

#include <QList>
#include <QString>

namespace vant {

// One installed product of the family, in the order the login lists them.
struct Product
{
    QString name;          // shown at login
    QString code;          // ProductCode
    QString loginDbValue;  // the database-name value the login tests
    QString dbKey;         // ProductDBKey: the same value as the connection names it
    QString postingProgId; // the accounts component the posting creates
};

const QList<Product> &products();
const Product *productByName(const QString &name);

// The accounts component that the posting uses for a product code.
QString postingProgId(const QString &productCode);

// The component of the transfer and the purge, whatever the product.
inline const QString kToolsProgId = QStringLiteral("KormoVant.clsQRXAccounts");

} // namespace vant
