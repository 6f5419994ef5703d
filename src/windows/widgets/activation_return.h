#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace vant {

// Gives the activation back to the window that had it once a modal box or window over it has
// closed. A window manager does this itself; without one the window beneath would take no keys
// and show no focus.
class ActivationReturn
{
public:
    ActivationReturn() : m_window(QApplication::activeWindow()) {}
    // The window beneath is the one that the closing window was opened over.
    explicit ActivationReturn(QWidget *beneath)
        : m_window(beneath ? beneath->window() : QApplication::activeWindow())
    {}
    ~ActivationReturn()
    {
        if (m_window && m_window->isVisible())
            m_window->activateWindow();
    }
    ActivationReturn(const ActivationReturn &) = delete;
    ActivationReturn &operator=(const ActivationReturn &) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace vant
