#include "ctl_run.h"

#include "ctl_commands.h"
#include "ctl_options.h"
#include "ctl_password.h"
#include "stream_prompts.h"

#include "program_identity.h"
#include "session/company_context.h"
#include "session/connection.h"
#include "session/error_report.h"
#include "login/login_engine.h"
#include "session/session.h"
#include "session/settings_store.h"

#include <QCoreApplication>
#include <QTextStream>

namespace vant::ctl {

namespace {

// The product as the login list would hold it: the first configured one by default,
// none when the named product is not configured on this machine.
QString chosenProduct(const QStringList &configured, const QString &named)
{
    if (named.isEmpty())
        return configured.value(0);
    return configured.contains(named) ? named : QString();
}

// Where the settings are looked for and how they are made, for a machine that has none.
void explainMissingSettings(QTextStream &err)
{
    err << QCoreApplication::translate("vant::ctl",
                                       "No product's database is named in the settings, looked for in\n"
                                       "%1 (or the file that %2 names).\n"
                                       "vant-dbcreator creates a database and writes the settings that lead to it;\n"
                                       "vant-dbcreator --demo makes one with demonstration data to try.\n")
               .arg(settingsLocation(), QLatin1String(kSettingsFileVariable));
}

bool login(Session &session, const Request &request, const QString &password, QTextStream &err)
{
    const QStringList configured = FillProductList(session.prompts);
    const LoginResult result =
        DoLogin(session, LoginEntry{chosenProduct(configured, request.product), request.user, password});
    if (configured.isEmpty())
        explainMissingSettings(err);
    if (result.next != LoginResult::Next::ShowMain)
        return false;
    // As the main window's load: the jobs see an empty context when there is no default company.
    DefaultCompanySet(session);
    return true;
}

int runCommand(Session &session, const Request &request, QTextStream &out, bool terminal)
{
    switch (request.command) {
    case Command::Check: return runCheck(session, request.json, out);
    case Command::Transfer:
    case Command::Purge:
    case Command::Post: return runJob(session, request, out, terminal);
    case Command::Reconcile: return runReconcile(session, request.transfer, request.json, out);
    case Command::History:
    case Command::None: break;
    }
    return kUsageError;
}

} // namespace

int runVantctl(const QStringList &arguments, QTextStream &out, QTextStream &err, bool terminal)
{
    const ParsedArguments parsed = parseArguments(arguments);
    switch (parsed.action) {
    case ParsedArguments::Action::ShowHelp: out << helpText(parsed.helpTopic); return kDone;
    case ParsedArguments::Action::ShowVersion: out << "vantctl " << kVersion << '\n'; return kDone;
    case ParsedArguments::Action::UsageError:
        err << "vantctl: " << parsed.error << "\nTry 'vantctl --help' for more information.\n";
        return kUsageError;
    case ParsedArguments::Action::Run: break;
    }

    if (parsed.request.command == Command::History)
        return runHistory(parsed.request.history, parsed.request.json, ErrorLog(ErrorLog::defaultLogPath(), nullptr),
                          out, err);

    const std::optional<QString> password = takePassword(parsed.request, err);
    if (!password)
        return kUsageError;
    StreamPrompts prompts(err, parsed.request.yes);
    Session session(prompts, ErrorLog::defaultLogPath());
    int status = kRefused;
    if (login(session, parsed.request, *password, err))
        status = runCommand(session, parsed.request, out, terminal);
    out.flush();
    CloseDBConnection(session);
    return status;
}

} // namespace vant::ctl
