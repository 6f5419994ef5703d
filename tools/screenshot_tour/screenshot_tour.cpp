// The pictures of the README and of the AppStream metadata: the program on the demo
// database, driven through its windows with key strokes as a user drives it, each view
// saved as a PNG. The settings must lead to a database made by "vant-dbcreator --demo".
// scripts/screenshots.sh runs it on a virtual X server.
//
//   vant-screenshot-tour OUTPUT-FOLDER
#include "desktop_program.h"
#include "desktop_identity.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace vant {
namespace {

using namespace Qt::StringLiterals;

// Time for a view to paint before it is saved or driven on, and for a step to come about.
constexpr qint64 kSettleMs = 400;
constexpr qint64 kPatienceMs = 20000;
// The pictures show the windows on a plain desktop, with this much of it around them.
constexpr int kMargin = 12;
const QColor kDesktop(0x3c, 0x4a, 0x56);

// The shown, exposed top-level window of that object name, or null.
QWidget *shownWindow(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible() && window->windowHandle()
            && window->windowHandle()->isExposed())
            return window;
    }
    return nullptr;
}

template<typename T = QWidget>
T *child(const QString &window, const QString &name)
{
    QWidget *shown = shownWindow(window);
    return shown ? shown->findChild<T *>(name) : nullptr;
}

// Escape where the window's focus is, as a user leaves the window.
void pressEscape(const QString &window)
{
    QWidget *shown = shownWindow(window);
    QTest::keyClick(shown->focusWidget() ? shown->focusWidget() : shown, Qt::Key_Escape);
}

// What is on screen, for a tour that cannot go on.
QString shownWindows()
{
    QStringList shown;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const auto *box = qobject_cast<const QMessageBox *>(window);
        shown << window->objectName() + u" \""_s + (box ? box->text() : window->windowTitle()) + u'"';
    }
    return shown.join(u", "_s);
}

class Tour : public QObject
{
public:
    explicit Tour(QString folder);

    void start();
    // Every view was saved.
    bool completed() const { return m_next == m_steps.size() && !m_failed; }

private:
    struct Step
    {
        QString awaited;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void poll();
    void fail(const QString &why);
    void save(const QString &fileName, const QStringList &windowNames);
    void addSteps();

    const QString m_folder;
    QList<Step> m_steps;
    qsizetype m_next = 0;
    bool m_failed = false;
    QTimer m_poll;
    QElapsedTimer m_sinceLastStep;
};

Tour::Tour(QString folder) : m_folder(std::move(folder))
{
    addSteps();
    connect(&m_poll, &QTimer::timeout, this, &Tour::poll);
}

void Tour::start()
{
    m_sinceLastStep.start();
    m_poll.start(100);
}

void Tour::poll()
{
    if (m_failed || m_next == m_steps.size() || m_sinceLastStep.elapsed() < kSettleMs)
        return;
    const Step &step = m_steps.at(m_next);
    if (!step.ready()) {
        if (m_sinceLastStep.elapsed() > kPatienceMs)
            fail(u"gave up waiting for "_s + step.awaited + u"; shown: "_s + shownWindows());
        return;
    }
    ++m_next;
    m_sinceLastStep.restart();
    // An act may open a modal window whose event loop runs until it closes; the polling
    // goes on inside that loop.
    QTimer::singleShot(0, this, step.act);
}

void Tour::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    m_poll.stop();
    QTextStream(stderr) << "vant-screenshot-tour: " << why << '\n';
    QCoreApplication::exit(1);
}

// Saves the windows, first named lowest, as they stand on the screen.
void Tour::save(const QString &fileName, const QStringList &windowNames)
{
    QList<QWidget *> windows;
    QRect area;
    for (const QString &name : windowNames) {
        QWidget *window = shownWindow(name);
        if (!window)
            return fail(name + u" is not shown for "_s + fileName);
        // Every window is to show the program's icon, inherited from the application.
        if (window->windowIcon().cacheKey() != QApplication::windowIcon().cacheKey())
            return fail(name + u" does not show the program's icon"_s);
        windows << window;
        area |= window->frameGeometry();
    }
    area.adjust(-kMargin, -kMargin, kMargin, kMargin);
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(kDesktop);
    QPainter painter(&picture);
    for (QWidget *window : std::as_const(windows))
        painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    painter.end();
    const QString path = QDir(m_folder).filePath(fileName);
    if (!picture.save(path))
        return fail(u"cannot write "_s + path);
    QTextStream(stdout) << path << '\n';
}

