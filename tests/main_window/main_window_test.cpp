// The main window: its menu, the company it loads, the job window each entry opens and the
// two ways it ends the program.
#include "login/login_fixture.h"

#include "main_window/main_window.h"
#include "transfer/tools_window.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class MainWindowTest : public LoginTest
{
protected:
    void SetUp() override
    {
        start();
        login(u"Admin"_s, u"secret1"_s);
        m_main = m_program.mainWindow();
        ASSERT_NE(m_main, nullptr);
    }

    // Chooses a menu entry and closes the modal window it opens; gives that window's name
    // and, for the tools window, its mode.
    QString openAndClose(const QString &entryName)
    {
        QString seen;
        QTimer::singleShot(0, [this, &seen] {
            m_opened = QApplication::activeModalWidget();
            auto *tools = qobject_cast<ToolsWindow *>(m_opened.data());
            seen = m_opened->objectName() + (tools ? u":%1"_s.arg(tools->ToolsScreen()) : QString());
            m_opened->close();
        });
        m_main->findChild<QAction *>(entryName)->trigger();
        return seen;
    }

    MainWindow *m_main = nullptr;
    QPointer<QWidget> m_opened;
};

TEST_F(MainWindowTest, OpensWithTheProcessMenuAndTheCompanyYearAndUserBelow)
{
    EXPECT_EQ(m_main->windowTitle(), u"Vant Tools"_s);
    const QList<QAction *> top = m_main->menuBar()->actions();
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top.constFirst()->text(), u"&Process"_s);
    QStringList entries;
    for (const QAction *entry : top.constFirst()->menu()->actions())
        entries << (entry->isSeparator() ? u"-"_s : entry->text());
    EXPECT_EQ(entries, (QStringList{u"Account Transfer"_s, u"Accounts Posting"_s, u"-"_s, u"Purge Data"_s, u"-"_s,
                                    u"Run &History"_s, u"-"_s, u"E&xit"_s}));

    QStringList shown;
    for (const char *name : {"lblCompany", "lblFinancialYear", "lblUser"}) {
        const auto *field = m_main->statusBar()->findChild<QLabel *>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_TRUE(field->isVisible()) << name;
        shown << field->text();
    }
    EXPECT_EQ(shown, (QStringList{u"Company: Kormo Traders"_s, u"Financial Year: 2026"_s, u"User: Admin"_s}));
}

// Without a window manager nothing gives the keyboard back to the main window when a job window
// closes: its menu's access keys would do nothing until the pointer crossed it.
TEST_F(MainWindowTest, EachEntryOpensItsJobWindowAndTheKeyboardComesBack)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main));
    const std::pair<QString, QString> entries[] = {{u"mnuAccountTransfer"_s, u"frmVantTools:1"_s},
                                                   {u"mnuAccountTransfer"_s, u"frmVantTools:1"_s},
                                                   {u"mnuPurgedata"_s, u"frmVantTools:0"_s},
                                                   {u"mnuAccountsPosting"_s, u"frmAccountPost"_s},
                                                   {u"mnuRunHistory"_s, u"frmRunHistory"_s}};
    QString earlierEntry;
    QPointer<QWidget> earlier;
    for (const auto &[entry, window] : entries) {
        SCOPED_TRACE(entry.toStdString());
        EXPECT_EQ(openAndClose(entry), window);
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_main; }, 1000));
        // Every opening is a fresh window; the earlier one is gone.
        EXPECT_TRUE(entry != earlierEntry || earlier.isNull());
        earlierEntry = entry;
        earlier = m_opened;
    }
    EXPECT_TRUE(m_prompts.boxes().isEmpty()) << m_prompts.texts().join(u'|').toStdString();
}

// What the exit releases is the login window's Escape's too (its tests); here, that the entry ends.
TEST_F(MainWindowTest, ExitReleasesEverythingAndEnds)
{
    m_main->findChild<QAction *>(u"mnuExit"_s)->trigger();
    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_EQ(m_session.db(), nullptr);
    EXPECT_FALSE(m_main->isVisible());
}

TEST_F(MainWindowTest, TheCloseBoxEndsWithoutReleasing)
{
    m_main->close();
    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_NE(m_session.db(), nullptr);
}

} // namespace
} // namespace vant::test
