#include "creator_options.h"

#include "program_identity.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

namespace vant {

namespace {

const QString kEmbeddedDriver = QStringLiteral("SQLite");

QStringList productNames()
{
    QStringList names;
    for (const Product &product : products())
        names << QLatin1Char('"') + product.name + QLatin1Char('"');
    return names;
}

ParsedCommandLine usageError(const QString &error)
{
    ParsedCommandLine parsed;
    parsed.action = ParsedCommandLine::Action::UsageError;
    parsed.error = error;
    return parsed;
}

// The connection settings that the options give; the usage error of the first unusable one.
QString takeConnection(const QCommandLineParser &parser, const QString &defaultFolder, ConnectionSettings &connection)
{
    const auto given = [&parser](const char *name, const QString &otherwise) {
        const QString option = QLatin1String(name);
        return parser.isSet(option) ? parser.value(option).trimmed() : otherwise;
    };
    connection.driver = parser.value(QStringLiteral("driver")).trimmed();
    if (connection.driver.isEmpty())
        return QStringLiteral("--driver needs a name: SQLite, or the ODBC driver for SQL Server.");
    const bool embedded = connection.isEmbedded();
    if (embedded)
        connection.driver = kEmbeddedDriver;

    connection.server = given("server", embedded ? defaultFolder : QStringLiteral("localhost"));
    if (connection.server.isEmpty())
        return QStringLiteral("--server needs a value.");
    // The settings must lead the login to this folder whatever its working directory.
    if (embedded)
        connection.server = QDir::cleanPath(QDir(connection.server).absolutePath());

    connection.database = given("database", embedded ? QStringLiteral("vantdemo.db") : QStringLiteral("VANTDEMO"));
    if (connection.database.isEmpty())
        return QStringLiteral("--database needs a name.");
    if (embedded && (connection.database.contains(QLatin1Char('/')) || connection.database.contains(QLatin1Char('\\'))))
        return QStringLiteral("--database is the file name only; give its folder with --server.");

    connection.login = parser.value(QStringLiteral("login")).trimmed();
    // The login refuses to connect without a login name.
    if (connection.login.isEmpty())
        return QStringLiteral("--login needs a name.");
    connection.password = parser.value(QStringLiteral("password"));
    return QString();
}

} // namespace

QString defaultDatabaseFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(kUserFolderName);
}

ParsedCommandLine parseCreatorOptions(const QStringList &arguments, const QString &defaultFolder)
{
    const QCommandLineOption product(QStringLiteral("product"), QString(), QStringLiteral("name"),
                                     products().first().name);
    const QCommandLineOption driver(QStringLiteral("driver"), QString(), QStringLiteral("name"), kEmbeddedDriver);
    const QCommandLineOption server(QStringLiteral("server"), QString(), QStringLiteral("server"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("name"));
    const QCommandLineOption login(QStringLiteral("login"), QString(), QStringLiteral("login"), QStringLiteral("sa"));
    const QCommandLineOption password(QStringLiteral("password"), QString(), QStringLiteral("password"));
    const QCommandLineOption demo(QStringLiteral("demo"));
    const QCommandLineOption plainPasswords(QStringLiteral("plain-passwords"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({product, driver, server, database, login, password, demo, plainPasswords, force, help, version});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        ParsedCommandLine parsed;
        parsed.action = ParsedCommandLine::Action::ShowHelp;
        return parsed;
    }
    if (parser.isSet(version)) {
        ParsedCommandLine parsed;
        parsed.action = ParsedCommandLine::Action::ShowVersion;
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first());

    ParsedCommandLine parsed;
    CreatorOptions &options = parsed.options;
    const Product *chosen = productByName(parser.value(product));
    if (!chosen) {
        return usageError(QStringLiteral("Unknown product \"%1\"; choose one of %2.")
                              .arg(parser.value(product), productNames().join(QStringLiteral(", "))));
    }
    options.product = *chosen;

    if (const QString error = takeConnection(parser, defaultFolder, options.connection); !error.isEmpty())
        return usageError(error);

    options.demo = parser.isSet(demo);
    options.plainPasswords = parser.isSet(plainPasswords);
    options.force = parser.isSet(force);
    return parsed;
}

QString creatorHelpText(const QString &defaultFolder)
{
    return QStringLiteral("Usage: vant-dbcreator [options]\n"
                          "Creates the accounts database of a Kormo product and writes the settings\n"
                          "(Server, Login, Password, Driver and the product's database name) that\n"
                          "VantProcess connects with.\n"
                          "\n"
                          "Options:\n"
                          "  --product NAME     \"Kormo Vant\" (default), \"Kormo Lite\", \"Kormo Mart\" or\n"
                          "                     \"Kormo Mart7\"\n"
                          "  --driver NAME      SQLite (default) for an embedded database file; any other\n"
                          "                     text names the ODBC driver for SQL Server, e.g. FreeTDS\n"
                          "  --server TEXT      SQLite: the folder that holds the database files\n"
                          "                     (default %1);\n"
                          "                     SQL Server: the server (default localhost)\n"
                          "  --database NAME    SQLite: the file name (default vantdemo.db);\n"
                          "                     SQL Server: an existing, empty database (default VANTDEMO)\n"
                          "  --login NAME       SQL Server login (default sa)\n"
                          "  --password TEXT    SQL Server password (default empty); stored enciphered\n"
                          "  --demo             fill in a demo company: shadow companies, divisions, ledgers,\n"
                          "                     a year of vouchers up to today and today's off-line vouchers\n"
                          "  --plain-passwords  store the users' passwords as typed instead of as digests\n"
                          "  --force            replace an existing embedded database file, and settings\n"
                          "                     that lead to another database, without asking\n"
                          "  --help             show this text\n"
                          "  --version          show the version\n"
                          "\n"
                          "Demo login: user \"%2\", password \"%3\" (or user \"%4\", password \"%5\").\n"
                          "\n"
                          "Settings: $XDG_CONFIG_HOME/KormoLedger.conf (~/.config/KormoLedger.conf), or\n"
                          "the file that the environment variable VANT_SETTINGS names. Settings there\n"
                          "that lead to another database are replaced only after a yes (or --force),\n"
                          "and a copy of them is kept beside them.\n"
                          "\n"
                          "Exit status: 0 created, 1 failed, 2 wrong options.\n")
        .arg(defaultFolder, kDemoUser, kDemoPassword, kDemoClerk, kDemoClerkPassword);
}

} // namespace vant
