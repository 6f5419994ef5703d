#include "voucher_detail.h"

#include "db/sql_literals.h"
#include "posting_formats.h"
#include "session/session.h"
#include "session/translations.h"
#include "voucher_grid.h"

#include <QCoreApplication>

#include <cmath>

namespace vant {

namespace {

const QString kNoAmount = QStringLiteral("00.0");

} // namespace

QStringList detailHeadings()
{
    return translateEach(
        "vant::VoucherDetail",
        {QT_TRANSLATE_NOOP("vant::VoucherDetail", "SNO"), QT_TRANSLATE_NOOP("vant::VoucherDetail", "REF NO"),
         QT_TRANSLATE_NOOP("vant::VoucherDetail", "DESCRIPTION"), QT_TRANSLATE_NOOP("vant::VoucherDetail", "DEBIT"),
         QT_TRANSLATE_NOOP("vant::VoucherDetail", "CREDIT")});
}

QList<int> detailColumnWidths(int gridWidthTwips)
{
    return percentColumnWidths(gridWidthTwips, {10, 0, 50, 20, 20});
}

QString voucherDetailStatement(qint64 offLineVoucherNo, const QString &companyCode)
{
    // The lines that Transfer would post: the company's own, not yet moved, each also without a
    // ledger of the ledger master, which is the line a refused posting names.
    return QStringLiteral("select a.LedgerCode,b.LedgerName,a.Amount,a.CrDr,a.BillRefNo,b.LedgerCode as KnownLedger "
                          "from AccOfflineVoucher a left join AccLedgerMaster B ON A.LEDGERCODE=B.LEDGERCODE where ")
           + QStringLiteral("Voucherno=") + QString::number(offLineVoucherNo) + QStringLiteral(" and a.CompanyCode=")
           + sqlQuoted(companyCode) + QStringLiteral(" and isnull(a.Moved,'N')='N' order by crdr desc");
}

Outcome<QList<DetailLine>> loadVoucherDetail(Session &session, qint64 offLineVoucherNo)
{
    auto rs = session.openRecordset(voucherDetailStatement(offLineVoucherNo, session.companyCode));
    if (!rs)
        return rs.error();
    QList<DetailLine> lines;
    for (; !rs->eof(); rs->moveNext()) {
        const QString crDr = rs->text(QStringLiteral("CrDr"));
        const double amount = rs->value(QStringLiteral("Amount")).toDouble();
        DetailLine line;
        line.sno = QString::number(lines.size() + 1);
        line.refNo = rs->text(QStringLiteral("BillRefNo"));
        line.knownLedger = !rs->value(QStringLiteral("KnownLedger")).isNull();
        line.description = rs->text(QStringLiteral("LedgerName"));
        if (!line.knownLedger) {
            const QString ledger = rs->text(QStringLiteral("LedgerCode"));
            line.description =
                ledger.isEmpty()
                    ? QCoreApplication::translate("vant::VoucherDetail", "No ledger: LedgerCode is missing")
                    : QCoreApplication::translate("vant::VoucherDetail", "Ledger %1 is not in the ledger master")
                          .arg(ledger);
        }
        line.debit = crDr == u"D" ? formatDetailAmount(std::fabs(amount)) : kNoAmount;
        line.credit = crDr == u"C" ? formatDetailAmount(amount) : kNoAmount;
        lines.append(line);
    }
    return lines;
}

} // namespace vant
