#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace vant {

class UserPrompts;

// The per-user store that the product family's database installer fills: the
// registry key HKEY_CURRENT_USER\Software\KormoLedger on Windows, the text file
// KormoLedger.conf in the XDG config dir elsewhere. The environment variable VANT_SETTINGS
// names another settings file instead (the demo keeps its own settings that way).
inline const QString kRegistryRoot = QStringLiteral("HKEY_CURRENT_USER");
inline const QString kRegistryPath = QStringLiteral("Software\\KormoLedger");

inline constexpr char kSettingsFileVariable[] = "VANT_SETTINGS";

// The store's format: the registry on Windows, the settings file of settings_file_format.h elsewhere.
QSettings::Format settingsFormat();

// Where the store is, as a person would look for it: the file, or the registry key.
QString settingsLocation();

// Reads one value of an open key. Value names match without regard to letter case.
int QueryRegValue(const QSettings &key, const QString &valueName, QString &valueOut);

// The program's key, opened once for several reads. A store that exists but cannot be read
// shows its reason followed by "  GetRegisterVal" (when prompts are given), and every value
// then reads as empty.
class SettingsKey
{
public:
    explicit SettingsKey(UserPrompts *prompts = nullptr);
    ~SettingsKey();

    // The value as text; a missing value reads as empty.
    QString value(const QString &valueName) const;

private:
    std::unique_ptr<QSettings> m_key;
};

// Reads one value under the root and key path; a missing key or value reads as empty.
QString GetRegisterVal(const QString &rootKey, const QString &keyPath, const QString &valueName,
                       UserPrompts *prompts = nullptr);

// GetRegisterVal on the program's own key.
QString readSetting(const QString &valueName, UserPrompts *prompts = nullptr);

// Writes a string value of the program's key (used by the database creator).
void writeSetting(const QString &valueName, const QString &value);

} // namespace vant
