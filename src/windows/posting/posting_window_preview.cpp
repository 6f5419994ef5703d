// The posting window's preview: the marked vouchers posted as a dry run, shown in a window of
// their own.
#include "posting_window.h"

#include "posting/posting_job.h"
#include "voucher_grid_model.h"
#include "session/dry_run.h"
#include "session/session.h"
#include "widgets/busy_window.h"
#include "widgets/company_label.h"
#include "widgets/run_preview_report.h"
#include "widgets/run_preview_window.h"

#include <QComboBox>
#include <QDateEdit>

namespace vant {

void PostingWindow::onPreviewClicked()
{
    const MarkedVouchers marked = grid().markedVouchers();
    PostingJob job(m_session, m_postingAcType, RunMode::DryRun);
    const Status undone = runUndone(m_session, [&] {
        BusyWindow busy(this);
        busy.keepPainted();
        job.run(marked, {});
    });
    if (!undone) {
        report(undone.error(), QStringLiteral("cmdPreview_Click"));
        return;
    }
    RunPreviewWindow::openOver(
        this, previewReport(job.record(), previewHeading(marked)), job.record(),
        [this, marked] { return post(marked); }, m_session.prompts);
}

Report PostingWindow::previewHeading(const MarkedVouchers &marked) const
{
    Report heading;
    heading.title = tr("Preview of the Accounts Posting");
    heading.company = companyLabel(m_session, m_session.companyCode);
    heading.period = m_fromDateEdit->date().toString(m_session.dateFormat);
    heading.user = m_session.userName;
    heading.lines << tr("Division: %1").arg(m_divisionBox->currentText())
                  << tr("Voucher Type: %1").arg(m_voucherTypeBox->currentText())
                  << tr("Type: %1").arg(m_transTypeBox->currentText()) << tr("Marked vouchers: %1").arg(marked.rows);
    return heading;
}

} // namespace vant
