#include "demo_voucher_shapes.h"

#include "demo_ledgers.h"

#include <QLocale>

namespace vant::demo {

namespace {

struct Amount
{
    int ledger;
    qint64 paise;
};

qint64 rupees(DemoRandom &random, int low, int high)
{
    // Shop amounts: whole rupees, now and then with paise.
    const qint64 paise = qint64(random.between(low, high)) * 100;
    return random.chance(30) ? paise + random.between(1, 99) : paise;
}

// Splits a gross amount into the net and the 5% tax it includes.
std::pair<qint64, qint64> withTax(qint64 gross)
{
    const qint64 tax = (gross * 5 + 52) / 105;
    return {gross - tax, tax};
}

void setLines(VoucherShape &shape, const QList<Amount> &debits, const QList<Amount> &credits)
{
    shape.lines.clear();
    shape.total = 0;
    for (const Amount &debit : debits) {
        shape.lines.append({debit.ledger, credits.first().ledger, QLatin1Char('D'), debit.paise});
        shape.total += debit.paise;
    }
    for (const Amount &credit : credits)
        shape.lines.append({credit.ledger, debits.first().ledger, QLatin1Char('C'), credit.paise});
}

// Credits of a sale or debits of a purchase: the goods, with the tax on them now and then.
QList<Amount> goods(int goodsLedger, int taxLedger, qint64 gross, DemoRandom &random)
{
    if (!random.chance(50))
        return {{goodsLedger, gross}};
    const auto [net, tax] = withTax(gross);
    return {{goodsLedger, net}, {taxLedger, tax}};
}

QString month(const QDate &day)
{
    return QLocale::c().toString(day, QStringLiteral("MMMM yyyy"));
}

void shapeSales(VoucherShape &shape, DemoRandom &random)
{
    const qint64 gross = rupees(random, 150, 25000);
    const QList<Amount> credits = goods(ledger::Sales, ledger::OutputTax, gross, random);
    const QString &type = shape.transType;
    if (type == u"CR") {
        shape.party = random.pick(kCustomers);
        shape.billWise = true;
        shape.billCrDr = QLatin1Char('D');
        setLines(shape, {{shape.party, gross}}, credits);
        shape.narration = shape.party == ledger::AnandStores
                              ? QStringLiteral("Anand's order on credit")
                              : QStringLiteral("Credit sales to ") + ledgerName(shape.party);
    } else if (type == u"CH") {
        shape.party = random.pick(kCustomers);
        shape.bank = ledger::Bank;
        shape.cheque = true;
        setLines(shape, {{shape.bank, gross}}, credits);
        shape.narration = QStringLiteral("Sales against cheque from ") + ledgerName(shape.party);
    } else if (type == u"CO") {
        setLines(shape, {{ledger::CouponReceivable, gross}}, credits);
        shape.narration = QStringLiteral("Sales against gift coupons");
    } else if (type == u"CC") {
        setLines(shape, {{ledger::CardSettlement, gross}}, credits);
        shape.narration = QStringLiteral("Card sales");
    } else if (type == u"SP") {
        const qint64 cash = gross * random.between(20, 70) / 100;
        setLines(shape, {{ledger::Cash, cash}, {ledger::CardSettlement, gross - cash}}, {{ledger::Sales, gross}});
        shape.narration = QStringLiteral("Sales paid part in cash, part by card");
    } else {
        setLines(shape, {{ledger::Cash, gross}}, credits);
        shape.narration = QStringLiteral("Cash sales");
    }
}

void shapePurchase(VoucherShape &shape, DemoRandom &random)
{
    const qint64 gross = rupees(random, 2000, 80000);
    const QList<Amount> debits = goods(ledger::Purchases, ledger::InputTax, gross, random);
    if (shape.transType == u"Cr") {
        shape.party = random.pick(kSuppliers);
        shape.billWise = true;
        shape.billCrDr = QLatin1Char('C');
        setLines(shape, debits, {{shape.party, gross}});
        shape.narration = QStringLiteral("Credit purchase from ") + ledgerName(shape.party);
    } else {
        setLines(shape, debits, {{ledger::Cash, gross}});
        shape.narration = QStringLiteral("Cash purchase at the wholesale market");
    }
}

void shapeSalesReturn(VoucherShape &shape, DemoRandom &random)
{
    const qint64 amount = rupees(random, 100, 3000);
    if (shape.transType == u"CR") {
        shape.party = random.pick(kCustomers);
        shape.billWise = true;
        shape.billCrDr = QLatin1Char('C');
        setLines(shape, {{ledger::SalesReturns, amount}}, {{shape.party, amount}});
        shape.narration = shape.party == ledger::AnandStores
                              ? QStringLiteral("Anand's return of damaged goods")
                              : QStringLiteral("Goods returned by ") + ledgerName(shape.party);
    } else {
        setLines(shape, {{ledger::SalesReturns, amount}}, {{ledger::Cash, amount}});
        shape.narration = QStringLiteral("Cash refund for goods returned at the counter");
    }
}

void shapePurchaseReturn(VoucherShape &shape, DemoRandom &random)
{
    const qint64 amount = rupees(random, 300, 6000);
    if (shape.transType == u"CR") {
        shape.party = random.pick(kSuppliers);
        shape.billWise = true;
        shape.billCrDr = QLatin1Char('D');
        setLines(shape, {{shape.party, amount}}, {{ledger::PurchaseReturns, amount}});
        shape.narration = QStringLiteral("Goods returned to ") + ledgerName(shape.party);
    } else {
        setLines(shape, {{ledger::Cash, amount}}, {{ledger::PurchaseReturns, amount}});
        shape.narration = QStringLiteral("Expired stock returned for a cash refund");
    }
}

void shapeReceipt(VoucherShape &shape, DemoRandom &random)
{
    const qint64 amount = rupees(random, 1000, 30000);
    shape.party = random.pick(kCustomers);
    const bool anand = shape.party == ledger::AnandStores;
    if (shape.transType == u"CH") {
        shape.bank = ledger::Bank;
        shape.cheque = true;
        setLines(shape, {{shape.bank, amount}}, {{shape.party, amount}});
        shape.narration = anand ? QStringLiteral("Anand's cheque against pending bills")
                                : QStringLiteral("Cheque received from ") + ledgerName(shape.party);
    } else {
        setLines(shape, {{ledger::Cash, amount}}, {{shape.party, amount}});
        shape.narration = QStringLiteral("Cash received from ") + ledgerName(shape.party);
    }
}

void shapePayment(VoucherShape &shape, const QDate &day, DemoRandom &random)
{
    const bool byCheque = shape.transType == u"CH";
    const int from = byCheque ? random.pick(std::array{ledger::Bank, ledger::OverdraftBank}) : ledger::Cash;
    qint64 amount = 0;
    int to = 0;
    if (random.chance(35)) {
        to = random.pick(kExpenses);
        if (to == ledger::Rent) {
            amount = 2500000;
            shape.narration = QStringLiteral("Landlord's rent for ") + month(day);
        } else if (to == ledger::Electricity) {
            amount = rupees(random, 3000, 9000);
            shape.narration = QStringLiteral("Electricity bill for ") + month(day);
        } else {
            amount = rupees(random, 60000, 90000);
            shape.narration = QStringLiteral("Staff salaries for ") + month(day);
        }
    } else {
        to = random.pick(kSuppliers);
        amount = rupees(random, 1000, 40000);
        shape.narration = QStringLiteral("Payment to ") + ledgerName(to);
    }
    if (byCheque) {
        shape.party = to;
        shape.bank = from;
        shape.cheque = true;
    }
    setLines(shape, {{to, amount}}, {{from, amount}});
}

} // namespace

int VoucherShape::partyOpposite() const
{
    for (const Line &line : lines) {
        if (line.ledger == party)
            return line.oppLedger;
    }
    return lines.first().oppLedger;
}

bool isSales(int voucherCode)
{
    return voucherCode == code::Sales || voucherCode == code::SalesCounter;
}

bool isPurchase(int voucherCode)
{
    return voucherCode == code::Purchase || voucherCode == code::PurchaseCounter;
}

bool isSalesReturn(int voucherCode)
{
    return voucherCode == code::SalesReturn || voucherCode == code::SalesReturnCounter;
}

bool isPurchaseReturn(int voucherCode)
{
    return voucherCode == code::PurchaseReturn || voucherCode == code::PurchaseReturnCounter;
}

QStringList transTypesOf(int voucherCode)
{
    if (isSales(voucherCode)) {
        return {QStringLiteral("CA"), QStringLiteral("CR"), QStringLiteral("CH"),
                QStringLiteral("CO"), QStringLiteral("CC"), QStringLiteral("SP")};
    }
    if (isPurchase(voucherCode))
        return {QStringLiteral("Ca"), QStringLiteral("Cr")};
    if (isSalesReturn(voucherCode) || isPurchaseReturn(voucherCode))
        return {QStringLiteral("CA"), QStringLiteral("CR")};
    return {QStringLiteral("CA"), QStringLiteral("CH")};
}

QString ledgerName(int ledgerCode)
{
    for (const DemoLedger &ledger : kLedgers) {
        if (ledger.code == ledgerCode)
            return QString::fromLatin1(ledger.name);
    }
    return {};
}

VoucherShape shapeVoucher(int voucherCode, const QString &transType, const QDate &day, DemoRandom &random)
{
    VoucherShape shape;
    shape.voucherCode = voucherCode;
    shape.transType = transType;
    if (isSales(voucherCode))
        shapeSales(shape, random);
    else if (isPurchase(voucherCode))
        shapePurchase(shape, random);
    else if (isSalesReturn(voucherCode))
        shapeSalesReturn(shape, random);
    else if (isPurchaseReturn(voucherCode))
        shapePurchaseReturn(shape, random);
    else if (voucherCode == code::Receipt)
        shapeReceipt(shape, random);
    else
        shapePayment(shape, day, random);
    return shape;
}

} // namespace vant::demo
