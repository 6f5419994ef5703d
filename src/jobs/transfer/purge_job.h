#pragma once

#include "session/run_watch.h"

namespace vant {

struct Session;

// The Purge Data job as every front end runs it: the question, then the purge handed to an
// accounts component made for the purge alone, with the current voucher table; each box through
// the session's prompts.
class PurgeJob
{
public:
    explicit PurgeJob(Session &session, RunMode mode = RunMode::Real) : m_session(session), m_mode(mode) {}

    // The Purge button. True when the purge completed (the tools window then closes). The run
    // leaves its record in the run journal.
    bool ProcessPurgeData();
    // What the last purge did, as the run journal holds it.
    const RunRecord &record() const { return m_record; }

private:
    // The purge itself, after the question; the failure as the user was told, or empty.
    QString purge(RunWatch &watch);

    Session &m_session;
    const RunMode m_mode;
    RunRecord m_record;
};

} // namespace vant
