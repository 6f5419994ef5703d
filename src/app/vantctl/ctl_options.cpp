#include "ctl_options.h"

#include "posting/posting_filters.h"
#include "session/products.h"

#include <QCommandLineParser>
#include <QHash>
#include <QList>

#include <optional>

namespace vant::ctl {

namespace {

struct OptionSpec
{
    QString name; // as given after the two dashes
    bool takesValue;
    QList<Command> commands; // empty: every command
};

const QList<OptionSpec> &optionSpecs()
{
    static const QList<OptionSpec> specs = {
        {QStringLiteral("product"), true, {}},
        {QStringLiteral("user"), true, {}},
        {QStringLiteral("password"), true, {}},
        {QStringLiteral("password-file"), true, {}},
        {QStringLiteral("help"), false, {}},
        {QStringLiteral("version"), false, {}},
        {QStringLiteral("json"), false, {}},
        {QStringLiteral("yes"), false, {Command::Transfer, Command::Purge}},
        {QStringLiteral("dry-run"), false, {Command::Transfer, Command::Post, Command::Purge}},
        {QStringLiteral("dest"), true, {Command::Transfer, Command::Reconcile}},
        {QStringLiteral("from"), true, {Command::Transfer, Command::Reconcile}},
        {QStringLiteral("to"), true, {Command::Transfer, Command::Reconcile}},
        {QStringLiteral("date"), true, {Command::Post}},
        {QStringLiteral("division"), true, {Command::Post}},
        {QStringLiteral("voucher-type"), true, {Command::Post}},
        {QStringLiteral("trans-type"), true, {Command::Post}},
        {QStringLiteral("all"), false, {Command::Post}},
        {QStringLiteral("voucher"), true, {Command::Post}},
        {QStringLiteral("actype"), true, {Command::Post}},
        {QStringLiteral("job"), true, {Command::History}},
        {QStringLiteral("since"), true, {Command::History}},
        {QStringLiteral("limit"), true, {Command::History}},
    };
    return specs;
}

void addOptions(QCommandLineParser &parser)
{
    for (const OptionSpec &spec : optionSpecs())
        parser.addOption(QCommandLineOption(spec.name, QString(), spec.takesValue ? spec.name : QString()));
}

bool appliesTo(const QString &name, Command command)
{
    for (const OptionSpec &spec : optionSpecs()) {
        if (spec.name == name)
            return spec.commands.isEmpty() || spec.commands.contains(command);
    }
    return false;
}

// The voucher types in the order of the posting window's list.
QStringList voucherTypeCodes()
{
    QStringList codes;
    for (const QString &entry : voucherTypeEntries())
        codes << typeCode(entry);
    return codes;
}

const QList<std::pair<Command, QString>> &commandNames()
{
    static const QList<std::pair<Command, QString>> names = {
        {Command::Check, QStringLiteral("check")},         {Command::Transfer, QStringLiteral("transfer")},
        {Command::Post, QStringLiteral("post")},           {Command::Purge, QStringLiteral("purge")},
        {Command::Reconcile, QStringLiteral("reconcile")}, {Command::History, QStringLiteral("history")},
    };
    return names;
}

std::optional<Command> commandNamed(const QString &name)
{
    for (const auto &[command, commandText] : commandNames()) {
        if (commandText == name)
            return command;
    }
    return std::nullopt;
}

QString commandName(Command command)
{
    for (const auto &[listed, name] : commandNames()) {
        if (listed == command)
            return name;
    }
    return QString();
}

struct GivenOption
{
    QString name; // with its dashes, as the messages write it
    QString value;
};

// The options in the order given, each use with its own value.
QList<GivenOption> givenOptions(const QCommandLineParser &parser)
{
    QList<GivenOption> given;
    QHash<QString, qsizetype> uses;
    for (const QString &name : parser.optionNames())
        given << GivenOption{QStringLiteral("--") + name, parser.values(name).value(uses[name]++)};
    return given;
}

// Qt's parser reads on past a fault and names the last misplaced value it met; vantctl names
// the first fault of the line, found as the end of its shortest beginning that fails.
QString firstFault(const QStringList &arguments)
{
    for (qsizetype end = 2; end <= arguments.size(); ++end) {
        QCommandLineParser parser;
        addOptions(parser);
        if (parser.parse(arguments.first(end)))
            continue;
        const QString &last = arguments.at(end - 1);
        const QString name = last.section(QLatin1Char('='), 0, 0);
        if (!parser.unknownOptionNames().isEmpty())
            return QStringLiteral("unknown option %1").arg(name);
        if (last.contains(QLatin1Char('=')))
            return QStringLiteral("option %1 takes no value").arg(name);
        // Before the end of the line, an option's value is the next argument.
        if (end == arguments.size())
            return QStringLiteral("option %1 needs a value").arg(name);
    }
    return QString();
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
    bool takeProduct(const QString &value);
    bool takePost(const GivenOption &option);
    bool takeHistory(const GivenOption &option);
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
    if (name == u"--product")
        return takeProduct(value);
    if (name == u"--user")
        m_request.user = value;
    else if (name == u"--password")
        m_request.password = value;
    else if (name == u"--password-file")
        m_request.passwordFile = value;
    else if (name == u"--yes")
        m_request.yes = true;
    else if (name == u"--dry-run")
        m_request.dryRun = true;
    else if (name == u"--json")
        m_request.json = true;
    else if (name == u"--dest")
        m_request.transfer.destination = value;
    else if (name == u"--from")
        return takeDate(option, m_request.transfer.from);
    else if (name == u"--to")
        return takeDate(option, m_request.transfer.to);
    else if (name == u"--job" || name == u"--since" || name == u"--limit")
        return takeHistory(option);
    else
        return takePost(option);
    return true;
}

bool RequestReader::takeProduct(const QString &value)
{
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

bool RequestReader::takePost(const GivenOption &option)
{
    const QString &name = option.name;
    const QString &value = option.value;
    if (name == u"--date")
        return takeDate(option, m_request.post.date);
    if (name == u"--division") {
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

bool RequestReader::takeHistory(const GivenOption &option)
{
    const QString &value = option.value;
    if (option.name == u"--since")
        return takeDate(option, m_request.history.since);
    if (option.name == u"--job") {
        if (value != u"transfer" && value != u"post" && value != u"purge")
            return fail(QStringLiteral("--job is transfer, post or purge, not \"%1\"").arg(value));
        m_request.history.job = value;
        return true;
    }
    bool ok = false;
    m_request.history.limit = value.toInt(&ok);
    if (!ok || m_request.history.limit <= 0)
        return fail(QStringLiteral("--limit needs a number of records, not \"%1\"").arg(value));
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
    // The journal is the user's own file: listing it needs no login.
    QStringList required;
    if (m_request.command != Command::History)
        required << QStringLiteral("--user");
    if (has(QStringLiteral("--password")) && has(QStringLiteral("--password-file")))
        return fail(QStringLiteral("give either --password or --password-file"));
    if (m_request.command == Command::Transfer || m_request.command == Command::Reconcile)
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
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(firstFault(arguments));
    const QStringList words = parser.positionalArguments();
    const QList<GivenOption> given = givenOptions(parser);

    ParsedArguments parsed;
    Request &request = parsed.request;
    if (!words.isEmpty()) {
        const auto command = commandNamed(words.first());
        if (!command)
            return usageError(QStringLiteral("unknown command \"%1\"").arg(words.first()));
        request.command = *command;
    }
    for (const GivenOption &option : given) {
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
    if (words.size() > 1)
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(words.at(1)));

    RequestReader reader(request);
    for (const GivenOption &option : given) {
        if (!appliesTo(option.name.mid(2), request.command)) {
            return usageError(
                QStringLiteral("option %1 does not apply to %2").arg(option.name, commandName(request.command)));
        }
        if (!reader.take(option))
            return usageError(reader.error);
    }
    if (!reader.complete(given))
        return usageError(reader.error);
    return parsed;
}

} // namespace vant::ctl
