#pragma once

#include "outcome.h"
#include "work_table.h"

#include <QList>
#include <QString>

#include <utility>

namespace vant {

class Database;

// The vouchers of a run to number, as a statement names them: the rows `from` that `where`
// selects, each voucher's place in the run's order (`place`, from 1) and its voucher code
// (`code`).
struct VouchersToNumber
{
    QString from;
    QString where;
    QString place;
    QString code;
};

// The new number and sub-number of each voucher of a run, in a work table (VoucherOrd,
// VoucherNo, SubNo): the numbers follow one another from the first granted in the run's order;
// the vouchers of a code take its sub-numbers one after another from the first granted for it.
class VoucherNumbers
{
public:
    explicit VoucherNumbers(Database &db);

    const QString &name() const { return m_numbers.name(); }
    // The tables are made once, and emptied for each batch of vouchers to number.
    Status create();
    Status empty();
    // Each code (a literal; NULL for none) with its first sub-number, and the first number.
    Status refill(const QList<std::pair<QString, int>> &firstSubNos, qint64 firstVoucherNo,
                  const VouchersToNumber &vouchers);
    Status drop();

private:
    // The step on both tables, the sub-numbers' first; it stops at a failure.
    Status eachTable(Status (WorkTable::*step)());
    Status insertSubNos(const QList<std::pair<QString, int>> &firstSubNos);
    Status insertNumbers(qint64 firstVoucherNo, const VouchersToNumber &vouchers);

    Database &m_db;
    WorkTable m_subNos;
    WorkTable m_numbers;
};

} // namespace vant
