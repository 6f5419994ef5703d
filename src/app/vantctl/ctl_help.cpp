#include "ctl_options.h"

namespace vant::ctl {

QString helpText(Command topic)
{
    const QString login = QStringLiteral(
        "Login options (every command):\n"
        "  --product NAME     the product to log in to (default: the first one configured)\n"
        "  --user U           the user id of the employee master\n"
        "  --password P       the user's password\n");
    switch (topic) {
    case Command::Check:
        return QStringLiteral("Usage: vantctl [--product NAME] --user U --password P check\n\n"
                              "Logs in and checks the database version, then prints the default company,\n"
                              "its financial year and voucher table.\n\n")
               + login;
    case Command::Transfer:
        return QStringLiteral(
                   "Usage: vantctl [--product NAME] --user U --password P transfer --dest CODE\n"
                   "         --from YYYY-MM-DD --to YYYY-MM-DD [--yes]\n\n"
                   "Copies the period's vouchers, bill-wise and cheque rows of the default company\n"
                   "into one of its shadow companies, as Account Transfer does.\n\n"
                   "  --dest CODE        the shadow company's code or name\n"
                   "  --from, --to       first and last day of the period\n"
                   "  --yes              answer Yes to the overwrite questions; without it a\n"
                   "                     period already transferred is refused\n\n")
               + login;
    case Command::Post:
        return QStringLiteral(
                   "Usage: vantctl [--product NAME] --user U --password P post --date YYYY-MM-DD\n"
                   "         --division CODE --voucher-type SA|PU|SR|PR --trans-type CODE\n"
                   "         (--all | --voucher N ...) [--actype 1|2]\n\n"
                   "Lists the off-line vouchers of the filter as Go does in Accounts Posting, marks\n"
                   "the chosen ones and posts them.\n\n"
                   "  --date             the voucher date\n"
                   "  --division CODE    the division code\n"
                   "  --voucher-type     SA sales, PU purchase, SR sales return, PR purchase return\n"
                   "  --trans-type CODE  SA: CA CR CH CO CC SP; PU: Ca Cr; SR and PR: CA CR\n"
                   "  --all              mark every listed voucher\n"
                   "  --voucher N        mark the off-line voucher N (repeat for more)\n"
                   "  --actype 1|2       post the marked vouchers under that account type\n\n")
               + login;
    case Command::Purge:
        return QStringLiteral("Usage: vantctl [--product NAME] --user U --password P purge --yes\n\n"
                              "Hands the purge of the current voucher table to the accounts component.\n"
                              "Recovery is not possible after the purge; --yes confirms it.\n\n")
               + login;
    case Command::None:
        break;
    }
    return QStringLiteral("Usage: vantctl [--product NAME] --user U --password P COMMAND [OPTIONS]\n\n"
                          "Runs one back-office job of VantProcess without its windows.\n\n"
                          "Commands:\n"
                          "  check      log in and check the database version\n"
                          "  transfer   copy a period into a shadow company\n"
                          "  post       post off-line vouchers\n"
                          "  purge      purge posted off-line vouchers\n\n")
           + login
           + QStringLiteral("\nOther options:\n"
                            "  --help             describe vantctl, or with a command that command\n"
                            "  --version          show the version\n"
                            "\n'vantctl COMMAND --help' describes a command.\n"
                            "Exit status: 0 done, 1 refused or failed, 2 usage error.\n");
}

} // namespace vant::ctl
