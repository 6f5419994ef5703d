#pragma once

#include <QString>

class QSettings;

namespace vant {

// The per-user store that the product family's database installer fills: the
// registry key HKEY_CURRENT_USER\Software\KormoLedger on Windows, an INI file
// KormoLedger.conf in the XDG config dir elsewhere.
inline const QString kRegistryRoot = QStringLiteral("HKEY_CURRENT_USER");
inline const QString kRegistryPath = QStringLiteral("Software\\KormoLedger");

struct RegistryValue
{
    int status = 0; // 0 read; -1 a kind other than string or 32-bit number; otherwise the store's error
    QString text;   // the value as text; empty unless read
};

// Reads one value of an open key. Value names match without regard to letter case.
int QueryRegValue(const QSettings &key, const QString &valueName, QString &valueOut);

// Reads one value under the root and key path; a missing key or value reads as empty.
QString GetRegisterVal(const QString &rootKey, const QString &keyPath, const QString &valueName);

// GetRegisterVal on the program's own key.
QString readSetting(const QString &valueName);

// Writes a string value of the program's key (used by the database creator).
void writeSetting(const QString &valueName, const QString &value);

} // namespace vant
