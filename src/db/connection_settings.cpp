#include "database.h"

#include <QDir>

namespace vant {

namespace {

// Braces only where the value needs them: some drivers (SQLite's among them) take braces
// around a plain value as part of it.
QString braced(const QString &value)
{
    const bool plain = value.trimmed() == value && !value.contains(QLatin1Char(';'))
                       && !value.contains(QLatin1Char('{')) && !value.contains(QLatin1Char('}'));
    if (plain)
        return value;
    QString inner = value;
    return QLatin1Char('{') + inner.replace(QLatin1Char('}'), QStringLiteral("}}")) + QLatin1Char('}');
}

} // namespace

QString ConnectionSettings::oleDbConnectionString() const
{
    return QStringLiteral("Provider=SQLOLEDB;Data Source=") + server + QStringLiteral(";Initial Catalog=") + database
           + QStringLiteral(";User Id=") + login + QStringLiteral(";Password=") + password + QLatin1Char(';');
}

QString ConnectionSettings::sqliteFile() const
{
    if (isEmbedded())
        return QDir(server).filePath(database);
    // SQLite's ODBC drivers open the database name as a file, relative to the working folder.
    if (driver.contains(u"sqlite", Qt::CaseInsensitive))
        return database;
    return {};
}

QString ConnectionSettings::odbcConnectionString() const
{
    const QString odbcDriver = driver.trimmed().isEmpty() ? QStringLiteral("FreeTDS") : driver;
    return QStringLiteral("DRIVER=") + braced(odbcDriver) + QStringLiteral(";SERVER=") + braced(server)
           + QStringLiteral(";DATABASE=") + braced(database) + QStringLiteral(";UID=") + braced(login)
           + QStringLiteral(";PWD=") + braced(password) + QLatin1Char(';');
}

} // namespace vant
