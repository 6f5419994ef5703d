#include "demo_vouchers.h"

#include "demo_ledgers.h"
#include "demo_masters.h"
#include "demo_sql.h"
#include "demo_voucher_shapes.h"

#include <QMap>

#include <algorithm>

namespace vant::demo {

namespace {

struct PostedVoucher
{
    int voucherNo = 0;
    int serial = 0; // VoucherSlno: the voucher's number within its code
    int division = 1;
    int acType = 1;
    QDate day;
    QString billRef;
    QString counter;
    VoucherShape shape;
};

int pickVoucherCode(DemoRandom &random)
{
    // A shop's year: mostly counter sales, regular purchases, a few returns.
    static constexpr std::array<std::pair<int, int>, 10> weights = {{
        {code::Sales, 38},
        {code::SalesCounter, 16},
        {code::Purchase, 12},
        {code::PurchaseCounter, 5},
        {code::SalesReturn, 4},
        {code::SalesReturnCounter, 2},
        {code::PurchaseReturn, 3},
        {code::PurchaseReturnCounter, 2},
        {code::Receipt, 11},
        {code::Payment, 7},
    }};
    int roll = random.between(1, 100);
    for (const auto &[voucherCode, weight] : weights) {
        roll -= weight;
        if (roll <= 0)
            return voucherCode;
    }
    return code::Sales;
}

QString pickTransType(int voucherCode, DemoRandom &random)
{
    if (!isSales(voucherCode))
        return random.pick(transTypesOf(voucherCode));
    const int roll = random.between(1, 100);
    if (roll <= 45)
        return QStringLiteral("CA");
    if (roll <= 65)
        return QStringLiteral("CR");
    if (roll <= 73)
        return QStringLiteral("CH");
    if (roll <= 78)
        return QStringLiteral("CO");
    if (roll <= 93)
        return QStringLiteral("CC");
    return QStringLiteral("SP");
}

QString billReference(int voucherCode, int serial, DemoRandom &random)
{
    if (isSales(voucherCode))
        return QStringLiteral("SB/%1").arg(serial);
    if (isPurchase(voucherCode))
        return QStringLiteral("INV-%1").arg(random.between(1000, 9999));
    if (isSalesReturn(voucherCode))
        return QStringLiteral("SR/%1").arg(serial);
    if (isPurchaseReturn(voucherCode))
        return QStringLiteral("DN/%1").arg(serial);
    return voucherCode == code::Receipt ? QStringLiteral("RC/%1").arg(serial) : QStringLiteral("PV/%1").arg(serial);
}

QString chequeBank(const VoucherShape &shape, DemoRandom &random)
{
    if (shape.voucherCode == code::Payment)
        return shape.bank == ledger::Bank ? QStringLiteral("State Bank") : QStringLiteral("Union Bank");
    static const QStringList banks = {QStringLiteral("Canara Bank"), QStringLiteral("Indian Bank"),
                                      QStringLiteral("HDFC Bank"), QStringLiteral("Karur Vysya Bank")};
    return random.pick(banks);
}

void addLines(QStringList &statements, const DemoContext &context, const PostedVoucher &voucher)
{
    for (const Line &line : voucher.shape.lines) {
        const LineOwner owner{voucher.division, voucher.acType, voucher.voucherNo, voucher.day};
        statements << voucherLineInsert(context.year.voucherTable(), owner, line, voucher.shape)
                          .text("Narration", voucher.shape.narration)
                          .text("IsVoucherScr", QStringLiteral("Y"))
                          .number("VoucherSlno", voucher.serial)
                          .number("VoucherSlnoOld", voucher.serial)
                          .text("BillRefNo", voucher.billRef)
                          .null("OldVoucherNo")
                          .text("Counter", voucher.counter)
                          .now("TS")
                          .number("AID", aidOf(line.ledger))
                          .number("OppAID", aidOf(line.oppLedger))
                          .values();
    }
}

void addPending(QStringList &statements, const DemoContext &context, const PostedVoucher &voucher, DemoRandom &random)
{
    const VoucherShape &shape = voucher.shape;
    const int opposite = shape.partyOpposite();
    const bool settled = voucher.day.daysTo(context.today) > 45 && random.chance(60);
    statements << InsertStatement::into(QStringLiteral("AccPending"))
                      .number("CompanyCode", kDefaultCompany)
                      .number("DivisionCode", voucher.division)
                      .number("AcType", voucher.acType)
                      .number("LedgerCode", shape.party)
                      .number("VoucherNo", voucher.voucherNo)
                      .text("BillRefNo", voucher.billRef)
                      .date("BillDate", voucher.day)
                      .set("BillAmount", amountLiteral(shape.total))
                      .text("InvoiceNo", voucher.billRef)
                      .set("MRC_Amt", amountLiteral(shape.total))
                      .set("DiscAmt", amountLiteral(0))
                      .set("VolumeDisc", amountLiteral(0))
                      .set("CashDisc", amountLiteral(0))
                      .set("Payable", amountLiteral(shape.total))
                      .text("CrDr", QString(shape.billCrDr))
                      .text("TransType", shape.transType)
                      .number("OnAcNo", 0)
                      .number("VoucherCode", shape.voucherCode)
                      .date("TransDate", voucher.day)
                      .number("VoucherSlno", voucher.serial)
                      .number("TransSlno", 1)
                      .number("OppLedgerCode", opposite)
                      .text("Remarks", shape.narration)
                      .text("IsPaid", settled ? QStringLiteral("Y") : QStringLiteral("N"))
                      .now("TS")
                      .number("AID", aidOf(shape.party))
                      .number("OppAID", aidOf(opposite))
                      .values();
}

void addCheque(QStringList &statements, const DemoContext &context, const PostedVoucher &voucher, DemoRandom &random)
{
    const VoucherShape &shape = voucher.shape;
    const QDate deposited = voucher.day.addDays(1);
    const QDate cleared = voucher.day.addDays(3);
    // Cheques of the last few days, and now and then an older one, are still on their way.
    const bool isDeposited = deposited <= context.today;
    const bool isCleared = cleared <= context.today && !random.chance(15);
    const QString status = isCleared ? QStringLiteral("Cleared")
                                     : (isDeposited ? QStringLiteral("Deposited") : QStringLiteral("Received"));
    statements << InsertStatement::into(QStringLiteral("AccChequeDetails"))
                      .number("CompanyCode", kDefaultCompany)
                      .number("DivisionCode", voucher.division)
                      .number("AcType", voucher.acType)
                      .number("VoucherCode", shape.voucherCode)
                      .number("LedgerCode", shape.party)
                      .number("LedgerCode1", shape.bank)
                      .number("VoucherNo", voucher.voucherNo)
                      .number("RefVoucherNo", voucher.voucherNo)
                      .number("OldRefVoucherNo", 0)
                      .text("ChequeNo", QStringLiteral("%1").arg(random.between(100000, 999999)))
                      .set("ChequeAmount", amountLiteral(shape.total))
                      .date("ChequeDate", voucher.day.addDays(-random.between(0, 3)))
                      .date("ReceiveDate", voucher.day)
                      .date("DepositDate", isDeposited ? deposited : QDate())
                      .date("ClearDate", isCleared ? cleared : QDate())
                      .text("Status", status)
                      .text("BankName", chequeBank(shape, random))
                      .text("Branch",
                            random.pick(QStringList{QStringLiteral("Gandhi Road"), QStringLiteral("Market Street"),
                                                    QStringLiteral("Station Road")}))
                      .text("Narration", shape.narration)
                      .text("ChequePrinted",
                            shape.voucherCode == code::Payment ? QStringLiteral("Y") : QStringLiteral("N"))
                      .text("tranyear", context.year.key)
                      .now("TS")
                      .number("AID", aidOf(shape.party))
                      .number("AID1", aidOf(shape.bank))
                      .values();
}

} // namespace

QStringList voucherStatements(const DemoContext &context, DemoRandom &random)
{
    QList<QDate> days;
    for (int i = 0; i < kPostedVoucherCount; ++i)
        days << random.dayBetween(context.year.begin, context.today);
    std::sort(days.begin(), days.end());

    QStringList statements;
    QMap<int, int> lastSerial;
    int voucherNo = 0;
    for (const QDate &day : std::as_const(days)) {
        PostedVoucher voucher;
        const int voucherCode = pickVoucherCode(random);
        voucher.voucherNo = ++voucherNo;
        voucher.serial = ++lastSerial[voucherCode];
        voucher.day = day;
        const int divisionRoll = random.between(1, 100);
        voucher.division = divisionRoll <= 70 ? 1 : (divisionRoll <= 90 ? 2 : 3);
        voucher.acType = random.chance(10) ? 2 : 1;
        voucher.shape = shapeVoucher(voucherCode, pickTransType(voucherCode, random), day, random);
        voucher.billRef = billReference(voucherCode, voucher.serial, random);
        voucher.counter = isSales(voucherCode) || isSalesReturn(voucherCode)
                              ? QStringLiteral("Counter %1").arg(random.between(1, 3))
                              : QStringLiteral("Accounts");
        addLines(statements, context, voucher);
        if (voucher.shape.billWise)
            addPending(statements, context, voucher, random);
        if (voucher.shape.cheque)
            addCheque(statements, context, voucher, random);
    }

    for (const int voucherCode : kVoucherCodes) {
        statements << InsertStatement::into(QStringLiteral("AccCompanyVoucherNo"))
                          .number("CompanyCode", kDefaultCompany)
                          .number("VoucherCode", voucherCode)
                          .text("TranYear", context.year.key)
                          .number("VoucherSlno", lastSerial.value(voucherCode))
                          .now("ts")
                          .values();
    }
    statements << QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=%1 where CompanyCode='%2'")
                      .arg(voucherNo)
                      .arg(kDefaultCompany);
    return statements;
}

} // namespace vant::demo
