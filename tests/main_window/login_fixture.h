#pragma once

#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include "session/session.h"
#include "session/start_exit.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class QComboBox;
class QLineEdit;
class QWidget;

namespace vant {
class FrmDB;
}

namespace vant::test {

// A program run against a seeded embedded database: the settings point at it, the
// employee master holds Admin / secret1, the boxes are scripted and the log goes to a
// temporary folder. The program's end is recorded instead of leaving an event loop.
class LoginTest : public testing::Test
{
protected:
    LoginTest();

    void execute(const QStringList &statements);
    void addEmployee(const QString &userId, const QString &password);

    // Loads the login window, as the program does at its start.
    void start();
    FrmDB *window() const;
    QLineEdit *userName() const;
    QLineEdit *password() const;
    QComboBox *productName() const;
    QWidget *focused() const;

    void typeInto(QLineEdit *field, const QString &text);
    // Types both texts, moving to the password box, and presses Enter there.
    void login(const QString &user, const QString &pass);

    bool programEnded() const { return !m_endCodes.isEmpty(); }
    QStringList logLines() const;

    TestDatabase m_db;
    ScriptedPrompts m_prompts;
    QTemporaryDir m_logDir;
    Session m_session;
    QList<int> m_endCodes;
    Program m_program;
};

} // namespace vant::test
