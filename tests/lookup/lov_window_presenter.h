#pragma once

#include "lookup/frm_lov_result.h"
#include "lookup/lov_presenter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace vant::test {

// Shows the real window without a modal loop and runs a script over it; the script must
// end the lookup.
class WindowPresenter : public LovPresenter
{
public:
    void present(LovController &controller) override
    {
        FrmLovResult window(controller);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        script(window);
        EXPECT_FALSE(window.isVisible());
    }

    std::function<void(FrmLovResult &)> script;
};

} // namespace vant::test
