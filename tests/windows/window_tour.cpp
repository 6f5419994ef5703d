#include "window_tour.h"

#include "login/login_window.h"
#include "lookup/lov_window.h"
#include "main_window/main_window.h"
#include "main_window/run_history_window.h"
#include "posting/posting_window.h"
#include "session/products.h"
#include "session/user_prompts.h"
#include "transfer/company_box.h"
#include "transfer/shadow_company_picker.h"
#include "transfer/tools_window.h"
#include "widgets/report_window.h"
#include "widgets/run_preview_window.h"
#include "support/golden_file.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>

namespace vant::test {

using namespace Qt::StringLiterals;

namespace {

template<typename T = QWidget>
T *child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QString boxView(QWidget *dialog)
{
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        return u"box \""_s + box->text() + u'"';
    if (qobject_cast<QInputDialog *>(dialog))
        return u"text prompt"_s;
    if (qobject_cast<LovWindow *>(dialog))
        return u"lookup window"_s;
    if (qobject_cast<ReportWindow *>(dialog))
        return u"report window "_s + dialog->objectName();
    return QString::fromLatin1(dialog->metaObject()->className());
}

} // namespace

WindowTour::WindowTour()
{
    m_database.writeSettings();
    auto db = m_database.connect();
    TestDatabase::seedCompanies(*db);
    TestDatabase::execScript(*db, testSourceFile(u"windows/tour.sql"_s));
    m_session = std::make_unique<Session>(m_prompts, QDir(m_logFolder.path()).filePath(u"vantlog.txt"_s));
    m_boxWatch.setInterval(20);
    QObject::connect(&m_boxWatch, &QTimer::timeout, [this] { watchBoxes(); });
}

WindowTour::~WindowTour() = default;

QStringList WindowTour::dataTexts() const
{
    QStringList texts{kProgramTitle, u"Admin"_s};
    for (const Product &product : products())
        texts << product.name;
    auto db = m_database.connect();
    for (const QString &statement :
         {u"select CompanyName from acccompanymaster"_s, u"select DivisionName from accdivisionmaster"_s,
          u"select LedgerName from accledgermaster"_s}) {
        auto rows = db->openRecordset(statement);
        for (; rows && !rows->eof(); rows->moveNext())
            texts << rows->text(0);
    }
    return texts;
}

void WindowTour::visitEveryWindow(const Visitor &visit)
{
    m_visit = visit;
    m_boxWatch.start();
    visitLogin();
    visitMainWindow();
    visitRunHistory();
    visitTools(1);
    visitTools(0);
    visitPosting();
    visitPrompts();
    m_boxWatch.stop();
}

// A modal box or lookup window that a view opened: looked at, then closed without an answer.
void WindowTour::watchBoxes()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    // Boxes live on the stack: the next one may stand where the last one stood.
    const char *seen = "vantTourSeen";
    if (!dialog || dialog == m_window || dialog->property(seen).toBool() || !dialog->windowHandle()
        || !dialog->windowHandle()->isExposed())
        return;
    dialog->setProperty(seen, true);
    const QString view = m_view + u" > "_s + boxView(dialog);
    m_boxesSeen << view;
    m_visit(dialog, view);
    dialog->reject();
}

void WindowTour::show(QWidget *window, const QString &view)
{
    m_view = view;
    m_window = window;
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << view.toStdString();
    m_visit(window, view);
}

void WindowTour::visitLogin()
{
    LoginWindow window(*m_session);
    show(&window, u"login window"_s);
    // The boxes of a login without a user name and of a wrong password.
    child<QLineEdit>(window, u"txtUserName"_s)->clear();
    window.DoLogin();
    child<QLineEdit>(window, u"txtUserName"_s)->setText(u"Admin"_s);
    child<QLineEdit>(window, u"txtPassword"_s)->setText(u"wrong"_s);
    window.DoLogin();
}

void WindowTour::visitMainWindow()
{
    MainWindow window(*m_session);
    show(&window, u"main window"_s);
}

// The history of two runs, and the record of the posting, which did not post every voucher.
void WindowTour::visitRunHistory()
{
    const QString journalPath = QDir(m_logFolder.path()).filePath(u"journal.jsonl"_s);
    ASSERT_TRUE(QFile::copy(testSourceFile(u"windows/tour_runs.jsonl"_s), journalPath));

    RunHistoryWindow window(*m_session, journalPath);
    show(&window, u"run history window"_s);
    window.openRecord();
    m_window = nullptr;
}

