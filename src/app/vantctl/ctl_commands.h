#pragma once

#include "ctl_options.h"

#include "session/run_watch.h"

#include <QJsonObject>

class QTextStream;

namespace vant {
class ErrorLog;
struct Session;
} // namespace vant

namespace vant::ctl {

enum ExitStatus { kDone = 0, kRefused = 1, kUsageError = 2 };

// How a job command runs and where it writes what it did.
struct JobOutput
{
    QTextStream &out;
    bool terminal = false; // out is a terminal: the progress bar may redraw its line
    RunMode mode = RunMode::Real;
    QJsonObject record = {}; // the run's record, once the job has run
};

// Each command runs on a logged-in session with the company context loaded, writes what
// it did on out and every box through the session's prompts, and returns the exit status.
int runCheck(Session &session, bool json, QTextStream &out);
int runTransfer(Session &session, const TransferOptions &options, JobOutput &output);
int runPost(Session &session, const PostOptions &options, JobOutput &output);
int runPurge(Session &session, JobOutput &output);
// transfer, post or purge as the request asks: for real, or as a dry run that is rolled back
// and then described; with --json only the run's record is written.
int runJob(Session &session, const Request &request, QTextStream &out, bool terminal);
// Exit status 0 when the shadow company's copy of the period matches its source, 1 when not.
int runReconcile(Session &session, const TransferOptions &options, bool json, QTextStream &out);
// Lists the run journal; needs no login.
int runHistory(const HistoryOptions &options, bool json, const ErrorLog &log, QTextStream &out, QTextStream &err);

} // namespace vant::ctl
