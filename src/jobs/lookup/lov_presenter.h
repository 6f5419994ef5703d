#pragma once

namespace vant {

class LovController;

// Shows the lookup window over a prepared controller and returns when the window has
// closed. The program's windows give a Qt dialog; tests drive the controller directly.
class LovPresenter
{
public:
    virtual ~LovPresenter() = default;
    virtual void present(LovController &controller) = 0;
};

} // namespace vant
