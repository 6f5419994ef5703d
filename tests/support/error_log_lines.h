#pragma once

#include "session/session.h"

#include <QFile>
#include <QStringList>

namespace vant::test {

// The lines of an error log file, which ends each line in CR LF; none when there is no file.
inline QStringList logFileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The lines of the session's error log.
inline QStringList errorLogLines(const Session &session)
{
    return logFileLines(session.errorLog.logPath());
}

} // namespace vant::test
