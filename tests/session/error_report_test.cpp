#include "session/error_report.h"
#include "session/session.h"

#include "support/scripted_prompts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

using test::ScriptedPrompts;

class ErrorReportTest : public testing::Test
{
protected:
    QString logPath() const { return QDir(m_folder.path()).filePath(QStringLiteral("vantlog.txt")); }

    QByteArray logBytes() const
    {
        QFile log(logPath());
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
    ScriptedPrompts m_prompts;
    Session m_session{m_prompts, logPath()};
};

// The date line carries the time of writing; everything else is fixed.
void expectDateLine(const QByteArray &line)
{
    ASSERT_TRUE(line.startsWith("Date  : ")) << line.toStdString();
    const QDateTime written = QDateTime::fromString(QString::fromLatin1(line.mid(8)), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_TRUE(written.isValid()) << line.toStdString();
}

TEST_F(ErrorReportTest, EntryWithoutWindowHasFiveCrLfLines)
{
    m_session.ReportError(Error{3021, QStringLiteral("Either BOF or EOF is True.")}, QString(),
                          QStringLiteral("GetCompanyName"), false);
    const QByteArray log = logBytes();
    ASSERT_TRUE(log.endsWith("\r\n"));
    const QList<QByteArray> lines = log.chopped(2).split('\n');
    ASSERT_EQ(lines.size(), 5) << log.toStdString();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(lines.at(i).endsWith('\r')) << i;
    EXPECT_EQ(lines.at(0), "-----------------------------\r");
    EXPECT_EQ(lines.at(0).size(), 30);
    expectDateLine(lines.at(1).chopped(1));
    EXPECT_EQ(lines.at(2), "ErrNo : 3021\r");
    EXPECT_EQ(lines.at(3), "ErrMessage : Either BOF or EOF is True.\r");
    EXPECT_EQ(lines.at(4), "ErrEvent : GetCompanyName");
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
}

TEST_F(ErrorReportTest, EntryWithWindowNamesFormAndEvent)
{
    m_session.ReportError(Error{-2147217900, QStringLiteral("Syntax error")}, QStringLiteral("frmAccountPost"),
                          QStringLiteral("cmdClear_Click"), false);
    const QList<QByteArray> lines = logBytes().split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.at(2), "ErrNo : -2147217900\r");
    EXPECT_EQ(lines.at(4), "ErrForm : frmAccountPost    ErrEvent : cmdClear_Click\r");
}

TEST_F(ErrorReportTest, TwoErrorsGiveTwoCompleteEntries)
{
    m_session.ReportError(Error{1, QStringLiteral("first")}, QString(), QStringLiteral("One"), false);
    m_session.ReportError(Error{2, QStringLiteral("second")}, QString(), QStringLiteral("Two"), false);
    const QList<QByteArray> lines = logBytes().split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.at(0), "-----------------------------\r");
    EXPECT_EQ(lines.at(4), "ErrEvent : One\r");
    EXPECT_EQ(lines.at(5), "-----------------------------\r");
    EXPECT_EQ(lines.at(7), "ErrNo : 2\r");
    EXPECT_EQ(lines.at(9), "ErrEvent : Two\r");
    EXPECT_TRUE(lines.at(10).isEmpty());
}

TEST_F(ErrorReportTest, ShownReportIsACriticalBoxWithTheVendorNote)
{
    m_session.ReportError(Error{91, QStringLiteral("Object variable not set")}, QString(),
                          QStringLiteral("DefaultCompanySet"), true);
    ASSERT_EQ(m_prompts.boxes().size(), 1);
    const ScriptedPrompts::Box &box = m_prompts.boxes().at(0);
    EXPECT_EQ(box.kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(box.text, u"Error Number : 91(Kindly note the Error number & Message. Inform the vendor)\r\n"
                        u"Message : Object variable not set");
    EXPECT_EQ(box.title, u"VantProcess");
    EXPECT_EQ(box.icon, PromptIcon::Critical);
    EXPECT_TRUE(logBytes().contains("ErrEvent : DefaultCompanySet"));
}

TEST_F(ErrorReportTest, UnwritableLogLosesTheEntryButStillShowsTheBox)
{
    const QString path = QDir(m_folder.path()).filePath(QStringLiteral("missing/vantlog.txt"));
    ErrorLog log(path, &m_prompts);
    log.ReportError(Error{5, QStringLiteral("lost")}, QString(), QStringLiteral("Somewhere"), true);
    EXPECT_EQ(m_prompts.boxes().size(), 1);
    EXPECT_FALSE(QFile::exists(path));

    // A log path that is a folder cannot be written either.
    ErrorLog folderLog(m_folder.path(), &m_prompts);
    folderLog.ReportError(Error{6, QStringLiteral("lost too")}, QString(), QStringLiteral("Elsewhere"), true);
    EXPECT_EQ(m_prompts.boxes().size(), 2);
}

TEST_F(ErrorReportTest, DescriptionWithLineBreaksIsWrittenUnchanged)
{
    m_session.ReportError(Error{7, QStringLiteral("line one\r\nline two")}, QString(), QStringLiteral("Proc"), false);
    const QByteArray log = logBytes();
    EXPECT_TRUE(log.contains("\r\nErrMessage : line one\r\nline two\r\nErrEvent : Proc\r\n")) << log.toStdString();
    EXPECT_EQ(log.count('\n'), 6);
}

TEST_F(ErrorReportTest, TextIsWrittenInWindows1252)
{
    m_session.ReportError(Error{8, QStringLiteral("Caf\u00E9 \u20AC5 \u4E2D")}, QString(), QStringLiteral("Proc"), false);
    EXPECT_TRUE(logBytes().contains("ErrMessage : Caf\xE9 \x80" "5 ?\r\n"));
}

TEST_F(ErrorReportTest, WithoutPromptsNothingIsShown)
{
    ErrorLog log(logPath(), nullptr);
    log.ReportError(Error{9, QStringLiteral("quiet")}, QString(), QStringLiteral("Proc"), true);
    EXPECT_TRUE(logBytes().contains("ErrMessage : quiet"));
}

TEST(VantFileExist, TellsFilesFromFoldersAndAbsence)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("present.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(VantFileExist(path));
    EXPECT_FALSE(VantFileExist(QDir(folder.path()).filePath(QStringLiteral("absent.txt"))));
    EXPECT_FALSE(VantFileExist(folder.path()));
    EXPECT_FALSE(VantFileExist(QString()));
}

} // namespace
} // namespace vant
