#include "busy_window.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace vant {

namespace {

constexpr qint64 kPaintInterval = 40; // milliseconds

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
    case QEvent::Close: return true;
    default: return false;
    }
}

} // namespace

BusyWindow::BusyWindow(QWidget *window) : m_window(window)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
    m_sincePainted.start();
}

BusyWindow::~BusyWindow()
{
    // What the window system still holds for the window arrives now, and is dropped.
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
}

void BusyWindow::keepPainted()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePainted.restart();
}

void BusyWindow::keepPaintedNowAndThen()
{
    if (m_sincePainted.hasExpired(kPaintInterval))
        keepPainted();
}

bool BusyWindow::belongsToWindow(QObject *object) const
{
    if (!m_window)
        return false;
    if (const auto *widget = qobject_cast<QWidget *>(object))
        return widget->window() == m_window;
    if (const auto *window = qobject_cast<QWindow *>(object))
        return window == m_window->windowHandle();
    return false;
}

bool BusyWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!isInput(event->type()) || !belongsToWindow(watched))
        return false;
    event->ignore();
    return true;
}

} // namespace vant
