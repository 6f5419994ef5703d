#pragma once

namespace vant {

struct Session;

// The Purge Data job as every front end runs it: the question, then the purge handed to an
// accounts component made for the purge alone, with the current voucher table; each box through
// the session's prompts.
class PurgeJob
{
public:
    explicit PurgeJob(Session &session) : m_session(session) {}

    // The Purge button. True when the purge completed (the tools window then closes).
    bool ProcessPurgeData();

private:
    Session &m_session;
};

} // namespace vant
