#include "connection.h"

#include "password_cipher.h"
#include "session.h"
#include "settings_store.h"
#include "user_prompts.h"

#include <QCoreApplication>

namespace vant {

ConnectResult ConnectDatabase(Session &session, const QString &productDbKey)
{
    session.quoteChar = QStringLiteral("'");
    const SettingsKey key(&session.prompts);
    ConnectionSettings settings;
    settings.database = key.value(productDbKey);
    if (settings.database.trimmed().isEmpty()) {
        session.prompts.message(
            QCoreApplication::translate("vant::Connection", "DB Creator is not Executed yet. Please execute it."));
        return ConnectResult::ProgramEnds;
    }
    settings.server = key.value(QStringLiteral("Server"));
    settings.login = key.value(QStringLiteral("Login"));
    settings.password = DecipherPassword(key.value(QStringLiteral("Password")), kPasswordKey);
    settings.driver = key.value(QStringLiteral("Driver"));
    settings.databaseValue = productDbKey;
    // Every attempt replaces the connection; a refused one leaves none behind.
    session.dbConnection.reset();
    if (settings.server.isEmpty() || settings.login.isEmpty())
        return ConnectResult::Refused;

    auto opened = Database::open(settings);
    if (!opened) {
        session.prompts.message(QString::number(opened.error().number) + QLatin1Char('\n')
                                + opened.error().description);
        return ConnectResult::Refused;
    }
    session.dbConnection = std::move(*opened);
    return ConnectResult::Open;
}

Outcome<QString> CheckDBVersion(Session &session)
{
    auto rs = session.openRecordset(QStringLiteral("Select QPC_CRNT_VERID from QRX_PRODUCT_CONFIG"));
    if (!rs)
        return rs.error();
    if (rs->eof())
        return QString();
    // A NULL version is refused like any other version that is not this program's.
    const QString dbVersion = rs->text(0).trimmed().left(4);
    if (dbVersion == kProgramVersion)
        return QString();
    return QCoreApplication::translate("vant::Connection",
                                       "Exe Version: %1  and DB Version: %2 mismatch. Please apply the latest patch")
        .arg(kProgramVersion, dbVersion);
}

void CloseDBConnection(Session &session)
{
    session.dbConnection.reset();
}

} // namespace vant
