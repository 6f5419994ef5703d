#pragma once

#include "dbcreator_run.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace vant::test {

struct CreatorRun
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the database creator as its command line would, capturing what it prints.
inline CreatorRun runCreator(const QStringList &options, const QDate &today = QDate::currentDate(),
                             const QString &defaultFolder = QStringLiteral("/nonexistent/default"))
{
    CreatorRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runDbCreator(QStringList{QStringLiteral("vant-dbcreator")} + options, out, err, today, defaultFolder);
    out.flush();
    err.flush();
    return run;
}

} // namespace vant::test
