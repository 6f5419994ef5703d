#include "password_cipher.h"

#include "windows1252.h"

namespace vant {

namespace {

// Each text position i (1-based) pairs with key character (i mod L) + 1.
QString shift(const QString &text, const QString &key, int direction)
{
    const QString upperKey = (key.isEmpty() ? kPasswordKey : key).toUpper();
    const qsizetype keyLength = upperKey.size();
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 1; i <= text.size(); ++i) {
        const int c = windows1252::encode(text.at(i - 1)).value_or('?');
        const int k = windows1252::encode(upperKey.at(i % keyLength)).value_or('?');
        result.append(windows1252::decode(static_cast<unsigned char>((c + direction * k) & 0xFF)));
    }
    return result;
}

} // namespace

QString DecipherPassword(const QString &cipherText, const QString &key)
{
    return shift(cipherText, key, -1);
}

QString EncipherPassword(const QString &plainText, const QString &key)
{
    return shift(plainText, key, +1);
}

} // namespace vant
