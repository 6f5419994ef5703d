#include "run_preview_window.h"

#include "busy_window.h"
#include "focus_shown.h"
#include "keyboard_when_shown.h"
#include "run_preview_report.h"

#include <QPushButton>

namespace vant {

RunPreviewWindow::RunPreviewWindow(Report report, RunRecord preview, RealRun realRun, UserPrompts &prompts,
                                   QWidget *parent)
    : ReportWindow(std::move(report), prompts, parent), m_preview(std::move(preview)), m_realRun(std::move(realRun))
{
    setObjectName(QStringLiteral("frmRunPreview"));
    m_activationReturn.emplace(parent);
    m_runButton = new QPushButton(tr("&Run"), this);
    m_runButton->setObjectName(QStringLiteral("cmdRun"));
    // Enter never starts the run: only its access key, Space or a click do.
    m_runButton->setAutoDefault(false);
    addButton(m_runButton);
    connect(m_runButton, &QPushButton::clicked, this, &RunPreviewWindow::runForReal);
    showButtonFocus(this);
    takeKeyboardWhenShown(this);
}

void RunPreviewWindow::openOver(QWidget *parent, Report report, RunRecord preview, RealRun realRun,
                                UserPrompts &prompts)
{
    auto *window = new RunPreviewWindow(std::move(report), std::move(preview), std::move(realRun), prompts, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
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
    m_runButton->setEnabled(false);
    const QList<RunDifference> differences = runDifferences(m_preview, run);
    QList<ReportTable> tables;
    if (!differences.isEmpty())
        tables << differencesTable(differences);
    // The comparison joins the report, on screen as on paper.
    extend({comparisonSummary(differences)}, tables);
}

void RunPreviewWindow::done(int result)
{
    ReportWindow::done(result);
    // The window beneath takes the keyboard back.
    m_activationReturn.reset();
}

} // namespace vant
