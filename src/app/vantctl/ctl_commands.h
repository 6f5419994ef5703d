#pragma once

#include "ctl_options.h"

class QTextStream;

namespace vant {
struct Session;
}

namespace vant::ctl {

enum ExitStatus { kDone = 0, kRefused = 1, kUsageError = 2 };

// Each command runs on a logged-in session with the company context loaded, writes what
// it did on out and every box through the session's prompts, and returns the exit status.
int runCheck(Session &session, QTextStream &out);
int runTransfer(Session &session, const TransferOptions &options, QTextStream &out, bool terminal);
int runPost(Session &session, const PostOptions &options, QTextStream &out);
int runPurge(Session &session, QTextStream &out);

} // namespace vant::ctl
