#include "qt_lov_presenter.h"

#include "lov_window.h"

#include "widgets/activation_return.h"

namespace vant {

void QtLovPresenter::present(LovController &controller)
{
    const ActivationReturn activation;
    LovWindow window(controller, m_parent);
    window.exec();
}

} // namespace vant
