#include "ctl_run.h"
#include "session/translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Neither Qt nor the standard library tells a terminal from a pipe; each system's C library does.
bool standardOutputIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(fileno(stdout)) != 0;
#endif
}

} // namespace

int main(int argc, char **argv)
{
#ifdef SIGPIPE
    // A reader that goes away (vantctl ... | head) must not end the job: what is written to
    // the closed pipe is dropped, the job finishes and the exit status still tells the outcome.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantctl"));
    const vant::Translations translations(QLocale(), vant::Translations::programFolder());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vant::ctl::runVantctl(QCoreApplication::arguments(), out, err, standardOutputIsTerminal());
}
