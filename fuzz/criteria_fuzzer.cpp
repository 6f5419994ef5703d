// Filters, finds and sorts of a client-side result on any criteria text: errors come back as
// values, never as a crash, and a filter never shows more rows than the result holds.
#include "fuzz_input.h"

#include "db/recordset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using vant::Field;
    using vant::FieldType;
    const QString criteria = vant::fuzz::text(data, size);
    vant::Recordset rs({Field{QStringLiteral("name"), FieldType::Text}, Field{QStringLiteral("code"), FieldType::Integer},
                        Field{QStringLiteral("price"), FieldType::Double}},
                       {{QStringLiteral("Cake \U0001F382 Shop"), 1, 1.5},
                        {QStringLiteral("O'Neil [x] 50%*"), 2, QVariant()},
                        {QVariant(), 3, -2.25},
                        {QStringLiteral("\u041F\u0435\u043A\u0430\u0440\u043D\u044F"), 4, 1e300}});
    if (rs.setFilter(criteria))
        VANT_FUZZ_CHECK(rs.recordCount() <= 4);
    rs.clearFilter();
    rs.moveFirst();
    (void)rs.find(criteria);
    (void)rs.setSort(criteria);
    VANT_FUZZ_CHECK(rs.recordCount() == 4);
    return 0;
}
