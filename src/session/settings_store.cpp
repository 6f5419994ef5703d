#include "settings_store.h"

#include "settings_file_format.h"
#include "user_prompts.h"

#include <QCoreApplication>
#include <QDir>

#include <limits>

namespace vant {

namespace {

const QString kStoreName = QStringLiteral("KormoLedger");

QSettings::Format settingsFileFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readSettingsFile, writeSettingsFile);
    return format;
}

std::unique_ptr<QSettings> openProgramKey()
{
    const QString namedFile = qEnvironmentVariable(kSettingsFileVariable);
    if (!namedFile.isEmpty())
        return std::make_unique<QSettings>(namedFile, settingsFileFormat());
    return std::make_unique<QSettings>(settingsFormat(), QSettings::UserScope, kStoreName);
}

bool isProgramKey(const QString &rootKey, const QString &keyPath)
{
    return rootKey == kRegistryRoot && keyPath.compare(kRegistryPath, Qt::CaseInsensitive) == 0;
}

// Why the store cannot be read, or empty when it can.
QString unreadableReason(const QSettings &key)
{
    switch (key.status()) {
    case QSettings::NoError: return {};
    case QSettings::AccessError:
        return QCoreApplication::translate("vant::SettingsKey", "The settings store %1 cannot be read.")
            .arg(key.fileName());
    case QSettings::FormatError:
        return QCoreApplication::translate("vant::SettingsKey",
                                           "The settings store %1 is not made of \"Name=value\" lines.")
            .arg(key.fileName());
    }
    return {};
}

QString storedName(const QSettings &key, const QString &valueName)
{
    const QStringList names = key.childKeys();
    for (const QString &name : names) {
        if (name.compare(valueName, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

} // namespace

int QueryRegValue(const QSettings &key, const QString &valueName, QString &valueOut)
{
    valueOut.clear();
    const QString name = storedName(key, valueName);
    if (name.isEmpty())
        return 2; // the registry's "file not found"
    const QVariant value = key.value(name);
    switch (value.typeId()) {
    case QMetaType::QString: valueOut = value.toString(); return 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok || number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<quint32>::max())
            return -1;
        // A registry DWORD is handed out as a signed 32-bit number.
        valueOut = QString::number(static_cast<qint32>(static_cast<quint32>(number)));
        return 0;
    }
    default: return -1;
    }
}

QSettings::Format settingsFormat()
{
#ifdef Q_OS_WIN
    return QSettings::NativeFormat;
#else
    return settingsFileFormat();
#endif
}

QString settingsLocation()
{
    return QDir::toNativeSeparators(openProgramKey()->fileName());
}

SettingsKey::SettingsKey(UserPrompts *prompts) : m_key(openProgramKey())
{
    const QString reason = unreadableReason(*m_key);
    if (reason.isEmpty())
        return;
    m_key.reset();
    if (prompts)
        prompts->message(reason + QStringLiteral("  GetRegisterVal"));
}

SettingsKey::~SettingsKey() = default;

QString SettingsKey::value(const QString &valueName) const
{
    QString value;
    if (m_key)
        QueryRegValue(*m_key, valueName, value);
    return value;
}

QString GetRegisterVal(const QString &rootKey, const QString &keyPath, const QString &valueName, UserPrompts *prompts)
{
    if (!isProgramKey(rootKey, keyPath))
        return {};
    return SettingsKey(prompts).value(valueName);
}

QString readSetting(const QString &valueName, UserPrompts *prompts)
{
    return GetRegisterVal(kRegistryRoot, kRegistryPath, valueName, prompts);
}

void writeSetting(const QString &valueName, const QString &value)
{
    const auto key = openProgramKey();
    const QString existing = storedName(*key, valueName);
    key->setValue(existing.isEmpty() ? valueName : existing, value);
}

} // namespace vant
