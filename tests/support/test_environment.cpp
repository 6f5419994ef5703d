#include "test_environment.h"

#include "session/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace vant::test {

namespace {

QTemporaryDir &runFolder()
{
    static QTemporaryDir folder;
    return folder;
}

} // namespace

void isolateUserFiles()
{
    const QString root = runFolder().path();
    qputenv("XDG_CONFIG_HOME", QDir(root).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(root).filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", QDir(root).filePath(QStringLiteral("cache")).toUtf8());
    qputenv("XDG_STATE_HOME", QDir(root).filePath(QStringLiteral("state")).toUtf8());
    qputenv("HOME", QDir(root).filePath(QStringLiteral("home")).toUtf8());
    qunsetenv(kSettingsFileVariable);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder());
    QSettings::setPath(settingsFormat(), QSettings::UserScope, settingsFolder());
}

QString settingsFolder()
{
    return QDir(runFolder().path()).filePath(QStringLiteral("config"));
}

void clearSettings()
{
    QSettings key(settingsFormat(), QSettings::UserScope, QStringLiteral("KormoLedger"));
    key.clear();
    key.sync();
}

} // namespace vant::test
