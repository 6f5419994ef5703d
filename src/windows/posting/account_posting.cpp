#include "account_posting.h"

#include "posting_window.h"
#include "widgets/activation_return.h"

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
    // The window beneath takes the keyboard back once the posting window is gone.
    const ActivationReturn activation(parent);
    PostingWindow window(session, parent);
    shown = &window;
    window.exec();
}

} // namespace vant
