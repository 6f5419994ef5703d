#include "tools_window.h"

#include "check_copy.h"
#include "company_box.h"
#include "purge_job.h"
#include "widgets/busy_window.h"
#include "widgets/control_names.h"
#include "widgets/date_picker.h"
#include "widgets/focus_shown.h"
#include "session/session.h"
#include "widgets/widget_twips.h"
#include "session/user_prompts.h"
#include "transfer_job.h"

#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace vant {

namespace {

constexpr int kTransferScreen = 1;
constexpr int kPurgeScreen = 0;

// Sizes and places in twips, as the window is laid out.
struct Twips
{
    int left, top, width, height;
};

constexpr int kInnerWidth = 7410;
constexpr int kInnerHeight = 3090;
constexpr Twips kTop{0, 50, 7200, 760};
constexpr Twips kTitle{120, 60, 6960, 330};
constexpr Twips kProgress{120, 420, 6960, 240};
constexpr Twips kShape{90, 390, 7020, 300};
constexpr Twips kPanel{0, 0, 7200, 1700};
constexpr int kLabelLeft = 240;
constexpr int kLabelWidth = 2000;
constexpr int kBoxLeft = 2400;
constexpr int kRowHeight = 315;
constexpr int kFirstRow = 160;
constexpr int kRowStep = 400;
constexpr Twips kPreviewButton{3120, 2580, 1200, 400};
constexpr Twips kProcessButton{4500, 2580, 1200, 400};
constexpr Twips kExitButton{5880, 2580, 1200, 400};
constexpr Twips kCheckCopyButton{kLabelLeft, 2580, 1500, 400};

} // namespace

Outcome<std::unique_ptr<ToolsWindow>> ToolsWindow::load(Session &session, int toolsScreen, CompanyPicker picker,
                                                        QWidget *parent)
{
    // Each mode has its own panel; a mode without one has nothing to show.
    if (toolsScreen != kTransferScreen && toolsScreen != kPurgeScreen)
        return Error{340, QStringLiteral("Control array element '%1' doesn't exist").arg(toolsScreen)};
    return std::unique_ptr<ToolsWindow>(new ToolsWindow(session, toolsScreen, std::move(picker), parent));
}

