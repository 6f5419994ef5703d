#include "account_posting.h"

#include "frm_account_post.h"

#include <QPointer>

namespace vant {

void showAccountsPosting(Session &session, QWidget *parent)
{
    static QPointer<frmAccountPost> shown;
    if (shown) {
        shown->raise();
        shown->activateWindow();
        return;
    }
    frmAccountPost window(session, parent);
    shown = &window;
    window.exec();
}

} // namespace vant
