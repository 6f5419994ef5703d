#pragma once

namespace vant {

struct Session;

// The Purge Data job of every front end: confirms the purge with the user and hands it to an
// accounts component, made for the purge alone, with the current voucher table. True when the
// purge completed (the tools window then closes).
bool ProcessPurgeData(Session &session);

} // namespace vant
