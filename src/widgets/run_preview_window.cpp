#include "run_preview_window.h"

#include "busy_window.h"
#include "control_names.h"
#include "focus_shown.h"
#include "keyboard_when_shown.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace vant {

namespace {

// A table shows this many rows at most; it scrolls for more.
constexpr int kShownRows = 8;

QLabel *heading(const QString &text, QWidget *parent, int growth = 0)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() + growth);
    label->setFont(font);
    return label;
}

QTableWidget *tableOf(const RunReportTable &table, QWidget *parent)
{
    auto *grid = new QTableWidget(int(table.rows.size()), int(table.headers.size()), parent);
    grid->setHorizontalHeaderLabels(table.headers);
    for (int row = 0; row < table.rows.size(); ++row) {
        for (int column = 0; column < table.headers.size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(table.rows.at(row).value(column)));
    }
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->resizeColumnsToContents();
    grid->setCurrentCell(0, 0);
    // As tall as its rows, up to a few; as wide as its columns.
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    const int rowHeight = grid->verticalHeader()->defaultSectionSize();
    grid->setMaximumHeight(grid->horizontalHeader()->sizeHint().height() + kShownRows * rowHeight
                           + 2 * grid->frameWidth() + grid->horizontalScrollBar()->sizeHint().height());
    return grid;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

RunPreviewWindow::RunPreviewWindow(const RunReport &report, RunRecord preview, RealRun realRun, QWidget *parent)
    : QDialog(parent), m_preview(std::move(preview)), m_realRun(std::move(realRun))
{
    setObjectName(QStringLiteral("frmRunPreview"));
    setWindowTitle(report.title);
    setModal(true);
    m_activationReturn.emplace(parent);

    auto *layout = new QVBoxLayout(this);
    QLabel *title = heading(report.title, this, 2);
    title->setObjectName(QStringLiteral("lblTitle"));
    layout->addWidget(title);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrPreview"));
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    m_content = new QVBoxLayout(content);
    addFacts(report);
    for (int i = 0; i < report.tables.size(); ++i) {
        QWidget *table = addTable(m_content, report.tables.at(i), QStringLiteral("tblPreview%1").arg(i));
        if (!m_firstTable && qobject_cast<QTableWidget *>(table))
            m_firstTable = table;
    }
    // What the run did against the preview, once it has run.
    m_comparison = new QVBoxLayout;
    m_lblComparison = heading(QString(), content);
    m_lblComparison->setObjectName(QStringLiteral("lblComparison"));
    m_lblComparison->setWordWrap(true);
    m_lblComparison->hide();
    m_comparison->addWidget(m_lblComparison);
    m_content->addLayout(m_comparison);
    m_content->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cmdRun = new QPushButton(tr("&Run"), this);
    m_cmdRun->setObjectName(QStringLiteral("cmdRun"));
    m_cmdClose = new QPushButton(tr("&Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton *button : {m_cmdRun, m_cmdClose}) {
        // Enter clicks only the focused button (see eventFilter), never Run.
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(m_cmdRun, &QPushButton::clicked, this, &RunPreviewWindow::runForReal);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    showButtonFocus(this);
    takeKeyboardWhenShown(this);
    (m_firstTable ? m_firstTable : m_cmdClose)->setFocus();
}

void RunPreviewWindow::openOver(QWidget *parent, const RunReport &report, RunRecord preview, RealRun realRun)
{
    auto *window = new RunPreviewWindow(report, std::move(preview), std::move(realRun), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void RunPreviewWindow::addFacts(const RunReport &report)
{
    auto *facts = new QFormLayout;
    for (int i = 0; i < report.facts.size(); ++i) {
        auto *value = new QLabel(report.facts.at(i).second);
        value->setObjectName(QStringLiteral("lblFact%1").arg(i));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        facts->addRow(report.facts.at(i).first, value);
    }
    m_content->addLayout(facts);
}

QWidget *RunPreviewWindow::addTable(QVBoxLayout *into, const RunReportTable &table, const QString &name)
{
    QWidget *parent = m_content->parentWidget();
    QLabel *label = heading(table.title, parent);
    into->addSpacing(label->fontMetrics().height() / 2);
    into->addWidget(label);
    QWidget *shown = nullptr;
    if (table.rows.isEmpty()) {
        shown = new QLabel(table.emptyText, parent);
    } else {
        QTableWidget *grid = tableOf(table, parent);
        nameByLabel(label, grid);
        shown = grid;
    }
    shown->setObjectName(name);
    into->addWidget(shown);
    // Added to a window on screen, they would show only later, and not take the focus now.
    if (parent->isVisible()) {
        label->show();
        shown->show();
    }
    return shown;
}

void RunPreviewWindow::runForReal()
{
    RunRecord run;
    {
        // The run may take minutes; this window takes no input meanwhile.
        BusyWindow busy(this);
        busy.keepPainted();
        run = m_realRun();
    }
    m_cmdRun->setEnabled(false);
    const QList<RunDifference> differences = runDifferences(m_preview, run);
    m_lblComparison->setText(comparisonSummary(differences));
    m_lblComparison->show();
    QWidget *table = nullptr;
    if (!differences.isEmpty()) {
        table = addTable(m_comparison, differencesTable(differences), QStringLiteral("tblDifferences"));
        table->installEventFilter(this);
    }
    (table ? table : m_cmdClose)->setFocus();
}

void RunPreviewWindow::done(int result)
{
    QDialog::done(result);
    // The window beneath takes the keyboard back.
    m_activationReturn.reset();
}

bool RunPreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent *>(event)))
        return QDialog::eventFilter(watched, event);
    // Enter moves on from a table and clicks the focused button, but never starts the run.
    if (qobject_cast<QAbstractItemView *>(watched))
        focusNextChild();
    else if (auto *button = qobject_cast<QPushButton *>(watched); button && button != m_cmdRun)
        button->click();
    return true;
}

} // namespace vant
