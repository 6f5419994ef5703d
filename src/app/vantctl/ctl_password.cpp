#include "ctl_password.h"

#include "ctl_options.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace vant::ctl {

namespace {

// The file's first line, without its line end.
std::optional<QString> passwordFromFile(const QString &path, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "vantctl: "
            << QCoreApplication::translate("vant::ctl", "cannot read the password file %1: %2")
                   .arg(path, file.errorString())
            << '\n';
        return std::nullopt;
    }
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// Reads one line from the terminal on standard input with its echo off, and puts the echo back.
std::optional<QString> promptHidden(const QString &prompt, QTextStream &err)
{
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0)
        return std::nullopt;
    termios hidden = saved;
    hidden.c_lflag &= ~tcflag_t(ECHO);
    hidden.c_lflag |= ECHONL;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    err << prompt;
    err.flush();
    std::string line;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n')
        line += char(c);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    if (c == EOF && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

} // namespace

std::optional<QString> takePassword(const Request &request, QTextStream &err)
{
    if (request.password)
        return request.password;
    if (!request.passwordFile.isEmpty())
        return passwordFromFile(request.passwordFile, err);
    if (qEnvironmentVariableIsSet(kPasswordVariable))
        return qEnvironmentVariable(kPasswordVariable);
    if (isatty(STDIN_FILENO)) {
        if (auto typed =
                promptHidden(QCoreApplication::translate("vant::ctl", "Password for %1: ").arg(request.user), err))
            return typed;
    }
    err << "vantctl: "
        << QCoreApplication::translate("vant::ctl", "no password: give --password-file FILE, set %1, or run vantctl "
                                                    "on a terminal to be asked for it.")
               .arg(QLatin1String(kPasswordVariable))
        << '\n';
    return std::nullopt;
}

} // namespace vant::ctl
