#include "keyboard_when_shown.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace vant {

namespace {

// Watches the window until its first exposure, then activates it and goes.
class KeyboardWhenShown : public QObject
{
public:
    explicit KeyboardWhenShown(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The native window exists once the window is shown; it is exposed once it is on screen.
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle())
            m_window->windowHandle()->installEventFilter(this);
        if (event->type() == QEvent::Expose && watched == m_window->windowHandle()
            && m_window->windowHandle()->isExposed()) {
            m_window->raise();
            m_window->activateWindow();
            m_window->windowHandle()->removeEventFilter(this);
            m_window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void takeKeyboardWhenShown(QWidget *window)
{
    new KeyboardWhenShown(window);
}

} // namespace vant
