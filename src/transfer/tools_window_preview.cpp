// The tools window's preview: the request run as a dry run, shown in a window of its own.
#include "tools_window.h"

#include "company_box.h"
#include "session/dry_run.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "widgets/run_preview_window.h"

#include <QDateEdit>
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
    m_prgStatus->setValue(0);
    m_prgStatus->hide();
    m_lblTitle->setText(tr("Transfer"));
    if (!undone) {
        m_session.ReportError(undone.error(), kToolsWindowName, QStringLiteral("Processtransfer"), false);
        m_session.prompts.message(undone.error().description);
        return;
    }
    // A refused request was told, and the focus sent to the field to mend.
    if (end == TransferEnd::Refused)
        return;
    const QString dateFormat = m_session.dateFormat;
    const QList<std::pair<QString, QString>> facts = {
        {tr("Source Company"), QStringLiteral("%1 (%2)").arg(m_txtSourceCompany->text(), values.source())},
        {tr("Destination Company "),
         QStringLiteral("%1 (%2)").arg(m_txtDestinationCompany->text(), values.destination())},
        {tr("From Date"), values.from.toString(dateFormat)},
        {tr("To Date"), values.to.toString(dateFormat)},
    };
    RunPreviewWindow::openOver(this, previewReport(job.record(), tr("Preview of the Account Transfer"), facts),
                               job.record(), [this, values] { return transfer(values); });
}

} // namespace vant