void WindowTour::visitTools(int mode)
{
    auto loaded = ToolsWindow::load(*m_session, mode, [this](const QString &parentCode, const QString &searchText) {
        return ListShadowCompany(*m_session, &m_lookupWindows, parentCode, searchText);
    });
    ASSERT_TRUE(loaded);
    ToolsWindow &window = **loaded;
    show(&window, mode == 1 ? u"transfer window"_s : u"purge window"_s);
    // Transfer without a destination is refused with a box; Purge asks first.
    QTest::mouseClick(child<QPushButton>(window, u"cmdProcess"_s), Qt::LeftButton);
    if (mode == 1) {
        auto *destination = child<CompanyBox>(window, u"txtDestinationCompany"_s);
        destination->setFocus();
        QTest::keyClick(destination, Qt::Key_F2);
        destination->hold(u"Kormo Shadow One"_s, u"2"_s);
        for (const QString &date : {u"txtFromDate"_s, u"txtToDate"_s})
            child<QDateEdit>(window, date)->setDate(QDate(2026, 4, 10));
        // The period beside its copy in the first shadow company.
        QTest::mouseClick(child<QPushButton>(window, u"cmdCheckCopy"_s), Qt::LeftButton);
        // Another voucher between the preview and the run: the preview then shows a difference.
        visitPreview(window, u"transfer window > preview"_s, [this] {
            TestDatabase::execScript(*m_session->db(), testSourceFile(u"windows/tour_meanwhile.sql"_s));
        });
    }
    m_window = nullptr;
}

void WindowTour::visitPreview(QWidget &window, const QString &view, const std::function<void()> &meanwhile)
{
    QTest::mouseClick(child<QPushButton>(window, u"cmdPreview"_s), Qt::LeftButton);
    auto *preview = window.findChild<RunPreviewWindow *>();
    ASSERT_NE(preview, nullptr) << "no preview: " << m_boxesSeen.join(u'\n').toStdString();
    show(preview, view);
    meanwhile();
    QTest::mouseClick(child<QPushButton>(*preview, u"cmdRun"_s), Qt::LeftButton);
    m_view = view + u" after the run"_s;
    m_visit(preview, m_view);
    preview->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_view = QString();
    m_window = &window;
}

void WindowTour::visitPosting()
{
    PostingWindow window(*m_session);
    show(&window, u"posting window"_s);
    child<QDateEdit>(window, u"dtpFrom"_s)->setDate(QDate(2026, 4, 10));
    // Go before the types are chosen is refused with a box.
    QTest::mouseClick(child<QPushButton>(window, u"cmdGo"_s), Qt::LeftButton);
    // The lists fill as the focus leaves them, which takes the window active again.
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto *voucherType = child<QComboBox>(window, u"cboVoucherType"_s);
    voucherType->setFocus();
    voucherType->setCurrentIndex(0);
    QTest::keyClick(voucherType, Qt::Key_Return);
    auto *transType = child<QComboBox>(window, u"cboTransType"_s);
    transType->setCurrentIndex(0);
    QTest::keyClick(transType, Qt::Key_Return);
    QTest::mouseClick(child<QPushButton>(window, u"cmdGo"_s), Qt::LeftButton);
    auto *grid = child<QTableView>(window, u"msfAccTransfer"_s);
    ASSERT_FALSE(grid->model()->index(0, 0).data().toString().isEmpty())
        << "no voucher listed: " << m_boxesSeen.join(u'\n').toStdString();
    m_view = u"posting window with its vouchers"_s;
    m_visit(&window, m_view);

    QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(child(window, u"picDet"_s)->isVisible()) << "no voucher detail";
    m_view = u"posting window with the voucher detail"_s;
    m_visit(&window, m_view);

    QTest::keyClick(grid, Qt::Key_Space);
    visitPreview(window, u"posting window > preview"_s, [] {});
    m_window = nullptr;
}

// The text prompt, as the lookup asks for a selected row's value.
void WindowTour::visitPrompts()
{
    m_view = u"lookup"_s;
    m_prompts.textPrompt(QCoreApplication::translate("vant::LovController", "Enter %1").arg(u"Qty"_s), kProgramTitle,
                         QString());
}

} // namespace vant::test
