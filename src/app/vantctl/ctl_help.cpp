#include "ctl_options.h"

#include <QMap>

namespace vant::ctl {

namespace {

const QString kLoginOptions =
    QStringLiteral("Login options (every command but history):\n"
                   "  --product NAME     the product to log in to (default: the first one configured)\n"
                   "  --user U           the user id of the employee master\n"
                   "  --password-file F  read the user's password from the first line of the file F\n"
                   "  Without it the password is taken from the environment variable\n"
                   "  VANTCTL_PASSWORD, or asked for on the terminal without being shown.\n"
                   "  --password P       the password itself, kept for older scripts: avoid it, as\n"
                   "                     every user of the machine can read it in the process list\n"
                   "                     and it stays in the shell's history\n");

const QString kOutcomeOptions =
    QStringLiteral("  --dry-run          run the job, print what it did and undo it all: nothing in\n"
                   "                     the database changes; the exit status tells whether the real\n"
                   "                     run would succeed\n"
                   "  --json             print the run's record as JSON instead of text\n\n");

// The help of each command, before the login options.
const QMap<Command, QString> &commandHelp()
{
    static const QMap<Command, QString> help = {
        {Command::Check, QStringLiteral("Usage: vantctl [--product NAME] --user U check [--json]\n\n"
                                        "Logs in and checks the database version, then prints the default company,\n"
                                        "its financial year and voucher table.\n\n")},
        {Command::Transfer,
         QStringLiteral("Usage: vantctl [--product NAME] --user U transfer --dest CODE\n"
                        "         --from YYYY-MM-DD --to YYYY-MM-DD [--yes] [--dry-run] [--json]\n\n"
                        "Copies the period's vouchers, bill-wise and cheque rows of the default company\n"
                        "into one of its shadow companies, as Account Transfer does.\n\n"
                        "  --dest CODE        the shadow company's code or name\n"
                        "  --from, --to       first and last day of the period\n"
                        "  --yes              answer Yes to the overwrite questions; without it a\n"
                        "                     period already transferred is refused\n")
             + kOutcomeOptions},
        {Command::Post,
         QStringLiteral("Usage: vantctl [--product NAME] --user U post --date YYYY-MM-DD\n"
                        "         --division CODE --voucher-type SA|PU|SR|PR --trans-type CODE\n"
                        "         (--all | --voucher N ...) [--actype 1|2] [--dry-run] [--json]\n\n"
                        "Lists the off-line vouchers of the filter as Go does in Accounts Posting, marks\n"
                        "the chosen ones and posts them. A voucher asked for and not posted is named on\n"
                        "standard error, and the exit status is 1.\n\n"
                        "  --date             the voucher date\n"
                        "  --division CODE    the division code\n"
                        "  --voucher-type     SA sales, PU purchase, SR sales return, PR purchase return\n"
                        "  --trans-type CODE  SA: CA CR CH CO CC SP; PU: Ca Cr; SR and PR: CA CR\n"
                        "  --all              mark every listed voucher\n"
                        "  --voucher N        mark the off-line voucher N (repeat for more)\n"
                        "  --actype 1|2       post the marked vouchers under that account type\n")
             + kOutcomeOptions},
        {Command::Purge, QStringLiteral("Usage: vantctl [--product NAME] --user U purge --yes [--dry-run]\n"
                                        "         [--json]\n\n"
                                        "Hands the purge of the current voucher table to the accounts component.\n"
                                        "Recovery is not possible after the purge; --yes confirms it.\n\n")
                             + kOutcomeOptions},
        {Command::Reconcile,
         QStringLiteral("Usage: vantctl [--product NAME] --user U reconcile --dest CODE\n"
                        "         --from YYYY-MM-DD --to YYYY-MM-DD [--json]\n\n"
                        "Compares the default company's period with its copy in the shadow company:\n"
                        "vouchers, lines, debit and credit per voucher code and per ledger on each\n"
                        "side, and every voucher whose copy is missing or differs, with the row and the\n"
                        "column that differ. Changes nothing.\n"
                        "Exit status 0 when the copy matches, 1 when it differs.\n\n"
                        "  --dest CODE        the shadow company's code or name\n"
                        "  --from, --to       first and last day of the period\n\n")},
        {Command::History,
         QStringLiteral("Usage: vantctl history [--job transfer|post|purge] [--since YYYY-MM-DD]\n"
                        "         [--limit N] [--json]\n\n"
                        "Lists the run journal: every transfer, posting and purge run from the windows\n"
                        "or from vantctl, dry runs included, oldest first; each run once, as its last\n"
                        "record says (\"did not end\" when that is not its end).\n\n"
                        "  --job J            that job's runs only\n"
                        "  --since DATE       runs from that day on\n"
                        "  --limit N          the last N runs only\n"
                        "  --json             one JSON record per line\n\n")},
    };
    return help;
}

} // namespace

QString helpText(Command topic)
{
    if (topic == Command::History)
        return commandHelp().value(topic);
    if (topic != Command::None)
        return commandHelp().value(topic) + kLoginOptions;
    return QStringLiteral("Usage: vantctl [--product NAME] --user U COMMAND [OPTIONS]\n\n"
                          "Runs one back-office job of VantProcess without its windows.\n\n"
                          "Commands:\n"
                          "  check      log in and check the database version\n"
                          "  transfer   copy a period into a shadow company\n"
                          "  post       post off-line vouchers\n"
                          "  purge      purge posted off-line vouchers\n"
                          "  reconcile  compare a period with its copy in a shadow company\n"
                          "  history    list the run journal (no login)\n\n")
           + kLoginOptions
           + QStringLiteral("\nOther options:\n"
                            "  --help             describe vantctl, or with a command that command\n"
                            "  --version          show the version\n"
                            "  --json             machine-readable output (every command)\n"
                            "\n'vantctl COMMAND --help' describes a command.\n"
                            "Exit status: 0 done, 1 refused or failed, 2 usage error.\n"
                            "\nThe settings that lead to the database are read from\n"
                            "$XDG_CONFIG_HOME/KormoLedger.conf (~/.config/KormoLedger.conf), or from the\n"
                            "file that the environment variable VANT_SETTINGS names; vant-dbcreator\n"
                            "writes them.\n");
}

} // namespace vant::ctl
