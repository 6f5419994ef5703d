#include "voucher_numbers.h"

#include "database.h"
#include "statement_text.h"

namespace vant {

using namespace Qt::StringLiterals;

namespace {

// A voucher without code takes the sub-numbers of the codes that are NULL.
const char16_t kNumbering[] = uR"(
    insert into {numbers}(VoucherOrd,VoucherNo,SubNo)
    select {place},{before}+{place},s.FirstSubNo+row_number() over (partition by {code} order by {place})-1
    from {vouchers}
    join {subNos} s on (s.VoucherCode={code} or (s.VoucherCode is null and {code} is null))
    where {where})";

} // namespace

VoucherNumbers::VoucherNumbers(Database &db)
    : m_db(db), m_subNos(db, u"VantSubNos"_s, u"VoucherCode int, FirstSubNo int"_s),
      m_numbers(db, u"VantNumbers"_s, u"VoucherOrd int primary key, VoucherNo int, SubNo int"_s)
{}

Status VoucherNumbers::create()
{
    return eachTable(&WorkTable::create);
}

Status VoucherNumbers::empty()
{
    return eachTable(&WorkTable::empty);
}

Status VoucherNumbers::refill(const QList<std::pair<QString, int>> &firstSubNos, qint64 firstVoucherNo,
                              const VouchersToNumber &vouchers)
{
    if (Status filled = insertSubNos(firstSubNos); !filled)
        return filled;
    return insertNumbers(firstVoucherNo, vouchers);
}

Status VoucherNumbers::insertSubNos(const QList<std::pair<QString, int>> &firstSubNos)
{
    QList<QStringList> rows;
    for (const auto &[code, first] : firstSubNos)
        rows.append({code, QString::number(first)});
    return insertValueRows(m_db, u"insert into %1(VoucherCode,FirstSubNo)"_s.arg(m_subNos.name()), rows);
}

Status VoucherNumbers::insertNumbers(qint64 firstVoucherNo, const VouchersToNumber &vouchers)
{
    return m_db.execute(filled(kNumbering, {{"numbers"_L1, m_numbers.name()},
                                            {"place"_L1, vouchers.place},
                                            {"before"_L1, QString::number(firstVoucherNo - 1)},
                                            {"code"_L1, vouchers.code},
                                            {"vouchers"_L1, vouchers.from},
                                            {"where"_L1, vouchers.where},
                                            {"subNos"_L1, m_subNos.name()}}));
}

Status VoucherNumbers::drop()
{
    return eachTable(&WorkTable::drop);
}

Status VoucherNumbers::eachTable(Status (WorkTable::*step)())
{
    for (WorkTable *table : {&m_subNos, &m_numbers}) {
        if (Status done = (table->*step)(); !done)
            return done;
    }
    return {};
}

} // namespace vant
