#pragma once

#include "demo_random.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace vant::demo {

namespace code {
inline constexpr int Receipt = 1;
inline constexpr int Payment = 2;
inline constexpr int Purchase = 3;
inline constexpr int PurchaseReturn = 4;
inline constexpr int Sales = 5;
inline constexpr int SalesReturn = 6;
inline constexpr int PurchaseCounter = 13;
inline constexpr int SalesCounter = 14;
inline constexpr int PurchaseReturnCounter = 15;
inline constexpr int SalesReturnCounter = 16;
} // namespace code

inline constexpr std::array kVoucherCodes = {code::Receipt,           code::Payment,      code::Purchase,
                                             code::PurchaseReturn,    code::Sales,        code::SalesReturn,
                                             code::PurchaseCounter,   code::SalesCounter, code::PurchaseReturnCounter,
                                             code::SalesReturnCounter};

struct Line
{
    int ledger;
    int oppLedger;
    QChar crDr; // 'D' or 'C'
    qint64 paise;
};

// The ledger lines of one voucher and what hangs on it.
struct VoucherShape
{
    int voucherCode = 0;
    QString transType;
    QList<Line> lines; // debits first; debits and credits balance
    qint64 total = 0;  // the debit (and credit) total
    int party = 0;     // customer or supplier of a bill or cheque, 0 for none
    int bank = 0;      // the bank ledger of a cheque
    bool billWise = false;
    QChar billCrDr; // 'D' when the party owes the company, 'C' when the company owes it
    bool cheque = false;
    QString narration;

    // The ledger opposite the party's line, as its bill-wise row names it.
    int partyOpposite() const;
};

bool isSales(int voucherCode);
bool isPurchase(int voucherCode);
bool isSalesReturn(int voucherCode);
bool isPurchaseReturn(int voucherCode);

// The transaction types that vouchers of a code are recorded with, as the posting
// window offers them (receipts and payments: cash "CA" or cheque "CH").
QStringList transTypesOf(int voucherCode);

QString ledgerName(int ledgerCode);

// A voucher of the code and transaction type dated day, with plausible amounts.
VoucherShape shapeVoucher(int voucherCode, const QString &transType, const QDate &day, DemoRandom &random);

} // namespace vant::demo
