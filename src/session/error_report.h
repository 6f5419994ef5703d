#pragma once

#include "db/outcome.h"

#include <QString>

namespace vant {

class UserPrompts;

// The file that the build puts beside the programs it makes; an installed program has none.
inline const QString kBuildTreeMarker = QStringLiteral("vant-build-tree");

// Appends the five-line entries of "vantlog.txt" and, when asked, tells the user.
class ErrorLog
{
public:
    // prompts may be null: nothing is then shown.
    ErrorLog(QString logPath, UserPrompts *prompts);

    // logPathFor the folder that holds the running program.
    static QString defaultLogPath();

    // "vantlog.txt" in the program's folder when the program runs from a build tree (the
    // folder holds kBuildTreeMarker) and may write there; otherwise, as for every installed
    // program, in the user's state folder.
    static QString logPathFor(const QString &programFolder);

    // The program's folder under $XDG_STATE_HOME (~/.local/state when that is unset or
    // not an absolute path).
    static QString userStateFolder();

    // window: the window's name ("frmAccountPost"), or empty when none is given. boxNote: words
    // that the box shows after the report, for the user only; the log holds the report alone.
    void ReportError(const Error &error, const QString &window, const QString &procedure, bool show,
                     const QString &boxNote = QString()) const;

    const QString &logPath() const { return m_logPath; }
    // Reports made so far, and the last one as "procedure: message", for the run journal.
    int reportCount() const { return m_reportCount; }
    const QString &lastReport() const { return m_lastReport; }

private:
    QString m_logPath;
    UserPrompts *m_prompts;
    mutable int m_reportCount = 0;
    mutable QString m_lastReport;
};

// The report's message text.
QString errorReportMessage(const Error &error);

bool VantFileExist(const QString &path);

} // namespace vant
