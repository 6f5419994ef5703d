#include "qt_lov_presenter.h"

#include "frm_lov_result.h"

#include "widgets/activation_return.h"

namespace vant {

void QtLovPresenter::present(LovController &controller)
{
    const ActivationReturn activation;
    FrmLovResult window(controller, m_parent);
    window.exec();
}

} // namespace vant
