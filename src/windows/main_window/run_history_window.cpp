#include "run_history_window.h"

#include "run_history_model.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "widgets/activation_return.h"
#include "widgets/company_label.h"
#include "widgets/control_names.h"
#include "widgets/date_picker.h"
#include "widgets/enter_key.h"
#include "widgets/focus_shown.h"
#include "widgets/report_window.h"
#include "widgets/run_record_report.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace vant {

namespace {

// The first day a filter offers stands for no bound: it shows as "Any day".
const QDate kAnyDay(2000, 1, 1);

QDate bound(const QDateEdit *box)
{
    return box->date() == kAnyDay ? QDate() : box->date();
}

} // namespace

RunHistoryWindow::RunHistoryWindow(Session &session, const QString &journalPath, QWidget *parent)
    : QDialog(parent), m_session(session),
      m_model(new RunHistoryModel(journalPath, session.errorLog, session.dateFormat, this))
{
    setObjectName(QStringLiteral("frmRunHistory"));
    setWindowTitle(tr("Run History"));
    setModal(true);
    buildControls();
    showButtonFocus(this);
    connect(m_model, &RunHistoryModel::readFailed, this, [this](const QString &description) {
        m_session.prompts.message(description, kProgramTitle, PromptIcon::Critical);
    });
    applyFilter();
    const QRect available = screen()->availableGeometry();
    resize(QSize(available.width() * 8 / 10, available.height() * 7 / 10).expandedTo(minimumSizeHint()));
}

QDateEdit *RunHistoryWindow::addDayFilter(const char *name)
{
    auto *box = new DatePicker(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setDisplayFormat(m_session.dateFormat);
    box->setMinimumDate(kAnyDay);
    box->setSpecialValueText(tr("Any day"));
    box->setDate(kAnyDay);
    connect(box, &QDateEdit::dateChanged, this, &RunHistoryWindow::applyFilter);
    return box;
}

void RunHistoryWindow::buildControls()
{
    m_jobBox = new QComboBox(this);
    m_jobBox->setObjectName(QStringLiteral("cboJob"));
    m_jobBox->addItem(tr("Every job"), QString());
    for (const char *job : {"transfer", "post", "purge"})
        m_jobBox->addItem(RunRecordText::jobName(QString::fromLatin1(job)), QString::fromLatin1(job));
    connect(m_jobBox, &QComboBox::currentIndexChanged, this, &RunHistoryWindow::applyFilter);
    m_sinceDateEdit = addDayFilter("dtpSince");
    m_untilDateEdit = addDayFilter("dtpUntil");

    auto *filters = new QHBoxLayout;
    const std::pair<QString, QWidget *> fields[] = {
        {tr("&Job"), m_jobBox}, {tr("&From"), m_sinceDateEdit}, {tr("&To"), m_untilDateEdit}};
    for (const auto &[caption, control] : fields) {
        auto *label = new QLabel(caption, this);
        nameByLabel(label, control);
        filters->addWidget(label);
        filters->addWidget(control);
    }
    filters->addStretch(1);

    m_runsView = new QTableView(this);
    m_runsView->setObjectName(QStringLiteral("msfRuns"));
    m_runsView->setAccessibleName(tr("Runs"));
    m_runsView->setModel(m_model);
    m_runsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_runsView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_runsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_runsView->setTabKeyNavigation(false);
    m_runsView->setWordWrap(false);
    m_runsView->verticalHeader()->hide();
    m_runsView->horizontalHeader()->setStretchLastSection(true);
    m_runsView->installEventFilter(this);
    connect(m_runsView, &QTableView::doubleClicked, this, &RunHistoryWindow::openRecord);

    auto *open = new QPushButton(tr("&Open"), this);
    open->setObjectName(QStringLiteral("cmdOpen"));
    connect(open, &QPushButton::clicked, this, &RunHistoryWindow::openRecord);
    auto *close = new QPushButton(tr("C&lose"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton *button : {open, close})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_runsView, 1);
    layout->addLayout(buttons);
    const QList<QWidget *> order = {m_jobBox, m_sinceDateEdit, m_untilDateEdit, m_runsView, open, close};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    m_runsView->setFocus();
}

void RunHistoryWindow::applyFilter()
{
    m_model->setFilter(m_jobBox->currentData().toString(), bound(m_sinceDateEdit), bound(m_untilDateEdit));
    m_runsView->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        m_runsView->setCurrentIndex(m_model->index(0, 0));
}

// Enter in the list opens the run, and goes no further: the window's buttons stay unpressed.
bool RunHistoryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_runsView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (isEnterKey(key)) {
            openRecord();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RunHistoryWindow::openRecord()
{
    const QModelIndex current = m_runsView->currentIndex();
    if (!current.isValid())
        return;
    const QJsonObject &record = m_model->record(current.row());
    const ActivationReturn activation(this);
    ReportWindow window(runRecordReport(record,
                                        companyLabel(m_session, record.value(QStringLiteral("company")).toString()),
                                        m_session.dateFormat),
                        m_session.prompts, this);
    window.setObjectName(QStringLiteral("frmRunRecord"));
    window.exec();
}

void showRunHistory(Session &session, QWidget *parent)
{
    const ActivationReturn activation(parent);
    RunHistoryWindow window(session, RunJournal::defaultPath(), parent);
    window.exec();
}

} // namespace vant
