#pragma once

#include "db/database.h"
#include "session/products.h"

#include <QString>
#include <QStringList>

namespace vant {

// What the database creator was asked to do.
struct CreatorOptions
{
    Product product;
    ConnectionSettings connection;
    bool demo = false;
    bool plainPasswords = false;
    bool force = false;
};

struct ParsedCommandLine
{
    enum class Action { Create, ShowHelp, ShowVersion, UsageError };

    Action action = Action::Create;
    CreatorOptions options;
    QString error; // the usage error, for UsageError
};

inline const QString kDemoUser = QStringLiteral("Admin");
inline const QString kDemoPassword = QStringLiteral("vant");
inline const QString kDemoClerk = QStringLiteral("Clerk");
inline const QString kDemoClerkPassword = QStringLiteral("clerk");

// Reads the command line; arguments[0] is the program name. defaultFolder is where an
// embedded database goes when --server is not given.
ParsedCommandLine parseCreatorOptions(const QStringList &arguments, const QString &defaultFolder);

// The per-user data folder of the program, where embedded databases go by default.
QString defaultDatabaseFolder();

QString creatorHelpText(const QString &defaultFolder);

} // namespace vant
