// The number and date readers on any stored text: what they agree to write into a statement
// is a finite plain number or a yyyy-MM-dd date, and whole numbers stay within int.
#include "fuzz_input.h"

#include "db/recordset.h"
#include "db/sql_literals.h"

#include <QDate>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString value = vant::fuzz::text(data, size);
    const auto isPlainNumber = [](const QString &literal) {
        bool ok = false;
        const double number = literal.toDouble(&ok);
        return ok && std::isfinite(number) && !literal.contains(u'e', Qt::CaseInsensitive);
    };
    for (const QVariant &stored : {QVariant(value), QVariant(value.toDouble())}) {
        if (const auto literal = vant::numberLiteral(stored, QStringLiteral("value")))
            VANT_FUZZ_CHECK(isPlainNumber(*literal));
        if (const auto literal = vant::leadingNumberLiteral(stored, QStringLiteral("value")))
            VANT_FUZZ_CHECK(isPlainNumber(*literal));
        if (const auto literal = vant::dateLiteral(stored, QStringLiteral("'"), QStringLiteral("value"));
            literal && *literal != u"NULL")
            VANT_FUZZ_CHECK(QDate::fromString(literal->mid(1, 10), Qt::ISODate).isValid());
    }
    (void)vant::leadingInt(value);
    (void)vant::wholeNumber(value, QStringLiteral("value"));
    return 0;
}
