#include "posting_filters.h"

#include "voucher_grid.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "db/sql_literals.h"

#include <QCoreApplication>

namespace vant {

QStringList voucherTypeEntries()
{
    return {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "SA-Sales")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "PU-Purchase")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "SR-Sales Return")),
            QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "PR-Purchase Return"))};
}

QString translatedEntry(const QString &entryText)
{
    return QCoreApplication::translate("vant::PostingFilters", entryText.toUtf8().constData());
}

QString voucherCodeSet(const QString &voucherTypeCode)
{
    if (voucherTypeCode == u"SA")
        return QStringLiteral("5,14");
    if (voucherTypeCode == u"PU")
        return QStringLiteral("3,13");
    if (voucherTypeCode == u"SR")
        return QStringLiteral("6,16");
    if (voucherTypeCode == u"PR")
        return QStringLiteral("4,15");
    return QStringLiteral("0");
}

QList<TransTypeEntry> transTypeEntries(int voucherTypeIndex)
{
    switch (voucherTypeIndex) {
    case 0:
        return {{QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CA - Cash Sales"))},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CR - Credit Sales"))},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CH - Cheque Sales"))},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CO - Coupon Sales"))},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CC - Credit Card Sales"))},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "SP - Split Sales"))}};
    case 1:
        // Sent as "Ca" and "Cr", the first two letters of the text.
        return {{QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "Cash Purchase")), 66},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "Credit Purchase")), 67}};
    case 2:
    case 3:
        return {{QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CA - Cash")), 0},
                {QString::fromUtf8(QT_TRANSLATE_NOOP("vant::PostingFilters", "CR - Credit")), 0}};
    default: return {};
    }
}

Outcome<QList<Division>> loadDivisions(Session &session)
{
    auto rs = session.openRecordset(
        QStringLiteral("select DivisionCode,DivisionName from AccDivisionMaster where CompanyCode=")
        + sqlQuoted(session.companyCode));
    if (!rs)
        return rs.error();
    QList<Division> divisions;
    for (; !rs->eof(); rs->moveNext())
        divisions.append({rs->value(0).toInt(), rs->text(1)});
    return divisions;
}

QString offLineVoucherStatement(const Session &session, const VoucherFilter &filter)
{
    const QString condition = QStringLiteral("   VoucherCode in (") + voucherCodeSet(filter.voucherTypeCode)
                              + QStringLiteral(")") + QStringLiteral(" and TransType='") + filter.transTypeCode
                              + QLatin1Char('\'');
    return QStringLiteral("select voucherno,BillRefno,VoucherDt, TransType,sum(Amount) Amount,AcType,VoucherCode "
                          "from AccOffLineVoucher where ")
           + QStringLiteral(" CompanyCode=") + sqlQuoted(session.companyCode) + QStringLiteral(" and DIvisionCOde='")
           + QString::number(filter.divisionCode) + QStringLiteral("' and   CrDr='D' and VoucherDt=")
           + session.quoteChar + sqlDate(filter.voucherDate) + session.quoteChar
           + QStringLiteral(" and moved is null and ") + condition
           + QStringLiteral(" group by voucherno,VoucherDt,BillRefNo,TransType,AcType,VoucherCode "
                            "order by VoucherDt,voucherno");
}

Status LoadOffLineVouchers(Session &session, const VoucherFilter &filter, VoucherGrid &grid)
{
    if (!session.db())
        return closedConnectionError();
    // Read in batches: the list keeps its own compact rows, never the whole result as well.
    constexpr qsizetype kBatchRows = 2000;
    grid.setHeadings();
    const Status read = session.db()->readBatches(offLineVoucherStatement(session, filter), kBatchRows,
                                                  [&](Recordset &rows) { grid.append(rows); });
    if (!read)
        grid.setHeadings();
    return read;
}

int SetAcType(int &postingAcType, int shift, int keyCode)
{
    if (shift != 3)
        return 0;
    switch (keyCode) {
    case 49: postingAcType = 1; return 1;
    case 50: postingAcType = 2; return 2;
    case 48: postingAcType = 0; return 3;
    default: return 0;
    }
}

} // namespace vant
