#include "login_fixture.h"

#include "main_window/main_window.h"
#include "session/products.h"
#include "transfer/frm_vant_tools.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>

namespace vant::test {

namespace {

class MainWindowTest : public LoginTest
{
protected:
    FrmMain *loggedIn()
    {
        start();
        login(QStringLiteral("Admin"), QStringLiteral("secret1"));
        return m_program.mainWindow();
    }

    // Chooses a menu entry and closes the modal window it opens; returns that window's
    // name and, for the tools window, its mode.
    QString openAndClose(FrmMain *main, const QString &entryName)
    {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window)
                return;
            seen = window->objectName();
            if (auto *tools = qobject_cast<frmVantTools *>(window)) {
                seen += QStringLiteral(":%1").arg(tools->ToolsScreen());
                m_lastTools = tools;
            }
            window->close();
        });
        main->findChild<QAction *>(entryName)->trigger();
        return seen;
    }

    static inline QPointer<frmVantTools> m_lastTools;
};

TEST_F(MainWindowTest, ProcessMenuEntriesInOrder)
{
    FrmMain *main = loggedIn();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Vant Tools"));

    const QList<QAction *> top = main->menuBar()->actions();
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top.constFirst()->text(), QStringLiteral("&Process"));

    QStringList entries;
    for (const QAction *entry : top.constFirst()->menu()->actions()) {
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        EXPECT_TRUE(entry->shortcut().isEmpty()) << entry->text().toStdString();
    }
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Account Transfer"), QStringLiteral("Accounts Posting"),
                                    QStringLiteral("-"), QStringLiteral("Purge Data"), QStringLiteral("-"),
                                    QStringLiteral("E&xit")}));
}

TEST_F(MainWindowTest, LoadSetsTheDefaultCompany)
{
    ASSERT_NE(loggedIn(), nullptr);
    EXPECT_EQ(m_session.CompanyCode, QStringLiteral("1"));
    EXPECT_EQ(m_session.CompanyName, QStringLiteral("Kormo Traders"));
    EXPECT_EQ(m_session.FinancialYear, QStringLiteral("2026"));
    EXPECT_EQ(m_session.VoucherTable, QStringLiteral("accvoucher2026"));
    EXPECT_EQ(m_session.FinYearBegin, QDate(2026, 4, 1));
    EXPECT_EQ(m_session.FinYearEnd, QDate(2027, 3, 31));
    EXPECT_EQ(m_session.DateFormat, QStringLiteral("dd-MM-yyyy"));
}

TEST_F(MainWindowTest, OpensWithoutADefaultCompany)
{
    execute({QStringLiteral("update acccompanymaster set DefaultCompany='N'")});
    FrmMain *main = loggedIn();

    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(m_prompts.boxes().isEmpty());
    EXPECT_TRUE(m_session.CompanyCode.isEmpty());
    EXPECT_TRUE(m_session.VoucherTable.isEmpty());
}

TEST_F(MainWindowTest, ExitReleasesEverythingAndEnds)
{
    FrmMain *main = loggedIn();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(AccountsObjectCreation(m_session));

    main->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();

    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_EQ(m_session.AccountsObject, nullptr);
    EXPECT_EQ(m_session.db(), nullptr);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowTest, ClosingTheWindowEndsWithoutReleasing)
{
    FrmMain *main = loggedIn();
    ASSERT_NE(main, nullptr);

    main->close();

    EXPECT_EQ(m_endCodes, QList<int>{0});
    EXPECT_NE(m_session.db(), nullptr);
}

TEST_F(MainWindowTest, EachEntryOpensItsJobWindow)
{
    FrmMain *main = loggedIn();
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(openAndClose(main, QStringLiteral("mnuAccountTransfer")), QStringLiteral("frmVantTools:1"));
    QPointer<frmVantTools> first = m_lastTools;
    EXPECT_EQ(openAndClose(main, QStringLiteral("mnuAccountTransfer")), QStringLiteral("frmVantTools:1"));
    // Every opening is a fresh window; the earlier one is gone.
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(openAndClose(main, QStringLiteral("mnuPurgedata")), QStringLiteral("frmVantTools:0"));
    EXPECT_EQ(openAndClose(main, QStringLiteral("mnuAccountsPosting")), QStringLiteral("frmAccountPost"));
    EXPECT_TRUE(m_prompts.boxes().isEmpty()) << m_prompts.texts().join(u'|').toStdString();
}

} // namespace

} // namespace vant::test
