#include "tools_load.h"

#include "session/session.h"

namespace vant {

void openToolsWindow(Session &session, int mode, const CompanyPicker &picker, QWidget *parent)
{
    auto window = frmVantTools::load(session, mode, picker, parent);
    if (!window) {
        session.ReportError(window.error(), QString(), QStringLiteral("VantToolsLoad"), true);
        return;
    }
    (*window)->exec();
}

void VantToolsLoad(Session &session, int mode, QWidget *parent)
{
    // The shadow company picker is wired in here once it joins the build.
    openToolsWindow(session, mode, CompanyPicker(), parent);
}

} // namespace vant
