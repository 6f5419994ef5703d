#include "ctl_run.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantctl"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vant::ctl::runVantctl(QCoreApplication::arguments(), out, err, isatty(fileno(stdout)) != 0);
}
