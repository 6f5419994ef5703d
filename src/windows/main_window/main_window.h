#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

namespace vant {

struct Session;

// frmMain, the window the user works from: one menu that starts each job modally.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Loads the default company's context into the session.
    explicit MainWindow(Session &session, QWidget *parent = nullptr);

    // Opens a fresh tools window: 1 Account Transfer, 0 Purge Data.
    void VantToolsLoad(int mode);
    // Opens the posting window.
    void AccountPostLoad();
    // Opens the run history: what the jobs did, newest first.
    void RunHistoryLoad();

signals:
    // Exit from the menu: ExitApplication.
    void exitRequested();
    // The window was closed by any means: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addEntry(const QString &name, const QString &caption);

    Session &m_session;
    QMenu *m_processMenu;
};

} // namespace vant
