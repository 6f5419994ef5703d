#include "earlier_settings.h"

#include "session/settings_store.h"

#include <QFile>
#include <QFileInfo>

namespace vant {

QStringList settingsLeadingElsewhere(const CreatorOptions &options)
{
    const ConnectionSettings &connection = options.connection;
    const std::pair<QString, QString> wanted[] = {
        {QStringLiteral("Server"), connection.server},
        {QStringLiteral("Driver"), connection.driver},
        {QStringLiteral("Login"), connection.login},
        {options.product.loginDbValue, connection.database},
    };
    const SettingsKey key;
    QStringList lines;
    for (const auto &[name, value] : wanted) {
        const QString stored = key.value(name);
        if (!stored.isEmpty() && stored != value)
            lines << QStringLiteral("  %1  %2  (new: %3)").arg(name, stored, value);
    }
    return lines;
}

QString replaceSettingsQuestion(const QStringList &leadingElsewhere)
{
    return QStringLiteral("The settings in %1 lead to another database:\n%2\n"
                          "Replace them? A copy of them is kept beside them. [y/N] ")
        .arg(settingsLocation(), leadingElsewhere.join(QLatin1Char('\n')));
}

Outcome<QString> keepSettingsCopy(const QDateTime &now)
{
    const QString store = settingsLocation();
    const QString stem = store + QStringLiteral(".replaced-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = stem;
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = stem + QLatin1Char('-') + QString::number(n);
    if (!QFile::copy(store, copy))
        return Error{1, QStringLiteral("Cannot keep a copy of the settings in %1; they stay as they were.").arg(store)};
    return copy;
}

} // namespace vant
