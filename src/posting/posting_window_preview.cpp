// The posting window's preview: the marked vouchers posted as a dry run, shown in a window of
// their own.
#include "posting_window.h"

#include "posting_job.h"
#include "voucher_grid_model.h"
#include "session/dry_run.h"
#include "session/session.h"
#include "widgets/busy_window.h"
#include "widgets/run_preview_window.h"

#include <QComboBox>
#include <QDateEdit>

namespace vant {

void PostingWindow::cmdPreview_Click()
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
    RunPreviewWindow::openOver(this,
                               previewReport(job.record(), tr("Preview of the Accounts Posting"), previewFacts(marked)),
                               job.record(), [this, marked] { return post(marked); });
}

QList<std::pair<QString, QString>> PostingWindow::previewFacts(const MarkedVouchers &marked) const
{
    QList<std::pair<QString, QString>> facts;
    facts.append({tr("Date"), m_dtpFrom->date().toString(m_session.dateFormat)});
    facts.append({tr("Division"), m_cboDivision->currentText()});
    facts.append({tr("Voucher Type"), m_cboVoucherType->currentText()});
    facts.append({tr("Type"), m_cboTransType->currentText()});
    facts.append({tr("Marked vouchers"), QString::number(marked.rows)});
    return facts;
}

} // namespace vant
