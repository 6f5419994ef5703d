#include "login_fixture.h"

#include "support/test_environment.h"

#include "session/login_window.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace vant::test {

LoginTest::LoginTest()
    : m_session(m_prompts, m_logDir.filePath(QStringLiteral("vantlog.txt"))),
      m_program(m_session, [this](int exitCode) { m_endCodes << exitCode; })
{
    clearSettings();
    m_db.writeSettings();
    auto db = m_db.connect();
    TestDatabase::seedCompanies(*db);
    addEmployee(QStringLiteral("Admin"), QStringLiteral("secret1"));
}

void LoginTest::execute(const QStringList &statements)
{
    auto db = m_db.connect();
    TestDatabase::exec(*db, statements);
}

void LoginTest::addEmployee(const QString &userId, const QString &password)
{
    auto db = m_db.connect();
    auto quoted = [](QString text) {
        return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    };
    TestDatabase::exec(*db, {QStringLiteral("insert into psm_employee_master(PEM_EMP_USERID,PEM_EMP_PASSWORD,"
                                            "PEM_EMP_NAME) values (%1,%2,'Clerk')")
                                 .arg(quoted(userId), quoted(password))});
}

void LoginTest::start()
{
    m_program.start();
    ASSERT_TRUE(window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
}

FrmDB *LoginTest::window() const
{
    return m_program.loginWindow();
}

QLineEdit *LoginTest::userName() const
{
    return window()->findChild<QLineEdit *>(QStringLiteral("txtUserName"));
}

QLineEdit *LoginTest::password() const
{
    return window()->findChild<QLineEdit *>(QStringLiteral("txtPassword"));
}

QComboBox *LoginTest::productName() const
{
    return window()->findChild<QComboBox *>(QStringLiteral("cboProductName"));
}

QWidget *LoginTest::focused() const
{
    return window()->focusWidget();
}

void LoginTest::typeInto(QLineEdit *field, const QString &text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

void LoginTest::login(const QString &user, const QString &pass)
{
    typeInto(userName(), user);
    password()->setFocus();
    typeInto(password(), pass);
    QTest::keyClick(password(), Qt::Key_Return);
}

QStringList LoginTest::logLines() const
{
    QFile log(m_logDir.filePath(QStringLiteral("vantlog.txt")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace vant::test
