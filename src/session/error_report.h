#pragma once

#include "outcome.h"

#include <QString>

namespace vant {

class UserPrompts;

// Appends the five-line entries of "vantlog.txt" and, when asked, tells the user.
class ErrorLog
{
public:
    // prompts may be null: nothing is then shown.
    ErrorLog(QString logPath, UserPrompts *prompts);

    // "vantlog.txt" in the program's directory, or in the per-user data directory when
    // the program's directory cannot be written.
    static QString defaultLogPath();

    // window: the window's name ("frmAccountPost"), or empty when none is given.
    void ReportError(const Error &error, const QString &window, const QString &procedure, bool show) const;

    const QString &logPath() const { return m_logPath; }

private:
    QString m_logPath;
    UserPrompts *m_prompts;
};

// The report's message text.
QString errorReportMessage(const Error &error);

bool VantFileExist(const QString &path);

} // namespace vant