ToolsWindow::ToolsWindow(Session &session, int toolsScreen, CompanyPicker picker, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_session(session), m_toolsScreen(toolsScreen),
      m_picker(std::move(picker))
{
    setObjectName(QStringLiteral("frmVantTools"));
    setModal(true);
    buildControls();
    placeControls();
    previewKeys();
    showButtonFocus(this);

    const bool transfer = m_toolsScreen == kTransferScreen;
    m_cmdProcess->setText(transfer ? tr("&Transfer") : tr("&Purge"));
    m_lblTitle->setText(transfer ? tr("Transfer") : tr("Purgedata"));
    setWindowTitle(m_lblTitle->text());
    for (QFrame *panel : m_frContainer)
        panel->hide();
    m_frContainer.at(std::size_t(m_toolsScreen))->show();
    m_cmdPreview->setVisible(transfer);
    m_prgStatus->hide();
    m_shpProgress->hide();

    for (QDateEdit *dateBox : {m_txtFromDate, m_txtToDate})
        dateBox->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    if (transfer)
        StoreDefaults();
}

void ToolsWindow::buildControls()
{
    // The window has no border of its own; without this line it melts into the window behind it.
    m_frBorder = new QFrame(this);
    m_frBorder->setObjectName(QStringLiteral("frBorder"));
    m_frBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_frBorder->setLineWidth(1);

    m_frTop = new QFrame(this);
    m_frTop->setObjectName(QStringLiteral("frTop"));
    m_lblTitle = new QLabel(m_frTop);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_lblTitle->font();
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_shpProgress = new QFrame(m_frTop);
    m_shpProgress->setObjectName(QStringLiteral("shpProgress"));
    m_shpProgress->setFrameShape(QFrame::Box);
    m_prgStatus = new QProgressBar(m_frTop);
    m_prgStatus->setObjectName(QStringLiteral("prgStatus"));
    m_prgStatus->setRange(0, 0);
    m_prgStatus->setTextVisible(false);

    for (std::size_t i = 0; i < m_frContainer.size(); ++i) {
        m_frContainer[i] = new QFrame(this);
        m_frContainer[i]->setObjectName(QStringLiteral("frContainer%1").arg(i));
        m_frContainer[i]->setFrameShape(QFrame::StyledPanel);
    }
    m_lblPurge = new QLabel(tr("Recovery is not Possible after Purge the Data"), m_frContainer[0]);
    m_lblPurge->setObjectName(QStringLiteral("lblPurge"));
    m_lblPurge->setAlignment(Qt::AlignCenter);

    QFrame *transferPanel = m_frContainer[kTransferScreen];
    m_txtSourceCompany = new CompanyBox(transferPanel);
    m_txtSourceCompany->setObjectName(QStringLiteral("txtSourceCompany"));
    m_txtDestinationCompany = new CompanyBox(transferPanel);
    m_txtDestinationCompany->setObjectName(QStringLiteral("txtDestinationCompany"));
    m_txtFromDate = new DatePicker(transferPanel);
    m_txtFromDate->setObjectName(QStringLiteral("txtFromDate"));
    m_txtToDate = new DatePicker(transferPanel);
    m_txtToDate->setObjectName(QStringLiteral("txtToDate"));

    m_cmdPreview = new QPushButton(tr("P&review"), this);
    m_cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    m_cmdProcess = new QPushButton(this);
    m_cmdProcess->setObjectName(QStringLiteral("cmdProcess"));
    m_cmdExit = new QPushButton(tr("E&xit"), this);
    m_cmdExit->setObjectName(QStringLiteral("cmdExit"));
    // Compares the period with its copy in the destination, changing nothing.
    m_cmdCheckCopy = new QPushButton(tr("&Check copy"), this);
    m_cmdCheckCopy->setObjectName(QStringLiteral("cmdCheckCopy"));
    m_cmdCheckCopy->setVisible(m_toolsScreen == kTransferScreen);
    connect(m_cmdPreview, &QPushButton::clicked, this, &ToolsWindow::preview);
    connect(m_cmdProcess, &QPushButton::clicked, this, &ToolsWindow::process);
    connect(m_cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmdCheckCopy, &QPushButton::clicked, this, &ToolsWindow::checkCopy);

    m_tabOrder = {m_txtSourceCompany, m_txtDestinationCompany, m_txtFromDate, m_txtToDate, m_cmdPreview,
                  m_cmdProcess,       m_cmdCheckCopy,          m_cmdExit};
    for (int i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder.at(i - 1), m_tabOrder.at(i));
}

void ToolsWindow::placeControls()
{
    const auto place = [](QWidget *widget, const Twips &at) {
        placeInTwips(widget, at.left, at.top, at.width, at.height);
    };
    setFixedSize(twipsToPixels(kInnerWidth, this), twipsToPixels(kInnerHeight, this));
    m_frBorder->setGeometry(rect());

    place(m_frTop, {(kInnerWidth - kTop.width) / 2, kTop.top, kTop.width, kTop.height});
    place(m_lblTitle, kTitle);
    place(m_shpProgress, kShape);
    place(m_prgStatus, kProgress);

    // Both panels sit at the band's bottom edge, aligned with its left edge.
    for (QFrame *panel : m_frContainer) {
        panel->setGeometry(m_frTop->x(), m_frTop->geometry().bottom() + 1, twipsToPixels(kPanel.width, panel),
                           twipsToPixels(kPanel.height, panel));
    }
    place(m_lblPurge, {kLabelLeft, kFirstRow + kRowStep, kPanel.width - 2 * kLabelLeft, kRowHeight});

    const QStringList captions = {tr("Source Company"), tr("Destination Company "), tr("From Date"), tr("To Date")};
    const QList<std::pair<QWidget *, int>> inputs = {
        {m_txtSourceCompany, 4500}, {m_txtDestinationCompany, 4500}, {m_txtFromDate, 1800}, {m_txtToDate, 1800}};
    for (int row = 0; row < inputs.size(); ++row) {
        const int top = kFirstRow + row * kRowStep;
        auto *label = new QLabel(captions.at(row), m_frContainer[kTransferScreen]);
        place(label, {kLabelLeft, top, kLabelWidth, kRowHeight});
        place(inputs.at(row).first, {kBoxLeft, top, inputs.at(row).second, kRowHeight});
        nameByLabel(label, inputs.at(row).first);
    }
    place(m_cmdPreview, kPreviewButton);
    place(m_cmdProcess, kProcessButton);
    place(m_cmdExit, kExitButton);
    place(m_cmdCheckCopy, kCheckCopyButton);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// The window sees every key before its controls, as the keys of the fields act on the window.
void ToolsWindow::previewKeys()
{
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void ToolsWindow::StoreDefaults()
{
    m_txtSourceCompany->hold(m_session.companyName, m_session.companyCode);
    m_txtFromDate->setDate(QDate::currentDate());
    m_txtToDate->setDate(QDate::currentDate());
}

QWidget *ToolsWindow::controlOf(QObject *object) const
{
    for (QObject *o = object; o && o != this; o = o->parent()) {
        for (QWidget *control : m_tabOrder) {
            if (o == control)
                return control;
        }
    }
    return nullptr;
}

bool ToolsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (QWidget *control = controlOf(watched))
        return handleKey(control, key);
    return QDialog::eventFilter(watched, event);
}

bool ToolsWindow::handleKey(QWidget *control, int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (control == m_txtSourceCompany) {
        if (enter)
            moveFocus(control, 1);
        else if (key == Qt::Key_Up)
            moveFocus(control, -1);
        return enter || key == Qt::Key_Up;
    }
    if (control == m_txtDestinationCompany) {
        if (key == Qt::Key_F2 || (enter && m_txtDestinationCompany->text().trimmed().isEmpty()))
            lookupDestination();
        else if (enter)
            moveFocus(control, 1);
        else if (key == Qt::Key_Up)
            moveFocus(control, -1);
        return enter || key == Qt::Key_F2 || key == Qt::Key_Up;
    }
    if (control == m_txtFromDate || control == m_txtToDate) {
        if (enter && control == m_txtToDate)
            m_cmdProcess->setFocus();
        else if (enter)
            moveFocus(control, 1);
        else if (key == Qt::Key_Backspace)
            moveFocus(control, -1);
        return enter || key == Qt::Key_Backspace;
    }
    return false;
}

void ToolsWindow::moveFocus(QWidget *from, int step)
{
    const int count = int(m_tabOrder.size());
    const int index = int(m_tabOrder.indexOf(from));
    m_tabOrder.at((index + step + count) % count)->setFocus(Qt::TabFocusReason);
}

void ToolsWindow::lookupDestination()
{
    const QStringList choice =
        m_picker ? m_picker(m_session.companyCode, m_txtDestinationCompany->text().trimmed()) : QStringList();
    // A failed pick is treated like no choice: the box keeps what it holds.
    if (choice.isEmpty() || choice.first() == QStringLiteral("Nothing"))
        return;
    m_txtDestinationCompany->hold(choice.first(), choice.value(1));
    moveFocus(m_txtDestinationCompany, 1);
}

void ToolsWindow::process()
{
    if (m_toolsScreen == kTransferScreen)
        Processtransfer();
    else if (m_toolsScreen == kPurgeScreen && PurgeJob(m_session).ProcessPurgeData())
        accept();
}

// The same refusals as a transfer's for a company not chosen and a period upside down.
void ToolsWindow::checkCopy()
{
    if (m_txtSourceCompany->heldCode().toDouble() == 0) {
        m_session.prompts.message(tr("Parent Company Not Correct"));
        m_txtSourceCompany->setFocus();
        return;
    }
    if (m_txtDestinationCompany->heldCode().toDouble() == 0) {
        m_session.prompts.message(tr("Destination Company Not Correct"));
        m_txtDestinationCompany->setFocus();
        return;
    }
    if (m_txtFromDate->date() > m_txtToDate->date()) {
        m_session.prompts.message(tr("From Date Greater than Do Date"));
        m_txtFromDate->setFocus();
        return;
    }
    CheckCopy::run(m_session,
                   {m_session.voucherTable, m_txtSourceCompany->heldCode().trimmed(),
                    m_txtDestinationCompany->heldCode().trimmed(), m_txtFromDate->date(), m_txtToDate->date()},
                   this);
}

QWidget *ToolsWindow::fieldWidget(ToolsField field) const
{
    switch (field) {
    case ToolsField::SourceCompany: return m_txtSourceCompany;
    case ToolsField::DestinationCompany: return m_txtDestinationCompany;
    case ToolsField::FromDate: return m_txtFromDate;
    case ToolsField::ToDate: return m_txtToDate;
    case ToolsField::None: break;
    }
    return nullptr;
}

void ToolsWindow::Processtransfer()
{
    transfer(request());
}

TransferRequest ToolsWindow::request() const
{
    return {m_txtSourceCompany->heldCode(), m_txtDestinationCompany->heldCode(), m_txtFromDate->date(),
            m_txtToDate->date()};
}

RunRecord ToolsWindow::transfer(const TransferRequest &request)
{
    TransferJob job(m_session, request);
    endRun(runJob(job));
    return job.record();
}

TransferEnd ToolsWindow::runJob(TransferJob &job)
{
    // Counting and the run can take minutes: the window shows them and takes no input meanwhile.
    std::optional<BusyWindow> busy;
    TransferFeedback feedback;
    feedback.focus = [this](ToolsField field) {
        if (QWidget *widget = fieldWidget(field))
            widget->setFocus();
    };
    feedback.checked = [this, &busy] { busy.emplace(this); };
    feedback.counted = [this](int rows) {
        m_prgStatus->setRange(0, rows);
        m_prgStatus->setValue(0);
    };
    feedback.caption = [this, &busy](const QString &caption) {
        m_lblTitle->setText(caption);
        busy->keepPainted();
    };
    feedback.showProgress = [this, &busy] {
        m_prgStatus->show();
        busy->keepPainted();
    };
    feedback.advance = [this, &busy](int rows) {
        if (m_prgStatus->value() < m_prgStatus->maximum())
            m_prgStatus->setValue(int(std::min<qint64>(m_prgStatus->maximum(), qint64(m_prgStatus->value()) + rows)));
        busy->keepPaintedNowAndThen();
    };
    return job.Processtransfer(feedback);
}

void ToolsWindow::endRun(TransferEnd end)
{
    m_prgStatus->setValue(0);
    m_prgStatus->hide();
    if (end == TransferEnd::Completed) {
        m_cmdProcess->setEnabled(false);
        m_cmdPreview->setEnabled(false);
        return;
    }
    // Nothing of a request that stopped was kept; the window is ready for another try.
    m_lblTitle->setText(tr("Transfer"));
}

} // namespace vant
