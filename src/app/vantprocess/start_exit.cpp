#include "start_exit.h"

#include "session/connection.h"
#include "login/login_window.h"
#include "main_window/main_window.h"
#include "session/session.h"
#include "widgets/keyboard_when_shown.h"

#include <QApplication>

namespace vant {

Program::Program(Session &session, EndHook end) : m_session(session), m_end(std::move(end)) {}

Program::~Program()
{
    delete m_login;
}

LoginWindow *Program::loginWindow() const
{
    return m_login;
}

MainWindow *Program::mainWindow() const
{
    return m_main.get();
}

void Program::leaveEventLoop(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

void Program::start()
{
    // Between the login window and the main window no window is open; the run decides
    // itself when it is over.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_login = new LoginWindow(m_session);
    connect(m_login, &LoginWindow::loggedIn, this, &Program::showMainWindow);
    connect(m_login, &LoginWindow::exitRequested, this, &Program::ExitApplication);
    connect(m_login, &LoginWindow::programEnds, this, &Program::end);
    takeKeyboardWhenShown(m_login);
    m_login->show();
}

void Program::showMainWindow()
{
    // The login window is still inside its own key handler: unload it once that returns.
    m_login->disconnect(this);
    m_login->hide();
    m_login->deleteLater();
    m_login = nullptr;

    m_main = std::make_unique<MainWindow>(m_session);
    m_main->setWindowModality(Qt::ApplicationModal);
    connect(m_main.get(), &MainWindow::exitRequested, this, &Program::ExitApplication);
    connect(m_main.get(), &MainWindow::closed, this, &Program::end);
    m_main->show();
}

void Program::ExitApplication()
{
    if (m_ended)
        return;
    // Closing the windows below must not end the run a second time.
    m_ended = true;
    CloseDBConnection(m_session);
    UnloadAllForms();
    m_end(0);
}

void Program::UnloadAllForms()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows << window;
    // A window may take others with it as it closes.
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
}

void Program::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_end(0);
}

} // namespace vant
