#include "demo_offline.h"

#include "demo_ledgers.h"
#include "demo_masters.h"
#include "demo_sql.h"
#include "demo_voucher_shapes.h"

namespace vant::demo {

namespace {

struct OffLineVoucher
{
    int voucherNo = 0;
    int division = 1;
    int acType = 1;
    QString billRef;
    VoucherShape shape;
};

// The posting's voucher types, each as its pair of voucher codes.
constexpr std::array<std::pair<int, int>, 4> kPostingCodePairs = {{
    {code::Sales, code::SalesCounter},
    {code::Purchase, code::PurchaseCounter},
    {code::SalesReturn, code::SalesReturnCounter},
    {code::PurchaseReturn, code::PurchaseReturnCounter},
}};

void addLines(QStringList &statements, const DemoContext &context, const OffLineVoucher &voucher)
{
    for (const Line &line : voucher.shape.lines) {
        const LineOwner owner{voucher.division, voucher.acType, voucher.voucherNo, context.today};
        statements << voucherLineInsert(QStringLiteral("AccOffLineVoucher"), owner, line, voucher.shape)
                          .text("TransType", voucher.shape.transType)
                          .text("Narration", voucher.shape.narration)
                          .text("BillRefNo", voucher.billRef)
                          .number("OldVoucherNo", voucher.voucherNo)
                          .null("Moved")
                          .values();
    }
}

void addPending(QStringList &statements, const DemoContext &context, const OffLineVoucher &voucher)
{
    const VoucherShape &shape = voucher.shape;
    statements << InsertStatement::into(QStringLiteral("AccOffLinePending"))
                      .number("CompanyCode", kDefaultCompany)
                      .number("DivisionCode", voucher.division)
                      .number("AcType", voucher.acType)
                      .number("LedgerCode", shape.party)
                      .number("VoucherNo", voucher.voucherNo)
                      .text("BillRefNo", voucher.billRef)
                      .date("billdate", context.today)
                      .set("billamount", amountLiteral(shape.total))
                      .text("InvoiceNo", voucher.billRef)
                      .set("MRC_Amt", amountLiteral(shape.total))
                      .set("discamt", amountLiteral(0))
                      .text("CrDr", QString(shape.billCrDr))
                      .text("TransType", shape.transType)
                      .text("OnAcNo", QStringLiteral("0"))
                      .number("VoucherCode", shape.voucherCode)
                      .set("Payable", amountLiteral(shape.total))
                      .number("OppLedgerCode", shape.partyOpposite())
                      .text("Remarks", shape.narration)
                      .values();
}

void addCheque(QStringList &statements, const DemoContext &context, const OffLineVoucher &voucher, bool deposited,
               DemoRandom &random)
{
    const VoucherShape &shape = voucher.shape;
    statements << InsertStatement::into(QStringLiteral("AccOffLineChequeDet"))
                      .number("CompanyCode", kDefaultCompany)
                      .number("DivisionId", voucher.division)
                      .number("AcType", voucher.acType)
                      .number("VoucherCode", shape.voucherCode)
                      .number("VoucherNo", voucher.voucherNo)
                      .number("LedgerCode", shape.party)
                      .number("LedgerCode1", shape.bank)
                      .text("ChequeNo", QStringLiteral("%1").arg(random.between(100000, 999999)))
                      .set("ChequeAmount", amountLiteral(shape.total))
                      .date("ReceiveDate", context.today)
                      .date("ChequeDate", context.today)
                      .date("DepositDate", deposited ? context.today : QDate())
                      .text("Status", deposited ? QStringLiteral("Deposited") : QStringLiteral("Received"))
                      .text("BankName",
                            random.pick(QStringList{QStringLiteral("Canara Bank"), QStringLiteral("Indian Bank"),
                                                    QStringLiteral("HDFC Bank")}))
                      .text("ChequePrinted", QStringLiteral("N"))
                      .values();
}

} // namespace

QStringList offLineStatements(const DemoContext &context, DemoRandom &random)
{
    QStringList statements;
    int voucherNo = kFirstOffLineVoucherNo;
    int chequeCount = 0;
    for (const auto &[firstCode, secondCode] : kPostingCodePairs) {
        for (const int voucherCode : {firstCode, secondCode}) {
            // Division 1 has every code and type; division 2 the first code of each pair.
            const QList<int> divisions = voucherCode == firstCode ? QList<int>{1, 2} : QList<int>{1};
            for (const int division : divisions) {
                for (const QString &transType : transTypesOf(voucherCode)) {
                    OffLineVoucher voucher;
                    voucher.voucherNo = voucherNo++;
                    voucher.division = division;
                    voucher.acType = voucher.voucherNo % 3 == 0 ? 2 : 1;
                    voucher.billRef = QStringLiteral("OB/%1").arg(voucher.voucherNo);
                    voucher.shape = shapeVoucher(voucherCode, transType, context.today, random);
                    addLines(statements, context, voucher);
                    if (voucher.shape.billWise)
                        addPending(statements, context, voucher);
                    // The first cheque of the day is still in the drawer.
                    if (voucher.shape.cheque)
                        addCheque(statements, context, voucher, chequeCount++ > 0, random);
                }
            }
        }
    }
    return statements;
}

} // namespace vant::demo
