#include "ctl_options.h"

#include "posting/posting_filters.h"
#include "session/products.h"

#include <QList>

#include <optional>

namespace vant::ctl {

namespace {

struct OptionSpec
{
    QString name;
    bool takesValue;
    QList<Command> commands; // empty: every command
};

const QList<OptionSpec> &optionSpecs()
{
    static const QList<OptionSpec> specs = {
        {QStringLiteral("--product"), true, {}},
        {QStringLiteral("--user"), true, {}},
        {QStringLiteral("--password"), true, {}},
        {QStringLiteral("--help"), false, {}},
        {QStringLiteral("--version"), false, {}},
        {QStringLiteral("--yes"), false, {Command::Transfer, Command::Purge}},
        {QStringLiteral("--dest"), true, {Command::Transfer}},
        {QStringLiteral("--from"), true, {Command::Transfer}},
        {QStringLiteral("--to"), true, {Command::Transfer}},
        {QStringLiteral("--date"), true, {Command::Post}},
        {QStringLiteral("--division"), true, {Command::Post}},
        {QStringLiteral("--voucher-type"), true, {Command::Post}},
        {QStringLiteral("--trans-type"), true, {Command::Post}},
        {QStringLiteral("--all"), false, {Command::Post}},
        {QStringLiteral("--voucher"), true, {Command::Post}},
        {QStringLiteral("--actype"), true, {Command::Post}},
    };
    return specs;
}

const OptionSpec *findSpec(const QString &name)
{
    for (const OptionSpec &spec : optionSpecs()) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

// The voucher types in the order of the posting window's list.
QStringList voucherTypeCodes()
{
    QStringList codes;
    for (const QString &entry : voucherTypeEntries())
        codes << typeCode(entry);
    return codes;
}

std::optional<Command> commandNamed(const QString &name)
{
    if (name == u"check")
        return Command::Check;
    if (name == u"transfer")
        return Command::Transfer;
    if (name == u"post")
        return Command::Post;
    if (name == u"purge")
        return Command::Purge;
    return std::nullopt;
}

QString commandName(Command command)
{
    switch (command) {
    case Command::Check: return QStringLiteral("check");
    case Command::Transfer: return QStringLiteral("transfer");
    case Command::Post: return QStringLiteral("post");
    case Command::Purge: return QStringLiteral("purge");
    case Command::None: break;
    }
    return QString();
}

struct GivenOption
{
    QString name;
    QString value;
};

// The options in the order given, the command and any stray word; no meaning yet.
struct Tokens
{
    QList<GivenOption> options;
    QStringList words;
    QString error;
};

Tokens tokenize(const QStringList &arguments)
{
    Tokens tokens;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(u"--") || argument.size() == 2) {
            tokens.words << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const OptionSpec *spec = findSpec(name);
        if (!spec) {
            tokens.error = QStringLiteral("unknown option %1").arg(name);
            return tokens;
        }
        if (!spec->takesValue) {
            if (equals >= 0) {
                tokens.error = QStringLiteral("option %1 takes no value").arg(name);
                return tokens;
            }
            tokens.options << GivenOption{name, QString()};
        } else if (equals >= 0) {
            tokens.options << GivenOption{name, argument.mid(equals + 1)};
        } else if (i + 1 < arguments.size()) {
            tokens.options << GivenOption{name, arguments.at(++i)};
        } else {
            tokens.error = QStringLiteral("option %1 needs a value").arg(name);
            return tokens;
        }
    }
    return tokens;
}

std::optional<QDate> isoDate(const QString &text)
{
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

class RequestReader
{
public:
    explicit RequestReader(Request &request) : m_request(request) {}

    // Takes one option's value into the request; false with the error set when it is unusable.
    bool take(const GivenOption &option);
    // The checks that need every option: required ones and exclusive choices.
    bool complete(const QList<GivenOption> &given);

    QString error;

private:
    bool fail(const QString &message)
    {
        error = message;
        return false;
    }
    bool takeDate(const GivenOption &option, QDate &date);
    bool takeTransType();

    Request &m_request;
};

bool RequestReader::takeDate(const GivenOption &option, QDate &date)
{
    const auto parsed = isoDate(option.value);
    if (!parsed)
        return fail(QStringLiteral("%1 needs a date written YYYY-MM-DD, not \"%2\"").arg(option.name, option.value));
    date = *parsed;
    return true;
}

bool RequestReader::take(const GivenOption &option)
{
    const QString &name = option.name;
    const QString &value = option.value;
    if (name == u"--product") {
        for (const Product &product : products()) {
            if (product.name.compare(value, Qt::CaseInsensitive) == 0) {
                m_request.product = product.name;
                return true;
            }
        }
        QStringList names;
        for (const Product &product : products())
            names << QLatin1Char('"') + product.name + QLatin1Char('"');
        return fail(QStringLiteral("unknown product \"%1\"; the products are %2").arg(value, names.join(u", ")));
    }
    if (name == u"--user")
        m_request.user = value;
    else if (name == u"--password")
        m_request.password = value;
    else if (name == u"--yes")
        m_request.yes = true;
    else if (name == u"--dest")
        m_request.transfer.destination = value;
    else if (name == u"--from")
        return takeDate(option, m_request.transfer.from);
    else if (name == u"--to")
        return takeDate(option, m_request.transfer.to);
    else if (name == u"--date")
        return takeDate(option, m_request.post.date);
    else if (name == u"--division") {
        bool ok = false;
        m_request.post.division = value.toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--division needs a division code, not \"%1\"").arg(value));
    } else if (name == u"--voucher-type") {
        const QString type = value.toUpper();
        if (!voucherTypeCodes().contains(type))
            return fail(QStringLiteral("--voucher-type is one of SA, PU, SR, PR, not \"%1\"").arg(value));
        m_request.post.voucherType = type;
    } else if (name == u"--trans-type")
        m_request.post.transType = value;
    else if (name == u"--all")
        m_request.post.all = true;
    else if (name == u"--voucher") {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok || number <= 0)
            return fail(QStringLiteral("--voucher needs an off-line voucher number, not \"%1\"").arg(value));
        m_request.post.vouchers << QString::number(number);
    } else if (name == u"--actype") {
        if (value != u"1" && value != u"2")
            return fail(QStringLiteral("--actype is 1 or 2, not \"%1\"").arg(value));
        m_request.post.acType = value.toInt();
    }
    return true;
}

