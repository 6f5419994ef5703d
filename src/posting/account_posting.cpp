#include "account_posting.h"

#include "posting_window.h"

#include <QPointer>

namespace vant {

void showAccountsPosting(Session &session, QWidget *parent)
{
    static QPointer<PostingWindow> shown;
    if (shown) {
        shown->raise();
        shown->activateWindow();
        return;
    }
    PostingWindow window(session, parent);
    shown = &window;
    window.exec();
}

} // namespace vant
