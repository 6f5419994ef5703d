#pragma once

#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"
#include "support/test_environment.h"

#include "login/login_window.h"
#include "session/session.h"
#include "start_exit.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace vant::test {

// A program run against a seeded embedded database: the settings point at it, the
// employee master holds Admin / secret1, the boxes are scripted and the log goes to a
// temporary folder. The program's end is recorded instead of leaving an event loop.
class LoginTest : public testing::Test
{
protected:
    LoginTest()
        : m_session(m_prompts, m_logDir.filePath(QStringLiteral("vantlog.txt"))),
          m_program(m_session, [this](int exitCode) { m_endCodes << exitCode; })
    {
        clearSettings();
        m_db.writeSettings();
        TestDatabase::seedCompanies(*m_db.connect());
        execute({QStringLiteral("insert into psm_employee_master(PEM_EMP_USERID,PEM_EMP_PASSWORD,PEM_EMP_NAME) "
                                "values ('Admin','secret1','Clerk')")});
    }

    void execute(const QStringList &statements) { TestDatabase::exec(*m_db.connect(), statements); }

    // Loads the login window, as the program does at its start.
    void start()
    {
        m_program.start();
        ASSERT_TRUE(window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    }

    LoginWindow *window() const { return m_program.loginWindow(); }
    QLineEdit *userName() const { return window()->findChild<QLineEdit *>(QStringLiteral("txtUserName")); }
    QLineEdit *password() const { return window()->findChild<QLineEdit *>(QStringLiteral("txtPassword")); }
    QComboBox *productName() const { return window()->findChild<QComboBox *>(QStringLiteral("cboProductName")); }
    QWidget *focused() const { return window()->focusWidget(); }

    // Fills both fields, moving to the password box, and presses Enter there.
    void login(const QString &user, const QString &pass)
    {
        userName()->setText(user);
        password()->setFocus();
        password()->setText(pass);
        QTest::keyClick(password(), Qt::Key_Return);
    }

    QStringList logLines() const
    {
        QFile log(m_logDir.filePath(QStringLiteral("vantlog.txt")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    TestDatabase m_db;
    ScriptedPrompts m_prompts;
    QTemporaryDir m_logDir;
    Session m_session;
    QList<int> m_endCodes;
    Program m_program;
};

} // namespace vant::test
