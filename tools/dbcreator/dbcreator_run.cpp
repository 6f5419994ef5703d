#include "dbcreator_run.h"

#include "creator_options.h"
#include "database_creator.h"
#include "earlier_settings.h"
#include "financial_year.h"

#include "program_identity.h"
#include "session/settings_store.h"

#include <QTextStream>

namespace vant {

namespace {

const QString kProgram = QStringLiteral("vant-dbcreator");

void reportCreated(QTextStream &out, const CreatorOptions &options, const QString &location, const QDate &today)
{
    const FinancialYear year = financialYearOf(today);
    out << "Created the " << options.product.name << " accounts database: " << location << '\n'
        << "Financial year " << year.key << " from " << year.begin.toString(QStringLiteral("dd/MM/yyyy"))
        << ", voucher table " << year.voucherTable() << ".\n"
        << "Settings written to " << settingsLocation() << ": Server, Login, Password, Driver and "
        << options.product.loginDbValue << ".\n";
    if (options.demo) {
        out << "Demo login: user \"" << kDemoUser << "\", password \"" << kDemoPassword << "\" (or user \""
            << kDemoClerk << "\", password \"" << kDemoClerkPassword << "\").\n";
    } else {
        out << "The database has no users yet; add them to psm_employee_master, or run again with --demo.\n";
    }
}

} // namespace

int runDbCreator(const QStringList &arguments, QTextStream &out, QTextStream &err, const QDate &today,
                 const QString &defaultFolder, const Confirm &confirm)
{
    const ParsedCommandLine parsed = parseCreatorOptions(arguments, defaultFolder);
    switch (parsed.action) {
    case ParsedCommandLine::Action::ShowHelp: out << creatorHelpText(defaultFolder); return kCreatorDone;
    case ParsedCommandLine::Action::ShowVersion: out << kProgram << ' ' << kVersion << '\n'; return kCreatorDone;
    case ParsedCommandLine::Action::UsageError:
        err << kProgram << ": " << parsed.error << '\n' << "Run " << kProgram << " --help for the options.\n";
        return kCreatorUsageError;
    case ParsedCommandLine::Action::Create: break;
    }
    const CreatorOptions &options = parsed.options;
    const QStringList elsewhere = settingsLeadingElsewhere(options);
    if (!elsewhere.isEmpty() && !options.force && !confirm(replaceSettingsQuestion(elsewhere))) {
        err << kProgram << ": Nothing created; the settings in " << settingsLocation()
            << " stay as they were. Give --force to replace them.\n";
        return kCreatorFailed;
    }
    const auto created = createAccountsDatabase(options, today);
    if (!created) {
        err << kProgram << ": " << created.error().description << '\n';
        return kCreatorFailed;
    }
    if (!elsewhere.isEmpty()) {
        const auto copy = keepSettingsCopy(QDateTime::currentDateTime());
        if (!copy) {
            err << kProgram << ": Created " << *created << ", but: " << copy.error().description << '\n';
            return kCreatorFailed;
        }
        out << "The earlier settings are kept in " << *copy << ".\n";
    }
    writeCreatorSettings(options);
    reportCreated(out, options, *created, today);
    return kCreatorDone;
}

} // namespace vant
