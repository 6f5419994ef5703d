#include "error_report.h"

#include "program_identity.h"
#include "user_prompts.h"
#include "windows1252.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vant {

namespace {

const QString kLogName = QStringLiteral("vantlog.txt");

QByteArray singleByte(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(static_cast<char>(windows1252::encode(c).value_or('?')));
    return bytes;
}

} // namespace

ErrorLog::ErrorLog(QString logPath, UserPrompts *prompts) : m_logPath(std::move(logPath)), m_prompts(prompts) {}

QString ErrorLog::defaultLogPath()
{
    return logPathFor(QCoreApplication::applicationDirPath());
}

QString ErrorLog::logPathFor(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    const QFileInfo beside(QDir(programFolder).filePath(kLogName));
    const bool buildTree = QFileInfo(QDir(programFolder).filePath(kBuildTreeMarker)).isFile();
    if (buildTree && folder.isWritable() && (!beside.exists() || beside.isWritable()))
        return beside.filePath();
    const QString stateFolder = userStateFolder();
    // A folder that cannot be made loses the entries, as an unwritable log does.
    QDir().mkpath(stateFolder);
    return QDir(stateFolder).filePath(kLogName);
}

QString ErrorLog::userStateFolder()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty() || QDir::isRelativePath(stateHome))
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(stateHome + QLatin1Char('/') + kUserFolderName);
}

QString errorReportMessage(const Error &error)
{
    return QCoreApplication::translate("vant::ErrorLog", "Error Number : %1(Kindly note the Error number & Message. "
                                                         "Inform the vendor)\r\nMessage : %2")
        .arg(QString::number(error.number), error.description);
}

void ErrorLog::ReportError(const Error &error, const QString &window, const QString &procedure, bool show,
                           const QString &boxNote) const
{
    const QString lastLine =
        window.isEmpty() ? QStringLiteral("ErrEvent : ") + procedure
                         : QStringLiteral("ErrForm : ") + window + QStringLiteral("    ErrEvent : ") + procedure;
    const QString entry = QStringLiteral("-----------------------------\r\n") + QStringLiteral("Date  : ")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          + QStringLiteral("\r\nErrNo : ") + QString::number(error.number)
                          + QStringLiteral("\r\nErrMessage : ") + error.description + QStringLiteral("\r\n") + lastLine
                          + QStringLiteral("\r\n");
    // A log that cannot be written loses the entry; the box is still shown.
    QFile file(m_logPath);
    if (file.open(QIODevice::Append))
        file.write(singleByte(entry));
    file.close();

    ++m_reportCount;
    m_lastReport = procedure + QStringLiteral(": ") + error.description;
    if (show && m_prompts)
        m_prompts->message(
            errorReportMessage(error) + (boxNote.isEmpty() ? QString() : QStringLiteral("\r\n") + boxNote),
            kProgramTitle, PromptIcon::Critical);
}

bool VantFileExist(const QString &path)
{
    return QFileInfo(path).isFile();
}

} // namespace vant
