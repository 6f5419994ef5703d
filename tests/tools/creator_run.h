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
    QStringList questions; // what was asked before settings were replaced
};

// Runs the database creator as its command line would, capturing what it prints.
// Every question is answered with answer.
inline CreatorRun runCreator(const QStringList &options, const QDate &today = QDate::currentDate(),
                             const QString &defaultFolder = QStringLiteral("/nonexistent/default"), bool answer = false)
{
    CreatorRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    const auto confirm = [&run, answer](const QString &question) {
        run.questions << question;
        return answer;
    };
    run.status =
        runDbCreator(QStringList{QStringLiteral("vant-dbcreator")} + options, out, err, today, defaultFolder, confirm);
    out.flush();
    err.flush();
    return run;
}

} // namespace vant::test
