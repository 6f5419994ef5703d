#include "settings_store.h"

#include <QSettings>

#include <limits>
#include <memory>

namespace vant {

namespace {

std::unique_ptr<QSettings> openKey(const QString &rootKey, const QString &keyPath)
{
    if (rootKey != kRegistryRoot || keyPath.compare(kRegistryPath, Qt::CaseInsensitive) != 0)
        return nullptr;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("KormoLedger"));
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
    case QMetaType::QString:
        valueOut = value.toString();
        return 0;
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
    default:
        return -1;
    }
}

QString GetRegisterVal(const QString &rootKey, const QString &keyPath, const QString &valueName)
{
    const auto key = openKey(rootKey, keyPath);
    if (!key)
        return {};
    QString value;
    QueryRegValue(*key, valueName, value);
    return value;
}

QString readSetting(const QString &valueName)
{
    return GetRegisterVal(kRegistryRoot, kRegistryPath, valueName);
}

void writeSetting(const QString &valueName, const QString &value)
{
    const auto key = openKey(kRegistryRoot, kRegistryPath);
    const QString existing = storedName(*key, valueName);
    key->setValue(existing.isEmpty() ? valueName : existing, value);
}

} // namespace vant
