#pragma once

#include <QString>

namespace vant {

inline const QString kPasswordKey = QStringLiteral("vintrox");

// Deciphers the stored SQL password. Characters are taken through Windows-1252; a
// character outside that code page counts as "?", as the Windows conversion makes it.
QString DecipherPassword(const QString &cipherText, const QString &key);

// The inverse, for the tool that writes the settings.
QString EncipherPassword(const QString &plainText, const QString &key);

} // namespace vant
