#include "transfer_fixture.h"

namespace vant::test {
namespace {

// The statements that the run sends once per voucher, bill-wise or cheque row must find
// their rows through an index, or a long period costs a full scan per row.
class TransferIndexTest : public TransferFixture
{
protected:
    QStringList plan(const QString &statement)
    {
        QStringList details;
        auto rs = db().openRecordset(QStringLiteral("EXPLAIN QUERY PLAN ") + statement);
        EXPECT_TRUE(bool(rs)) << statement.toStdString();
        if (!rs)
            return details;
        for (; !rs->eof(); rs->moveNext())
            details << rs->text(QStringLiteral("detail"));
        return details;
    }
};

TEST_F(TransferIndexTest, PerRowStatementsUseAnIndex)
{
    const QStringList perRow = {
        QStringLiteral("select VoucherNo from accvoucher2026 where CompanyCode='2' and OldVoucherno=11"),
        QStringLiteral("select isnull(Voucherno,0) from acccompanymaster where CompanyCode='2'"),
        QStringLiteral("select count(*) from accvoucher2026 where CompanyCode='2' and VoucherNo=12"),
        QStringLiteral("select isnull(VoucherSlno,0) from AccCompanyVoucherNo where CompanyCode='2' and "
                       "VoucherCode=1 and TranYear='2026'"),
        QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=12 where CompanyCode='2'"),
        QStringLiteral("update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=3 where VoucherCode=1 and "
                       "CompanyCode='2' and TranYear='2026'"),
    };
    for (const QString &statement : perRow) {
        SCOPED_TRACE(statement.toStdString());
        const QStringList details = plan(statement);
        ASSERT_FALSE(details.isEmpty());
        for (const QString &detail : details) {
            EXPECT_TRUE(detail.contains(QStringLiteral("USING"))) << detail.toStdString();
            EXPECT_FALSE(detail.startsWith(QStringLiteral("SCAN"))) << detail.toStdString();
        }
    }
}

TEST_F(TransferIndexTest, PeriodSelectionsUseAnIndex)
{
    const QString inPeriod = QStringLiteral(" between '2026-04-01' and '2026-04-30'");
    const QString transferred = QStringLiteral("(select VoucherNo from  accvoucher2026 where CompanyCode='2' and "
                                               "IsNull(OldVoucherNo,'0') <> 0 and VoucherDt")
                                + inPeriod + QLatin1Char(')');
    const QStringList statements = {
        QStringLiteral("select * from  accvoucher2026 where CompanyCode='1' and VoucherDt") + inPeriod
            + QStringLiteral(" order by VoucherCode,voucherno"),
        QStringLiteral("select *  from AccPending where CompanyCode='1' and TransDate") + inPeriod,
        QStringLiteral("select * from AccChequeDetails where CompanyCode='1' and ReceiveDate") + inPeriod,
        QStringLiteral("delete from Accpending where CompanyCode='2' and VoucherNo in ") + transferred,
        QStringLiteral("delete from AccChequeDetails where CompanyCode='2' and VoucherNo in ") + transferred,
    };
    for (const QString &statement : statements) {
        SCOPED_TRACE(statement.toStdString());
        const QStringList details = plan(statement);
        for (const QString &detail : details) {
            if (detail.startsWith(QStringLiteral("SCAN"))) {
                EXPECT_TRUE(detail.contains(QStringLiteral("USING"))) << detail.toStdString();
            }
        }
    }
}

} // namespace
} // namespace vant::test
