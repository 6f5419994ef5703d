#include "session/error_report.h"

#include <QDateTime>

#include "session_fixture.h"

namespace vant {
namespace {

using ErrorReportTest = test::SessionTest;

TEST_F(ErrorReportTest, EntriesAreFiveCrLfLinesInWindows1252AndShownInACriticalBox)
{
    m_session.ReportError(Error{3021, QStringLiteral("Either BOF or EOF is True.")}, QString(),
                          QStringLiteral("GetCompanyName"), false);
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    m_session.ReportError(Error{-2147217900, QStringLiteral("Caf\u00E9 \u20AC5 \u4E2D")},
                          QStringLiteral("frmAccountPost"), QStringLiteral("cmdClear_Click"), true);
    const QList<QByteArray> lines = log().toLatin1().split('\n');
    ASSERT_EQ(lines.size(), 11) << log().toLatin1().toStdString();
    EXPECT_EQ(lines.at(0), "-----------------------------\r");
    const QDateTime written = QDateTime::fromString(QString::fromLatin1(lines.at(1).mid(8).chopped(1)),
                                                    QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_TRUE(lines.at(1).startsWith("Date  : ") && written.isValid()) << lines.at(1).toStdString();
    EXPECT_EQ(lines.at(2), "ErrNo : 3021\r");
    EXPECT_EQ(lines.at(3), "ErrMessage : Either BOF or EOF is True.\r");
    EXPECT_EQ(lines.at(4), "ErrEvent : GetCompanyName\r");
    EXPECT_EQ(lines.at(5), "-----------------------------\r");
    EXPECT_EQ(lines.at(7), "ErrNo : -2147217900\r");
    EXPECT_EQ(lines.at(8), "ErrMessage : Caf\xE9 \x80"
                           "5 ?\r");
    EXPECT_EQ(lines.at(9), "ErrForm : frmAccountPost    ErrEvent : cmdClear_Click\r");
    EXPECT_TRUE(lines.at(10).isEmpty());

    ASSERT_EQ(m_prompts.boxes().size(), 1);
    const test::ScriptedPrompts::Box &box = m_prompts.boxes().at(0);
    EXPECT_EQ(box.text, u"Error Number : -2147217900(Kindly note the Error number & Message. Inform the vendor)\r\n"
                        u"Message : Caf\u00E9 \u20AC5 \u4E2D");
    EXPECT_EQ(box.title, u"VantProcess");
    EXPECT_EQ(box.icon, PromptIcon::Critical);
}

TEST_F(ErrorReportTest, UnwritableLogLosesTheEntryButStillShowsTheBox)
{
    const QString path = QDir(m_logFolder.path()).filePath(QStringLiteral("missing/vantlog.txt"));
    for (const QString &unwritable : {path, m_logFolder.path()})
        ErrorLog(unwritable, &m_prompts)
            .ReportError(Error{5, QStringLiteral("lost")}, QString(), QStringLiteral("P"), true);
    EXPECT_EQ(m_prompts.boxes().size(), 2);
    EXPECT_FALSE(VantFileExist(QString()));
    // Without prompts the entry is only written.
    ErrorLog(logPath(), nullptr).ReportError(Error{9, QStringLiteral("quiet")}, QString(), QStringLiteral("P"), true);
    EXPECT_TRUE(log().toLatin1().contains("ErrMessage : quiet"));
    EXPECT_TRUE(VantFileExist(logPath()));
    EXPECT_FALSE(VantFileExist(path));
    EXPECT_FALSE(VantFileExist(m_logFolder.path()));
}

} // namespace
} // namespace vant
