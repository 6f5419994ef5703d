#include "dry_run.h"

#include "session.h"

namespace vant {

Status runUndone(Session &session, const std::function<void()> &job)
{
    Database *db = session.db();
    if (!db)
        return closedConnectionError();
    TransactionGuard undone(*db);
    if (Status begun = undone.begin(); !begun)
        return begun;
    job();
    undone.rollback();
    return {};
}

} // namespace vant
