#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace vant::ctl {

enum class Command { None, Check, Transfer, Post, Purge, Reconcile, History };

// The period and shadow company of a transfer, and of the reconciliation that checks it.
struct TransferOptions
{
    QString destination; // a shadow company's code or name
    QDate from;
    QDate to;
};

struct PostOptions
{
    QDate date;
    int division = 0;
    QString voucherType; // SA, PU, SR or PR
    QString transType;   // one of the codes that the voucher type offers, as the list sends it
    bool all = false;
    QStringList vouchers; // off-line voucher numbers to mark
    int acType = 0;       // 0: the rows keep the account type they were listed with
};

// Which journal records history lists.
struct HistoryOptions
{
    QString job;   // empty: every job
    QDate since;   // invalid: from the first record
    int limit = 0; // 0: every record
};

// One run of vantctl as the command line asks for it.
struct Request
{
    Command command = Command::None;
    QString product; // empty: the first configured product, as the login list selects it
    QString user;
    std::optional<QString> password; // given on the command line (shown to every user: avoid)
    QString passwordFile;            // the file whose first line is the password
    bool yes = false;
    bool dryRun = false; // run the job, report what it did and roll it all back
    bool json = false;   // print the outcome as JSON
    TransferOptions transfer;
    PostOptions post;
    HistoryOptions history;
};

struct ParsedArguments
{
    enum class Action { Run, ShowHelp, ShowVersion, UsageError };

    Action action = Action::Run;
    Request request;
    Command helpTopic = Command::None; // for ShowHelp
    QString error;                     // for UsageError
};

// Reads the command line; arguments[0] is the program name.
ParsedArguments parseArguments(const QStringList &arguments);

// What --help prints: vantctl's usage, or one command's.
QString helpText(Command topic);

} // namespace vant::ctl
