#include "posting_filters.h"

#include "voucher_grid.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "db/sql_literals.h"

namespace vant {

QStringList voucherTypeEntries()
{
    return {QStringLiteral("SA-Sales"), QStringLiteral("PU-Purchase"), QStringLiteral("SR-Sales Return"),
            QStringLiteral("PR-Purchase Return")};
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
        return {{QStringLiteral("CA - Cash Sales")},        {QStringLiteral("CR - Credit Sales")},
                {QStringLiteral("CH - Cheque Sales")},      {QStringLiteral("CO - Coupon Sales")},
                {QStringLiteral("CC - Credit Card Sales")}, {QStringLiteral("SP - Split Sales")}};
    case 1:
        // Sent as "Ca" and "Cr", the first two letters of the text.
        return {{QStringLiteral("Cash Purchase"), 66}, {QStringLiteral("Credit Purchase"), 67}};
    case 2:
    case 3: return {{QStringLiteral("CA - Cash"), 0}, {QStringLiteral("CR - Credit"), 0}};
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
    auto rs = session.db()->openRecordset(offLineVoucherStatement(session, filter));
    grid.setHeadings();
    if (!rs)
        return rs.error();
    grid.fill(*rs);
    return {};
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
