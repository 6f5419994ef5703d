#include "desktop_identity.h"
#include "desktop_program.h"
#include "program_identity.h"
#include "session/translations.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// The window program has no options of its own. --version and --help are answered on
// the terminal before the application object exists, so that they need no display;
// every other argument is left to Qt (-platform, -style, ...).
std::optional<int> answerTerminalOptions(int argc, char **argv)
{
    QTextStream out(stdout);
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            out << "vantprocess " << vant::kVersion << '\n';
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            out << "Usage: vantprocess\n\n"
                   "Account Transfer, Purge Data and Accounts Posting on a Kormo accounts database,\n"
                   "from the login window on. The products and their databases are the ones that\n"
                   "vant-dbcreator configured; vantctl runs the same jobs without windows.\n\n"
                   "  --help     show this text\n"
                   "  --version  show the version\n\n"
                   "The settings that lead to the databases are read from\n"
                   "$XDG_CONFIG_HOME/KormoLedger.conf (~/.config/KormoLedger.conf), or from the\n"
                   "file that the environment variable VANT_SETTINGS names. Errors are written\n"
                   "to $XDG_STATE_HOME/vant/vantlog.txt (~/.local/state/vant/vantlog.txt).\n";
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    if (const auto answered = answerTerminalOptions(argc, argv))
        return *answered;

    QApplication app(argc, argv);
    const vant::Translations translations(QLocale(), vant::Translations::programFolder());
    vant::applyDesktopIdentity();

    vant::DesktopProgram program;
    program.start();
    QApplication::exec();
    // However the run ends, the program's exit code is 0.
    return 0;
}
