#include "ctl_commands.h"

#include "session/dry_run.h"
#include "session/run_record.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

namespace vant::ctl {

namespace {

int runJobCommand(Session &session, const Request &request, JobOutput &output)
{
    switch (request.command) {
    case Command::Transfer: return runTransfer(session, request.transfer, output);
    case Command::Post: return runPost(session, request.post, output);
    case Command::Purge: return runPurge(session, output);
    default: break;
    }
    return kUsageError;
}

// What a dry run did, undone: the rows per table, the numbers drawn and what was refused.
void writeDryRun(QTextStream &out, const QJsonObject &record, int status)
{
    out << QCoreApplication::translate(
        "vant::ctl", status == kDone ? QT_TRANSLATE_NOOP("vant::ctl", "Dry run: nothing was changed. "
                                                                      "The run would succeed; it would leave:")
                                     : QT_TRANSLATE_NOOP("vant::ctl", "Dry run: nothing was changed. The "
                                                                      "run would not succeed; it would leave:"))
        << '\n';
    for (const QString &line : describeRecord(record))
        out << line << '\n';
}

} // namespace

int runJob(Session &session, const Request &request, QTextStream &out, bool terminal)
{
    // With --json the job's own lines give way to its record.
    QString discarded;
    QTextStream quiet(&discarded);
    JobOutput output{request.json ? quiet : out, terminal && !request.json,
                     request.dryRun ? RunMode::DryRun : RunMode::Real};
    int status = kRefused;
    const auto job = [&] { status = runJobCommand(session, request, output); };
    if (!request.dryRun) {
        job();
    } else if (const Status undone = runUndone(session, job); !undone) {
        session.prompts.message(undone.error().description);
        return kRefused;
    }
    if (request.json)
        out << QJsonDocument(output.record).toJson(QJsonDocument::Indented);
    else if (request.dryRun && !output.record.isEmpty())
        writeDryRun(out, output.record, status);
    return status;
}

} // namespace vant::ctl
