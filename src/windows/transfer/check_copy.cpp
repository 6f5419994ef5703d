#include "check_copy.h"

#include "session/session.h"
#include "session/user_prompts.h"
#include "widgets/activation_return.h"
#include "widgets/busy_window.h"
#include "widgets/company_label.h"
#include "widgets/report_window.h"

#include <optional>

namespace vant {

namespace {

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

ReportTable totals(const QString &title, const QString &key, const QList<TotalsRow> &rows)
{
    ReportTable table{title,
                      {key, CheckCopy::tr("Vouchers in source"), CheckCopy::tr("Vouchers in copy"),
                       CheckCopy::tr("Lines in source"), CheckCopy::tr("Lines in copy"),
                       CheckCopy::tr("Debit in source"), CheckCopy::tr("Debit in copy"),
                       CheckCopy::tr("Credit in source"), CheckCopy::tr("Credit in copy")},
                      {}};
    for (const TotalsRow &row : rows) {
        table.rows << QStringList{row.key,
                                  QString::number(row.source.vouchers),
                                  QString::number(row.copy.vouchers),
                                  QString::number(row.source.lines),
                                  QString::number(row.copy.lines),
                                  amount(row.source.debit),
                                  amount(row.copy.debit),
                                  amount(row.source.credit),
                                  amount(row.copy.credit)};
    }
    return table;
}

ReportTable differences(const QList<Difference> &found)
{
    ReportTable table{CheckCopy::tr("Differences"),
                      {CheckCopy::tr("Table"), CheckCopy::tr("Voucher code"), CheckCopy::tr("Voucher"),
                       CheckCopy::tr("Copy"), CheckCopy::tr("Row"), CheckCopy::tr("Column"), CheckCopy::tr("In source"),
                       CheckCopy::tr("In copy"), CheckCopy::tr("Difference")},
                      {}};
    for (const Difference &difference : found) {
        const bool cell = !difference.column.isEmpty();
        table.rows << QStringList{difference.table,
                                  difference.voucherCode,
                                  difference.sourceVoucherNo,
                                  difference.copyVoucherNo,
                                  cell ? QString::number(difference.row) : QString(),
                                  difference.column,
                                  difference.sourceValue,
                                  difference.copyValue,
                                  difference.what};
    }
    return table;
}

} // namespace

Report CheckCopy::report(const Reconciliation &result, const QString &source, const QString &copy,
                         const QString &period)
{
    Report report;
    report.title = tr("Check copy");
    report.company = source;
    report.period = period;
    report.lines << tr("Source: %1").arg(source) << tr("Copy: %1").arg(copy)
                 << (result.matches() ? tr("The copy matches the source.")
                                      : tr("%n difference(s) between the copy and the source.", nullptr,
                                           int(result.differences.size())));
    report.tables = {totals(tr("By voucher code"), tr("Voucher code"), result.byVoucherCode),
                     totals(tr("By ledger"), tr("Ledger"), result.byLedger), differences(result.differences)};
    return report;
}

void CheckCopy::run(Session &session, const ReconcileRequest &request, QWidget *parent)
{
    std::optional<BusyWindow> busy(std::in_place, parent);
    const Outcome<Reconciliation> result = reconcileTransfer(*session.db(), request);
    busy.reset();
    if (!result) {
        session.ReportError(result.error(), parent ? parent->objectName() : QString(), QStringLiteral("Reconcile"),
                            true);
        return;
    }
    Report shown =
        report(*result, companyLabel(session, request.source), companyLabel(session, request.destination),
               tr("%1 to %2").arg(request.from.toString(session.dateFormat), request.to.toString(session.dateFormat)));
    shown.user = session.userName;
    const ActivationReturn activation(parent);
    ReportWindow window(std::move(shown), session.prompts, parent);
    window.setObjectName(QStringLiteral("frmCheckCopy"));
    window.exec();
}

} // namespace vant
