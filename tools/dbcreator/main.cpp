#include "creator_options.h"
#include "dbcreator_run.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

namespace {

// Asks on the terminal; without one (a script, a pipe) the answer is no, and --force is
// the way to say yes.
bool askOnTerminal(const QString &question)
{
    if (!isatty(fileno(stdin)))
        return false;
    QTextStream err(stderr);
    err << question;
    err.flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed();
    return answer.compare(QStringLiteral("y"), Qt::CaseInsensitive) == 0
           || answer.compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vant-dbcreator"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return vant::runDbCreator(QCoreApplication::arguments(), out, err, QDate::currentDate(),
                              vant::defaultDatabaseFolder(), askOnTerminal);
}
