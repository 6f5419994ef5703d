#include "database_creator.h"

#include "demo_data.h"
#include "db/accounts_schema.h"
#include "session/password_cipher.h"
#include "session/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace vant {

namespace {

constexpr int kCreatorError = 1;

Error failure(const QString &description)
{
    return Error{kCreatorError, description};
}

// Tables and demo rows in one transaction, so a failure leaves nothing half made.
Status fill(Database &db, const CreatorOptions &options, const QDate &today)
{
    const FinancialYear year = financialYearOf(today);
    TransactionGuard transaction(db);
    if (Status begun = transaction.begin(); !begun)
        return begun;
    if (Status created = createAccountsSchema(db, {year.key}); !created)
        return created;
    if (options.demo) {
        if (Status filled = fillDemoData(db, {year, today, options.plainPasswords}); !filled)
            return filled;
    }
    return transaction.commit();
}

Status createEmptyFile(const QString &path)
{
    const QString name = QStringLiteral("vant-dbcreator-create");
    bool opened = false;
    QString error;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        file.setDatabaseName(path);
        opened = file.open();
        if (!opened)
            error = file.lastError().text();
        file.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!opened)
        return failure(QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(path), error));
    return {};
}

Outcome<QString> createEmbedded(const CreatorOptions &options, const QDate &today)
{
    const QString folder = options.connection.server;
    const QString path = QDir(folder).filePath(options.connection.database);
    const QString shownPath = QDir::toNativeSeparators(path);
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return failure(QStringLiteral("%1 exists and is not a database file.").arg(shownPath));
    if (target.exists() && !options.force)
        return failure(QStringLiteral("%1 already exists; give --force to replace it.").arg(shownPath));
    if (!QDir().mkpath(folder))
        return failure(QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(folder)));

    // Built under another name and moved into place at the end, so that a failure
    // keeps the database that --force was to replace.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    if (Status created = createEmptyFile(building); !created)
        return created.error();
    Status filled;
    {
        ConnectionSettings settings = options.connection;
        settings.database = QFileInfo(building).fileName();
        auto db = Database::open(settings);
        filled = db ? fill(**db, options, today) : Status(db.error());
    }
    if (!filled) {
        QFile::remove(building);
        return failure(QStringLiteral("Cannot create the tables in %1: %2").arg(shownPath, filled.error().description));
    }
    if (target.exists() && !QFile::remove(path)) {
        QFile::remove(building);
        return failure(QStringLiteral("Cannot replace %1: the file cannot be removed.").arg(shownPath));
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        return failure(QStringLiteral("Cannot move the new database to %1.").arg(shownPath));
    }
    return shownPath;
}

Outcome<QString> createOnServer(const CreatorOptions &options, const QDate &today)
{
    const ConnectionSettings &settings = options.connection;
    const QString place =
        QStringLiteral("database %1 on %2 (ODBC driver %3)").arg(settings.database, settings.server, settings.driver);
    auto db = Database::open(settings);
    if (!db) {
        return failure(
            QStringLiteral("Cannot connect to %1: %2. The database must exist.").arg(place, db.error().description));
    }
    if (Status filled = fill(**db, options, today); !filled)
        return failure(QStringLiteral("Cannot create the tables in %1: %2").arg(place, filled.error().description));
    return place;
}

} // namespace

void writeCreatorSettings(const CreatorOptions &options)
{
    const ConnectionSettings &settings = options.connection;
    writeSetting(QStringLiteral("Server"), settings.server);
    writeSetting(QStringLiteral("Login"), settings.login);
    writeSetting(QStringLiteral("Password"), EncipherPassword(settings.password, kPasswordKey));
    writeSetting(QStringLiteral("Driver"), settings.driver);
    writeSetting(options.product.loginDbValue, settings.database);
}

Outcome<QString> createAccountsDatabase(const CreatorOptions &options, const QDate &today)
{
    return options.connection.isEmbedded() ? createEmbedded(options, today) : createOnServer(options, today);
}

} // namespace vant
