#include "creator_options.h"
#include "dbcreator_run.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vant-dbcreator"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vant::runDbCreator(QCoreApplication::arguments(), out, err, QDate::currentDate(),
                              vant::defaultDatabaseFolder());
}
