#include "tools_window.h"

#include "check_copy.h"
#include "company_box.h"
#include "transfer/purge_job.h"
#include "widgets/busy_window.h"
#include "widgets/control_names.h"
#include "widgets/date_picker.h"
#include "widgets/enter_key.h"
#include "widgets/focus_shown.h"
#include "session/session.h"
#include "widgets/widget_twips.h"
#include "session/user_prompts.h"
#include "transfer/transfer_job.h"

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
    m_processButton->setText(transfer ? tr("&Transfer") : tr("&Purge"));
    m_titleLabel->setText(transfer ? tr("Transfer") : tr("Purgedata"));
    setWindowTitle(m_titleLabel->text());
    for (QFrame *panel : m_screenPanels)
        panel->hide();
    m_screenPanels.at(std::size_t(m_toolsScreen))->show();
    m_previewButton->setVisible(transfer);
    m_progressBar->hide();
    m_progressFrame->hide();

    for (QDateEdit *dateBox : {m_fromDateEdit, m_toDateEdit})
        dateBox->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    if (transfer)
        StoreDefaults();
}

void ToolsWindow::buildControls()
{
    // The window has no border of its own; without this line it melts into the window behind it.
    m_borderFrame = new QFrame(this);
    m_borderFrame->setObjectName(QStringLiteral("frBorder"));
    m_borderFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_borderFrame->setLineWidth(1);

    m_topFrame = new QFrame(this);
    m_topFrame->setObjectName(QStringLiteral("frTop"));
    m_titleLabel = new QLabel(m_topFrame);
    m_titleLabel->setObjectName(QStringLiteral("lblTitle"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_titleLabel->font();
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_progressFrame = new QFrame(m_topFrame);
    m_progressFrame->setObjectName(QStringLiteral("shpProgress"));
    m_progressFrame->setFrameShape(QFrame::Box);
    m_progressBar = new QProgressBar(m_topFrame);
    m_progressBar->setObjectName(QStringLiteral("prgStatus"));
    m_progressBar->setRange(0, 0);
    m_progressBar->setTextVisible(false);

    for (std::size_t i = 0; i < m_screenPanels.size(); ++i) {
        m_screenPanels[i] = new QFrame(this);
        m_screenPanels[i]->setObjectName(QStringLiteral("frContainer%1").arg(i));
        m_screenPanels[i]->setFrameShape(QFrame::StyledPanel);
    }
    m_purgeLabel = new QLabel(tr("Recovery is not Possible after Purge the Data"), m_screenPanels[0]);
    m_purgeLabel->setObjectName(QStringLiteral("lblPurge"));
    m_purgeLabel->setAlignment(Qt::AlignCenter);

    QFrame *transferPanel = m_screenPanels[kTransferScreen];
    m_sourceCompanyBox = new CompanyBox(transferPanel);
    m_sourceCompanyBox->setObjectName(QStringLiteral("txtSourceCompany"));
    m_destinationCompanyBox = new CompanyBox(transferPanel);
    m_destinationCompanyBox->setObjectName(QStringLiteral("txtDestinationCompany"));
    m_fromDateEdit = new DatePicker(transferPanel);
    m_fromDateEdit->setObjectName(QStringLiteral("txtFromDate"));
    m_toDateEdit = new DatePicker(transferPanel);
    m_toDateEdit->setObjectName(QStringLiteral("txtToDate"));

    m_previewButton = new QPushButton(tr("P&review"), this);
    m_previewButton->setObjectName(QStringLiteral("cmdPreview"));
    m_processButton = new QPushButton(this);
    m_processButton->setObjectName(QStringLiteral("cmdProcess"));
    m_exitButton = new QPushButton(tr("E&xit"), this);
    m_exitButton->setObjectName(QStringLiteral("cmdExit"));
    // Compares the period with its copy in the destination, changing nothing.
    m_checkCopyButton = new QPushButton(tr("&Check copy"), this);
    m_checkCopyButton->setObjectName(QStringLiteral("cmdCheckCopy"));
    m_checkCopyButton->setVisible(m_toolsScreen == kTransferScreen);
    connect(m_previewButton, &QPushButton::clicked, this, &ToolsWindow::preview);
    connect(m_processButton, &QPushButton::clicked, this, &ToolsWindow::process);
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_checkCopyButton, &QPushButton::clicked, this, &ToolsWindow::checkCopy);

    m_tabOrder = {m_sourceCompanyBox, m_destinationCompanyBox, m_fromDateEdit,    m_toDateEdit,
                  m_previewButton,    m_processButton,         m_checkCopyButton, m_exitButton};
    for (int i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder.at(i - 1), m_tabOrder.at(i));
}

void ToolsWindow::placeControls()
{
    const auto place = [](QWidget *widget, const Twips &at) {
        placeInTwips(widget, at.left, at.top, at.width, at.height);
    };
    setFixedSize(twipsToPixels(kInnerWidth, this), twipsToPixels(kInnerHeight, this));
    m_borderFrame->setGeometry(rect());

    place(m_topFrame, {(kInnerWidth - kTop.width) / 2, kTop.top, kTop.width, kTop.height});
    place(m_titleLabel, kTitle);
    place(m_progressFrame, kShape);
    place(m_progressBar, kProgress);

    // Both panels sit at the band's bottom edge, aligned with its left edge.
    for (QFrame *panel : m_screenPanels) {
        panel->setGeometry(m_topFrame->x(), m_topFrame->geometry().bottom() + 1, twipsToPixels(kPanel.width, panel),
                           twipsToPixels(kPanel.height, panel));
    }
    place(m_purgeLabel, {kLabelLeft, kFirstRow + kRowStep, kPanel.width - 2 * kLabelLeft, kRowHeight});

    const QStringList captions = {tr("Source Company"), tr("Destination Company "), tr("From Date"), tr("To Date")};
    const QList<std::pair<QWidget *, int>> inputs = {
        {m_sourceCompanyBox, 4500}, {m_destinationCompanyBox, 4500}, {m_fromDateEdit, 1800}, {m_toDateEdit, 1800}};
    for (int row = 0; row < inputs.size(); ++row) {
        const int top = kFirstRow + row * kRowStep;
        auto *label = new QLabel(captions.at(row), m_screenPanels[kTransferScreen]);
        place(label, {kLabelLeft, top, kLabelWidth, kRowHeight});
        place(inputs.at(row).first, {kBoxLeft, top, inputs.at(row).second, kRowHeight});
        nameByLabel(label, inputs.at(row).first);
    }
    place(m_previewButton, kPreviewButton);
    place(m_processButton, kProcessButton);
    place(m_exitButton, kExitButton);
    place(m_checkCopyButton, kCheckCopyButton);

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
    m_sourceCompanyBox->hold(m_session.companyName, m_session.companyCode);
    m_fromDateEdit->setDate(QDate::currentDate());
    m_toDateEdit->setDate(QDate::currentDate());
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
    const bool enter = isEnterKey(key);
    if (control == m_sourceCompanyBox) {
        if (enter)
            moveFocus(control, 1);
        else if (key == Qt::Key_Up)
            moveFocus(control, -1);
        return enter || key == Qt::Key_Up;
    }
    if (control == m_destinationCompanyBox) {
        if (key == Qt::Key_F2 || (enter && m_destinationCompanyBox->text().trimmed().isEmpty()))
            lookupDestination();
        else if (enter)
            moveFocus(control, 1);
        else if (key == Qt::Key_Up)
            moveFocus(control, -1);
        return enter || key == Qt::Key_F2 || key == Qt::Key_Up;
    }
    if (control == m_fromDateEdit || control == m_toDateEdit) {
        if (enter && control == m_toDateEdit)
            m_processButton->setFocus();
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
        m_picker ? m_picker(m_session.companyCode, m_destinationCompanyBox->text().trimmed()) : QStringList();
    // A failed pick is treated like no choice: the box keeps what it holds.
    if (choice.isEmpty() || choice.first() == QStringLiteral("Nothing"))
        return;
    m_destinationCompanyBox->hold(choice.first(), choice.value(1));
    moveFocus(m_destinationCompanyBox, 1);
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
    if (m_sourceCompanyBox->heldCode().toDouble() == 0) {
        m_session.prompts.message(tr("Parent Company Not Correct"));
        m_sourceCompanyBox->setFocus();
        return;
    }
    if (m_destinationCompanyBox->heldCode().toDouble() == 0) {
        m_session.prompts.message(tr("Destination Company Not Correct"));
        m_destinationCompanyBox->setFocus();
        return;
    }
    if (m_fromDateEdit->date() > m_toDateEdit->date()) {
        m_session.prompts.message(tr("From Date Greater than Do Date"));
        m_fromDateEdit->setFocus();
        return;
    }
    CheckCopy::run(m_session,
                   {m_session.voucherTable, m_sourceCompanyBox->heldCode().trimmed(),
                    m_destinationCompanyBox->heldCode().trimmed(), m_fromDateEdit->date(), m_toDateEdit->date()},
                   this);
}

QWidget *ToolsWindow::fieldWidget(ToolsField field) const
{
    switch (field) {
    case ToolsField::SourceCompany: return m_sourceCompanyBox;
    case ToolsField::DestinationCompany: return m_destinationCompanyBox;
    case ToolsField::FromDate: return m_fromDateEdit;
    case ToolsField::ToDate: return m_toDateEdit;
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
    return {m_sourceCompanyBox->heldCode(), m_destinationCompanyBox->heldCode(), m_fromDateEdit->date(),
            m_toDateEdit->date()};
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
        m_progressBar->setRange(0, rows);
        m_progressBar->setValue(0);
    };
    feedback.caption = [this, &busy](const QString &caption) {
        m_titleLabel->setText(caption);
        busy->keepPainted();
    };
    feedback.showProgress = [this, &busy] {
        m_progressBar->show();
        busy->keepPainted();
    };
    feedback.advance = [this, &busy](int rows) {
        if (m_progressBar->value() < m_progressBar->maximum())
            m_progressBar->setValue(
                int(std::min<qint64>(m_progressBar->maximum(), qint64(m_progressBar->value()) + rows)));
        busy->keepPaintedNowAndThen();
    };
    return job.Processtransfer(feedback);
}

void ToolsWindow::endRun(TransferEnd end)
{
    m_progressBar->setValue(0);
    m_progressBar->hide();
    if (end == TransferEnd::Completed) {
        m_processButton->setEnabled(false);
        m_previewButton->setEnabled(false);
        return;
    }
    // Nothing of a request that stopped was kept; the window is ready for another try.
    m_titleLabel->setText(tr("Transfer"));
}

} // namespace vant
