#pragma once

#include "db/outcome.h"

#include <functional>

namespace vant {

struct Session;

// Runs a job as a dry run: inside a transaction of its own that is rolled back afterwards, so
// that the job's own transactions become savepoints in it and nothing the job does stays. The job
// must finish its run's record before it returns, while its work still stands. The error of a
// transaction that could not begin, or of a closed connection: the job then does not run.
Status runUndone(Session &session, const std::function<void()> &job);

} // namespace vant
