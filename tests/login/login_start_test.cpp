// The login window at the program's start, without a window manager to hand it the keyboard.
#include "login_fixture.h"

#include <QApplication>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// An X server without a window manager leaves the keyboard where it was when a window appears;
// offscreen hands it to the new window. This takes it back the first time a window gets it so.
class KeyboardStaysElsewhere : public QObject
{
public:
    KeyboardStaysElsewhere(QWidget &elsewhere, const QString &appearing)
        : m_elsewhere(elsewhere), m_appearing(appearing)
    {
        qApp->installEventFilter(this);
    }
    ~KeyboardStaysElsewhere() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::WindowActivate && watched->objectName() == m_appearing) {
            m_done = true;
            m_elsewhere.activateWindow();
        }
        return false;
    }

private:
    QWidget &m_elsewhere;
    const QString m_appearing;
    bool m_done = false;
};

// Without a window manager a window that appears takes no keys until the program asks for the
// keyboard: the login's fields would wait for the pointer to visit them.
class LoginStartTest : public LoginTest
{};

TEST_F(LoginStartTest, TheLoginWindowHasTheKeyboardAtStart)
{
    QWidget elsewhere; // the terminal or file manager that started the program
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    const KeyboardStaysElsewhere noWindowManager(elsewhere, u"frmDB"_s);
    start();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window(); }, 1000));
    EXPECT_EQ(QApplication::focusWidget(), userName());
}

} // namespace
} // namespace vant::test