bool RequestReader::complete(const QList<GivenOption> &given)
{
    const auto has = [&given](const QString &name) {
        for (const GivenOption &option : given) {
            if (option.name == name)
                return true;
        }
        return false;
    };
    QStringList required = {QStringLiteral("--user"), QStringLiteral("--password")};
    if (m_request.command == Command::Transfer)
        required << QStringLiteral("--dest") << QStringLiteral("--from") << QStringLiteral("--to");
    if (m_request.command == Command::Post) {
        required << QStringLiteral("--date") << QStringLiteral("--division") << QStringLiteral("--voucher-type")
                 << QStringLiteral("--trans-type");
    }
    for (const QString &name : std::as_const(required)) {
        if (!has(name))
            return fail(QStringLiteral("%1 is required").arg(name));
    }
    if (m_request.command != Command::Post)
        return true;
    if (m_request.post.all == !m_request.post.vouchers.isEmpty())
        return fail(QStringLiteral("post needs either --all or one or more --voucher N"));
    return takeTransType();
}

bool RequestReader::takeTransType()
{
    PostOptions &post = m_request.post;
    const int index = int(voucherTypeCodes().indexOf(post.voucherType));
    QStringList offered;
    for (const TransTypeEntry &entry : transTypeEntries(index)) {
        const QString code = typeCode(entry.text);
        // The purchase codes are mixed case ("Ca", "Cr"); the one the list offers is sent.
        if (code.compare(post.transType, Qt::CaseInsensitive) == 0) {
            post.transType = code;
            return true;
        }
        offered << code;
    }
    return fail(QStringLiteral("--trans-type for %1 is one of %2, not \"%3\"")
                    .arg(post.voucherType, offered.join(u", "), post.transType));
}

ParsedArguments usageError(const QString &message)
{
    ParsedArguments parsed;
    parsed.action = ParsedArguments::Action::UsageError;
    parsed.error = message;
    return parsed;
}

} // namespace

ParsedArguments parseArguments(const QStringList &arguments)
{
    const Tokens tokens = tokenize(arguments);
    if (!tokens.error.isEmpty())
        return usageError(tokens.error);

    ParsedArguments parsed;
    Request &request = parsed.request;
    if (!tokens.words.isEmpty()) {
        const auto command = commandNamed(tokens.words.first());
        if (!command)
            return usageError(QStringLiteral("unknown command \"%1\"").arg(tokens.words.first()));
        request.command = *command;
    }
    for (const GivenOption &option : tokens.options) {
        if (option.name == u"--help") {
            parsed.action = ParsedArguments::Action::ShowHelp;
            parsed.helpTopic = request.command;
            return parsed;
        }
        if (option.name == u"--version") {
            parsed.action = ParsedArguments::Action::ShowVersion;
            return parsed;
        }
    }
    if (request.command == Command::None)
        return usageError(QStringLiteral("no command given"));
    if (tokens.words.size() > 1)
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(tokens.words.at(1)));

    RequestReader reader(request);
    for (const GivenOption &option : tokens.options) {
        const OptionSpec *spec = findSpec(option.name);
        if (!spec->commands.isEmpty() && !spec->commands.contains(request.command)) {
            return usageError(
                QStringLiteral("option %1 does not apply to %2").arg(option.name, commandName(request.command)));
        }
        if (!reader.take(option))
            return usageError(reader.error);
    }
    if (!reader.complete(tokens.options))
        return usageError(reader.error);
    return parsed;
}

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
