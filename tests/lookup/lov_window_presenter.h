#pragma once

#include "lookup/lov_presenter.h"
#include "lookup/lov_window.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace vant::test {

// Shows the real lookup window without a modal loop and runs a script over it; the script
// must end the lookup, which closes the window.
class LovWindowPresenter : public LovPresenter
{
public:
    void present(LovController &controller) override
    {
        LovWindow window(controller);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        script(window);
        EXPECT_FALSE(window.isVisible());
    }

    std::function<void(LovWindow &)> script;
};

} // namespace vant::test
