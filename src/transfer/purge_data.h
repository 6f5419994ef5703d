#pragma once

namespace vant {

struct Session;

// Confirms the purge with the user and hands it to the accounts component with the
// current voucher table. True when the purge completed (the tools window then closes).
bool ProcessPurgeData(Session &session);

} // namespace vant
