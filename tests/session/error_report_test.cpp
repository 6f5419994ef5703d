#include "session/error_report.h"

#include <QDateTime>

#include "session_fixture.h"

namespace vant {
namespace {

using namespace Qt::StringLiterals;

using ErrorReportTest = test::SessionTest;

TEST_F(ErrorReportTest, EntriesAreFiveCrLfLinesInWindows1252AndShownInACriticalBox)
{
    m_session.ReportError(Error{3021, u"Either BOF or EOF is True."_s}, QString(), u"GetCompanyName"_s, false);
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    m_session.ReportError(Error{-2147217900, u"Caf\u00E9 \u20AC5 \u4E2D"_s}, u"frmAccountPost"_s, u"cmdClear_Click"_s,
                          true);
    QList<QByteArray> lines = log().toLatin1().split('\n');
    ASSERT_EQ(lines.size(), 11) << log().toLatin1().toStdString();
    const QDateTime written =
        QDateTime::fromString(QString::fromLatin1(lines.at(1).mid(8).chopped(1)), u"yyyy-MM-dd HH:mm:ss"_s);
    EXPECT_TRUE(lines.at(1).startsWith("Date  : ") && written.isValid()) << lines.at(1).toStdString();
    lines.removeAt(6); // the second entry's date
    lines.removeAt(1);
    EXPECT_EQ(lines, (QList<QByteArray>{"-----------------------------\r", "ErrNo : 3021\r",
                                        "ErrMessage : Either BOF or EOF is True.\r", "ErrEvent : GetCompanyName\r",
                                        "-----------------------------\r", "ErrNo : -2147217900\r",
                                        "ErrMessage : Caf\xE9 \x80"
                                        "5 ?\r",
                                        "ErrForm : frmAccountPost    ErrEvent : cmdClear_Click\r", ""}));

    ASSERT_EQ(m_prompts.boxes().size(), 1);
    const test::ScriptedPrompts::Box &box = m_prompts.boxes().at(0);
    EXPECT_EQ(box.text, u"Error Number : -2147217900(Kindly note the Error number & Message. Inform the vendor)\r\n"
                        u"Message : Caf\u00E9 \u20AC5 \u4E2D");
    EXPECT_EQ(box.title, u"VantProcess");
    EXPECT_EQ(box.icon, PromptIcon::Critical);
}

TEST_F(ErrorReportTest, UnwritableLogLosesTheEntryButStillShowsTheBox)
{
    ErrorLog(m_logFolder.path(), &m_prompts).ReportError(Error{5, u"lost"_s}, QString(), u"P"_s, true);
    EXPECT_EQ(m_prompts.boxes().size(), 1);
    // Without prompts the entry is only written.
    ErrorLog(logPath(), nullptr).ReportError(Error{9, u"quiet"_s}, QString(), u"P"_s, true);
    EXPECT_TRUE(log().toLatin1().contains("ErrMessage : quiet"));
    EXPECT_TRUE(VantFileExist(logPath()));
    EXPECT_FALSE(VantFileExist(m_logFolder.path()));
}

} // namespace
} // namespace vant
