#pragma once

#include "ctl_options.h"

class QTextStream;

namespace vant {
class ErrorLog;
struct Session;
}

namespace vant::ctl {

enum ExitStatus { kDone = 0, kRefused = 1, kUsageError = 2 };

// Each command runs on a logged-in session with the company context loaded, writes what
// it did on out and every box through the session's prompts, and returns the exit status.
int runCheck(Session &session, bool json, QTextStream &out);
int runTransfer(Session &session, const TransferOptions &options, QTextStream &out, bool terminal);
int runPost(Session &session, const PostOptions &options, QTextStream &out);
int runPurge(Session &session, QTextStream &out);
// Exit status 0 when the shadow company's copy of the period matches its source, 1 when not.
int runReconcile(Session &session, const TransferOptions &options, bool json, QTextStream &out);
// Lists the run journal; needs no login.
int runHistory(const HistoryOptions &options, bool json, const ErrorLog &log, QTextStream &out, QTextStream &err);

} // namespace vant::ctl
