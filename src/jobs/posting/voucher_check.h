#pragma once

#include "db/copied_table.h"
#include "db/outcome.h"
#include "marked_voucher.h"

#include <QHash>
#include <QString>
#include <QVariant>

namespace vant {

struct Session;

// The checks a voucher's posting makes before it writes anything, in the order it reads the
// values: each line's ledgers (which must be in the ledger master with a whole-number aid) and
// values, then those of the voucher's first pending row and first cheque row. The first value
// refused fails the voucher, which is then left wholly unposted.
class VoucherCheck
{
public:
    explicit VoucherCheck(Session &session) : m_session(session) {}

    // The reason the voucher cannot be posted; none when it can.
    Status check(const MarkedVoucher &voucher);

private:
    Status checkLines(const MarkedVoucher &voucher);
    Status checkFirstRow(const QString &table, CopiedTable columns, const QString &owner, const MarkedVoucher &voucher);
    AidOf aidReader();
    // The aid of a ledger the row names, as a whole number (a ledger without aid reads as 0).
    Outcome<int> aidOf(const QVariant &ledgerCode, const QString &what);

    Session &m_session;
    // Aids found so far: the same ledgers recur on nearly every line of a run.
    QHash<QString, QVariant> m_aids;
};

} // namespace vant
