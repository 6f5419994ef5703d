#include "password_digest.h"

#include "windows1252.h"

#include <QCryptographicHash>

namespace vant {

namespace {

// The digest has always refused longer texts (its first implementation counted in 16 bits).
constexpr qsizetype kLongestText = 32767;

} // namespace

QString PasswordDigest(const QString &text)
{
    const QString failed = QStringLiteral("Error");
    if (text.size() > kLongestText)
        return failed;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto code = windows1252::encode(c);
        if (!code)
            return failed;
        bytes.append(static_cast<char>(*code));
    }
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper());
}

} // namespace vant
