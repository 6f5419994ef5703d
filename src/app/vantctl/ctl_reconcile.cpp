#include "ctl_commands.h"
#include "ctl_destination.h"

#include "session/company_context.h"
#include "session/session.h"
#include "session/user_prompts.h"
#include "transfer/reconcile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace vant::ctl {

namespace {

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

QJsonObject sideJson(const SideTotals &side)
{
    return {{QStringLiteral("vouchers"), side.vouchers},
            {QStringLiteral("lines"), side.lines},
            {QStringLiteral("debit"), side.debit},
            {QStringLiteral("credit"), side.credit}};
}

QJsonArray totalsJson(const QList<TotalsRow> &rows)
{
    QJsonArray list;
    for (const TotalsRow &row : rows) {
        list.append(QJsonObject{{QStringLiteral("key"), row.key},
                                {QStringLiteral("source"), sideJson(row.source)},
                                {QStringLiteral("copy"), sideJson(row.copy)}});
    }
    return list;
}

QJsonObject reconciliationJson(const ReconcileRequest &request, const Reconciliation &result)
{
    QJsonArray differences;
    for (const Difference &difference : result.differences) {
        QJsonObject json{{QStringLiteral("table"), difference.table},
                         {QStringLiteral("voucherCode"), difference.voucherCode},
                         {QStringLiteral("sourceVoucherNo"), difference.sourceVoucherNo},
                         {QStringLiteral("copyVoucherNo"), difference.copyVoucherNo},
                         {QStringLiteral("what"), difference.what}};
        // The row and the column, where the rows of the voucher pair up.
        if (!difference.column.isEmpty()) {
            json.insert(QStringLiteral("row"), difference.row);
            json.insert(QStringLiteral("column"), difference.column);
            json.insert(QStringLiteral("sourceValue"), difference.sourceValue);
            json.insert(QStringLiteral("copyValue"), difference.copyValue);
        }
        differences.append(json);
    }
    return {{QStringLiteral("source"), request.source},
            {QStringLiteral("destination"), request.destination},
            {QStringLiteral("from"), request.from.toString(Qt::ISODate)},
            {QStringLiteral("to"), request.to.toString(Qt::ISODate)},
            {QStringLiteral("matches"), result.matches()},
            {QStringLiteral("byVoucherCode"), totalsJson(result.byVoucherCode)},
            {QStringLiteral("byLedger"), totalsJson(result.byLedger)},
            {QStringLiteral("differences"), differences}};
}

void writeSide(QTextStream &out, const QString &key, const QString &side, const SideTotals &totals)
{
    out << "  " << key.leftJustified(12) << side.leftJustified(8) << QString::number(totals.vouchers).rightJustified(9)
        << QString::number(totals.lines).rightJustified(9) << amount(totals.debit).rightJustified(16)
        << amount(totals.credit).rightJustified(16) << '\n';
}

void writeTotals(QTextStream &out, const QString &title, const QList<TotalsRow> &rows)
{
    out << '\n' << title.leftJustified(22) << "Vouchers    Lines           Debit          Credit\n";
    for (const TotalsRow &row : rows) {
        writeSide(out, row.key, QStringLiteral("source"), row.source);
        writeSide(out, QString(), QStringLiteral("copy"), row.copy);
    }
}

void writeReconciliation(QTextStream &out, Session &session, const ReconcileRequest &request,
                         const Reconciliation &result)
{
    out << "Period " << request.from.toString(session.dateFormat) << " to " << request.to.toString(session.dateFormat)
        << " of " << session.companyName << " (" << request.source << ") beside its copy in "
        << GetCompanyName(session, request.destination) << " (" << request.destination << ")\n";
    writeTotals(out, QStringLiteral("By voucher code"), result.byVoucherCode);
    writeTotals(out, QStringLiteral("By ledger"), result.byLedger);
    if (result.matches()) {
        out << "\nThe copy matches the source.\n";
        return;
    }
    out << '\n' << result.differences.size() << (result.differences.size() == 1 ? " difference:\n" : " differences:\n");
    for (const Difference &difference : result.differences) {
        out << "  ";
        if (!difference.voucherCode.isEmpty())
            out << "voucher code " << difference.voucherCode << ", ";
        out << "voucher " << difference.sourceVoucherNo;
        if (!difference.copyVoucherNo.isEmpty())
            out << " (copy " << difference.copyVoucherNo << ')';
        out << ": " << difference.what << '\n';
    }
}

} // namespace

int runReconcile(Session &session, const TransferOptions &options, bool json, QTextStream &out)
{
    const ReconcileRequest request{session.voucherTable, session.companyCode,
                                   heldDestinationCode(session, options.destination), options.from, options.to};
    if (request.destination == u"0") {
        session.prompts.message(QCoreApplication::translate("vant::ctl", "Destination Company Not Correct"));
        return kRefused;
    }
    if (request.from > request.to) {
        session.prompts.message(QCoreApplication::translate("vant::ctl", "From Date Greater than Do Date"));
        return kRefused;
    }
    const Outcome<Reconciliation> result = reconcileTransfer(*session.db(), request);
    if (!result) {
        session.ReportError(result.error(), QString(), QStringLiteral("Reconcile"), true);
        return kRefused;
    }
    if (json)
        out << QJsonDocument(reconciliationJson(request, *result)).toJson(QJsonDocument::Indented);
    else
        writeReconciliation(out, session, request, *result);
    return result->matches() ? kDone : kRefused;
}

} // namespace vant::ctl
