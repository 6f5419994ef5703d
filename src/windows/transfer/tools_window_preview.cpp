// The tools window's preview: the request run as a dry run, shown in a window of its own.
#include "tools_window.h"

#include "session/dry_run.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "widgets/company_label.h"
#include "widgets/run_preview_report.h"
#include "widgets/run_preview_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace vant {

void ToolsWindow::preview()
{
    const TransferRequest values = request();
    TransferJob job(m_session, values, RunMode::DryRun);
    TransferEnd end = TransferEnd::Failed;
    const Status undone = runUndone(m_session, [&] { end = runJob(job); });
    // Nothing of the dry run stays, on screen either.
    m_progressBar->setValue(0);
    m_progressBar->hide();
    m_titleLabel->setText(tr("Transfer"));
    if (!undone) {
        m_session.ReportError(undone.error(), kToolsWindowName, QStringLiteral("Processtransfer"), false);
        m_session.prompts.message(undone.error().description);
        return;
    }
    // A refused request was told, and the focus sent to the field to mend.
    if (end == TransferEnd::Refused)
        return;
    Report heading;
    heading.title = tr("Preview of the Account Transfer");
    heading.company = companyLabel(m_session, values.source());
    heading.period =
        tr("%1 to %2").arg(values.from.toString(m_session.dateFormat), values.to.toString(m_session.dateFormat));
    heading.user = m_session.userName;
    heading.lines << tr("Copy: %1").arg(companyLabel(m_session, values.destination()));
    RunPreviewWindow::openOver(
        this, previewReport(job.record(), heading), job.record(), [this, values] { return transfer(values); },
        m_session.prompts);
}

} // namespace vant
