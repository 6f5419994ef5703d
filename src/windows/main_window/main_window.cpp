#include "main_window.h"

#include "posting/account_posting.h"
#include "run_history_window.h"
#include "session/company_context.h"
#include "session/session.h"
#include "session/twips.h"
#include "transfer/tools_load.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace vant {

namespace {

constexpr int kInitialWidth = 9600;
constexpr int kInitialHeight = 7200;

} // namespace

MainWindow::MainWindow(Session &session, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_processMenu(menuBar()->addMenu(tr("&Process")))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Vant Tools"));
    resize(twipsToPixels(kInitialWidth, logicalDpiX()), twipsToPixels(kInitialHeight, logicalDpiY()));
    m_processMenu->setObjectName(QStringLiteral("mnuProcess"));

    connect(addEntry(QStringLiteral("mnuAccountTransfer"), tr("Account Transfer")), &QAction::triggered, this,
            [this] { VantToolsLoad(1); });
    connect(addEntry(QStringLiteral("mnuAccountsPosting"), tr("Accounts Posting")), &QAction::triggered, this,
            &MainWindow::AccountPostLoad);
    m_processMenu->addSeparator()->setObjectName(QStringLiteral("mnuSeprator"));
    connect(addEntry(QStringLiteral("mnuPurgedata"), tr("Purge Data")), &QAction::triggered, this,
            [this] { VantToolsLoad(0); });
    m_processMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepHistory"));
    connect(addEntry(QStringLiteral("mnuRunHistory"), tr("Run &History")), &QAction::triggered, this,
            &MainWindow::RunHistoryLoad);
    m_processMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    connect(addEntry(QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this, &MainWindow::exitRequested);

    // The window opens with or without a default company; the jobs then see an empty context.
    DefaultCompanySet(m_session);

    // Whose books are open, and who works on them, stays in sight.
    const std::pair<const char *, QString> fields[] = {
        {"lblCompany", tr("Company: %1").arg(m_session.companyName)},
        {"lblFinancialYear", tr("Financial Year: %1").arg(m_session.financialYear)},
        {"lblUser", tr("User: %1").arg(m_session.userName)},
    };
    for (const auto &[name, text] : fields) {
        auto *field = new QLabel(text, statusBar());
        field->setObjectName(QString::fromLatin1(name));
        statusBar()->addWidget(field);
    }
}

QAction *MainWindow::addEntry(const QString &name, const QString &caption)
{
    QAction *entry = m_processMenu->addAction(caption);
    entry->setObjectName(name);
    return entry;
}

void MainWindow::VantToolsLoad(int mode)
{
    vant::VantToolsLoad(m_session, mode, this);
}

void MainWindow::AccountPostLoad()
{
    showAccountsPosting(m_session, this);
}

void MainWindow::RunHistoryLoad()
{
    showRunHistory(m_session, this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

} // namespace vant
