#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vant {

struct Session;

// frmDB, the login window: the product list, the user name and the password. The
// window sees every key before its fields; Enter in the password box runs the login.
class LoginWindow : public QWidget
{
    Q_OBJECT

public:
    explicit LoginWindow(Session &session, QWidget *parent = nullptr);

    // Lists the products whose database is configured; the first one is selected.
    void FillProductList();
    void DoLogin();

signals:
    // The user is in: the login window is to be unloaded and the main window shown.
    void loggedIn();
    // Esc, or a database of another version: ExitApplication.
    void exitRequested();
    // No database configured, or the window closed: the program ends as it stands.
    void programEnds();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void layOut();
    bool fieldKeyDown(QWidget *field, int key);

    Session &m_session;
    QLineEdit *m_userNameEdit;
    QLineEdit *m_passwordEdit;
    QComboBox *m_productBox;
    QLabel *m_bannerLabel = nullptr;
    QList<QLabel *> m_captionLabels;
};

} // namespace vant
