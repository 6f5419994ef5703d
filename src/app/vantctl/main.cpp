#include "ctl_run.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The window program's name, so that both share the per-user folder of the log.
    QCoreApplication::setApplicationName(QStringLiteral("VantProcess"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vant::ctl::runVantctl(QCoreApplication::arguments(), out, err, isatty(fileno(stdout)) != 0);
}
