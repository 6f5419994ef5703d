#include "tools_load.h"

#include "lookup/qt_lov_presenter.h"
#include "session/session.h"
#include "transfer/shadow_company_picker.h"
#include "widgets/activation_return.h"

namespace vant {

void openToolsWindow(Session &session, int mode, const CompanyPicker &picker, QWidget *parent)
{
    // The window beneath takes the keyboard back once the tools window is gone.
    const ActivationReturn activation(parent);
    auto window = ToolsWindow::load(session, mode, picker, parent);
    if (!window) {
        session.ReportError(window.error(), QString(), QStringLiteral("VantToolsLoad"), true);
        return;
    }
    (*window)->exec();
}

void VantToolsLoad(Session &session, int mode, QWidget *parent)
{
    QtLovPresenter lookupWindows;
    openToolsWindow(
        session, mode,
        [&session, &lookupWindows](const QString &parentCode, const QString &searchText) {
            return ListShadowCompany(session, &lookupWindows, parentCode, searchText);
        },
        parent);
}

} // namespace vant
