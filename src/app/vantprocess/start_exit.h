#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace vant {

class LoginWindow;
class MainWindow;
struct Session;

// One run of the program: the login window first, then the main window shown modally;
// the run ends when the main window closes, on ExitApplication, or when login finds no
// database configured.
class Program : public QObject
{
    Q_OBJECT

public:
    // How the run ends; the real program leaves its event loop with the exit code.
    using EndHook = std::function<void(int exitCode)>;

    explicit Program(Session &session, EndHook end = &Program::leaveEventLoop);
    ~Program() override;

    // Loads and shows the login window.
    void start();

    // Closes the connection, unloads every window and ends. No accounts component outlives the
    // job that made it, so none is left to release.
    void ExitApplication();

    LoginWindow *loginWindow() const;
    MainWindow *mainWindow() const;
    bool hasEnded() const { return m_ended; }

private:
    static void leaveEventLoop(int exitCode);
    void showMainWindow();
    void UnloadAllForms();
    void end();

    Session &m_session;
    EndHook m_end;
    QPointer<LoginWindow> m_login;
    std::unique_ptr<MainWindow> m_main;
    bool m_ended = false;
};

} // namespace vant
