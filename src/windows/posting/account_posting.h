#pragma once

class QWidget;

namespace vant {

struct Session;

// Opens the posting window modally over the parent; one instance at a time.
void showAccountsPosting(Session &session, QWidget *parent);

} // namespace vant