void Tour::addSteps()
{
    const auto shown = [](const QString &name) { return [name] { return shownWindow(name) != nullptr; }; };
    const auto onTop = [](const QString &name) {
        return [name] {
            const QWidget *modal = QApplication::activeModalWidget();
            return modal && modal->objectName() == name && shownWindow(name);
        };
    };
    const auto menuEntry = [](const QString &name) { return child<QAction>(u"frmMain"_s, name); };

    m_steps = {
        {u"the login window"_s, shown(u"frmDB"_s),
         [] {
             // Over whatever the box offers.
             QLineEdit *user = child<QLineEdit>(u"frmDB"_s, u"txtUserName"_s);
             user->selectAll();
             QTest::keyClicks(user, u"Admin"_s);
             QLineEdit *password = child<QLineEdit>(u"frmDB"_s, u"txtPassword"_s);
             password->setFocus();
             QTest::keyClicks(password, u"vant"_s);
         }},
        {u"the filled login window"_s, shown(u"frmDB"_s),
         [this] {
             save(u"login.png"_s, {u"frmDB"_s});
             QTest::keyClick(child<QLineEdit>(u"frmDB"_s, u"txtPassword"_s), Qt::Key_Return);
         }},
        {u"the main window"_s, shown(u"frmMain"_s),
         [] {
             auto *main = qobject_cast<QMainWindow *>(shownWindow(u"frmMain"_s));
             main->menuBar()->setActiveAction(main->findChild<QMenu *>(u"mnuProcess"_s)->menuAction());
         }},
        {u"the Process menu"_s, shown(u"mnuProcess"_s),
         [this, menuEntry] {
             save(u"main-window.png"_s, {u"frmMain"_s, u"mnuProcess"_s});
             shownWindow(u"mnuProcess"_s)->close();
             menuEntry(u"mnuAccountTransfer"_s)->trigger();
         }},
        {u"the transfer window"_s, onTop(u"frmVantTools"_s),
         [] {
             QWidget *destination = child(u"frmVantTools"_s, u"txtDestinationCompany"_s);
             destination->setFocus();
             QTest::keyClick(destination, Qt::Key_F2);
         }},
        {u"the shadow company lookup"_s, onTop(u"FrmLovResult"_s),
         [this] {
             save(u"transfer-lookup.png"_s, {u"frmVantTools"_s, u"FrmLovResult"_s});
             pressEscape(u"FrmLovResult"_s);
         }},
        {u"the transfer window after the lookup"_s, onTop(u"frmVantTools"_s), [] { pressEscape(u"frmVantTools"_s); }},
        {u"the main window after the transfer window"_s, [] { return !shownWindow(u"frmVantTools"_s); },
         [menuEntry] { menuEntry(u"mnuAccountsPosting"_s)->trigger(); }},
        {u"the posting window"_s, onTop(u"frmAccountPost"_s),
         [] {
             // Today's cash sales of the first division.
             auto *voucherType = child<QComboBox>(u"frmAccountPost"_s, u"cboVoucherType"_s);
             voucherType->setFocus();
             voucherType->setCurrentIndex(0);
             QTest::keyClick(voucherType, Qt::Key_Return);
             auto *transType = child<QComboBox>(u"frmAccountPost"_s, u"cboTransType"_s);
             transType->setCurrentIndex(0);
             QTest::keyClick(transType, Qt::Key_Return);
             QTest::mouseClick(child<QPushButton>(u"frmAccountPost"_s, u"cmdGo"_s), Qt::LeftButton);
         }},
        {u"the listed off-line vouchers"_s,
         [] {
             const auto *grid = child<QAbstractItemView>(u"frmAccountPost"_s, u"msfAccTransfer"_s);
             return grid && grid->window()->focusWidget() == grid && grid->model()->rowCount() > 1;
         },
         [] {
             QWidget *grid = child(u"frmAccountPost"_s, u"msfAccTransfer"_s);
             QTest::keyClick(grid, Qt::Key_Space);
             QTest::keyClick(grid, Qt::Key_Down);
             QTest::keyClick(grid, Qt::Key_Space);
             QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
         }},
        {u"the voucher detail"_s,
         [] {
             const QWidget *detail = child(u"frmAccountPost"_s, u"picDet"_s);
             return detail && detail->isVisible();
         },
         [this, menuEntry] {
             save(u"posting.png"_s, {u"frmAccountPost"_s});
             menuEntry(u"mnuExit"_s)->trigger();
         }},
    };
}

} // namespace
} // namespace vant

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2 || !QDir().mkpath(arguments.at(1))) {
        QTextStream(stderr) << "Usage: vant-screenshot-tour OUTPUT-FOLDER\n";
        return 2;
    }
    vant::applyDesktopIdentity();
    vant::DesktopProgram program;
    vant::Tour tour(arguments.at(1));
    program.start();
    tour.start();
    QApplication::exec();
    return tour.completed() ? 0 : 1;
}
