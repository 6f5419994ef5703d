// The password reaches vantctl without the command line: from a file named by an option,
// from the environment, or typed at a terminal that does not show it.
#include "vantctl_fixture.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class VantctlPasswordTest : public VantctlTest
{
protected:
    // Runs vantctl check as Admin with the extra arguments and VANTCTL_PASSWORD set to
    // variable (unset when null).
    CtlRun check(const QStringList &arguments, const QString &variable = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"VANTCTL_PASSWORD"_s);
        if (!variable.isNull())
            environment.insert(u"VANTCTL_PASSWORD"_s, variable);
        return runProgram(m_program, QStringList{u"--user"_s, u"Admin"_s} + arguments + QStringList{u"check"_s},
                          environment);
    }
    QString passwordFile(const QByteArray &text)
    {
        const QString path = m_programDir.filePath(u"password"_s);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return path;
    }
};

TEST_F(VantctlPasswordTest, TheFirstLineOfTheNamedFileOrTheEnvironmentLogsInAndNothingElse)
{
    const QString invalid = u"Invalid Username or Password\n"_s;
    EXPECT_EQ(check({u"--password-file"_s, passwordFile("vant\n")}).exitCode, 0);
    EXPECT_EQ(check({u"--password-file"_s, passwordFile("vant\r\nsecond line\n")}).exitCode, 0);
    EXPECT_EQ(check({u"--password-file"_s, passwordFile("vant")}).exitCode, 0);
    EXPECT_EQ(check({}, u"vant"_s).exitCode, 0);

    // The file comes before the environment, and --password before both.
    EXPECT_EQ(check({u"--password-file"_s, passwordFile("vant\n")}, u"wrong"_s).exitCode, 0);
    EXPECT_EQ(check({u"--password-file"_s, passwordFile("wrong\n")}, u"vant"_s).err, invalid);
    EXPECT_EQ(check({u"--password"_s, u"wrong"_s}, u"vant"_s).err, invalid);

    // Without a password or a readable file nothing is tried.
    const QString missing = m_programDir.filePath(u"none"_s);
    const CtlRun unreadable = check({u"--password-file"_s, missing});
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_TRUE(unreadable.err.startsWith(u"vantctl: cannot read the password file "_s + missing + u": "_s))
        << unreadable.err.toStdString();

    // Standard input is a pipe here, not a terminal: there is no one to ask.
    const CtlRun none = check({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.err, u"vantctl: no password: give --password-file FILE, set VANTCTL_PASSWORD, or run "
                        u"vantctl on a terminal to be asked for it.\n"_s);

    const CtlRun both = check({u"--password"_s, u"vant"_s, u"--password-file"_s, passwordFile("vant\n")});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(both.err.startsWith(u"vantctl: give either --password or --password-file\n"_s));
    EXPECT_TRUE(logLines().isEmpty());
}

// Reads what the terminal shows until the wanted text has come or vantctl has ended.
QByteArray readTerminal(int terminal, QProcess &process, const QByteArray &wanted)
{
    QByteArray shown;
    QElapsedTimer timer;
    timer.start();
    while (!shown.contains(wanted) && timer.elapsed() < 20000) {
        char buffer[256];
        const ssize_t n = read(terminal, buffer, sizeof buffer);
        if (n > 0)
            shown.append(buffer, n);
        else if (process.state() == QProcess::NotRunning)
            break;
        else
            process.waitForFinished(20);
    }
    return shown;
}

TEST_F(VantctlPasswordTest, AtATerminalThePasswordIsAskedForAndNotShown)
{
    int terminal = -1, device = -1;
    ASSERT_EQ(openpty(&terminal, &device, nullptr, nullptr, nullptr), 0);
    fcntl(terminal, F_SETFL, fcntl(terminal, F_GETFL) | O_NONBLOCK);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"VANTCTL_PASSWORD"_s);
    process.setProcessEnvironment(environment);
    // vantctl's standard input and error are the terminal; its output stays a pipe.
    process.setChildProcessModifier([device] {
        dup2(device, STDIN_FILENO);
        dup2(device, STDERR_FILENO);
    });
    process.start(m_program, {u"--user"_s, u"Admin"_s, u"check"_s});
    ASSERT_TRUE(process.waitForStarted());

    QByteArray shown = readTerminal(terminal, process, "Password for Admin: ");
    ASSERT_TRUE(shown.endsWith("Password for Admin: ")) << shown.toStdString();
    ASSERT_EQ(write(terminal, "vant\n", 5), 5);
    EXPECT_TRUE(process.waitForFinished(60000));
    shown += readTerminal(terminal, process, "\n");

    EXPECT_EQ(process.exitCode(), 0) << shown.toStdString();
    EXPECT_FALSE(shown.contains("vant")) << shown.toStdString();
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).contains(u"Company        : 1 "_s));
    // The terminal shows what is typed again.
    termios after{};
    ASSERT_EQ(tcgetattr(device, &after), 0);
    EXPECT_TRUE(after.c_lflag & ECHO);
    close(device);
    close(terminal);
}

} // namespace
} // namespace vant::test
