#include "creator_options.h"
#include "dbcreator_run.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The per-user data folder is the program's own, where its embedded databases live.
    QCoreApplication::setApplicationName(QStringLiteral("vant"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vant::runDbCreator(QCoreApplication::arguments(), out, err, QDate::currentDate(),
                              vant::defaultDatabaseFolder());
}
