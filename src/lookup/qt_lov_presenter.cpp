#include "qt_lov_presenter.h"

#include "frm_lov_result.h"

namespace vant {

void QtLovPresenter::present(LovController &controller)
{
    FrmLovResult window(controller, m_parent);
    window.exec();
}

} // namespace vant
