// The statement rewriter on any text: no crash, nesting refused rather than overflowing the
// stack, and string literals come through unchanged.
#include "fuzz_input.h"

#include "db/sqlite_dialect.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString statement = vant::fuzz::text(data, size);
    const auto rewritten = vant::toSqliteDialect(statement);
    // A text literal stays as written; only a quoted number may lose its quotes (isnull's
    // numeric fallback). Two quotes make one literal only where no name in brackets or double
    // quotes and no comment can hold a quote.
    const bool quotesOnlyInLiterals = !statement.contains(u'[') && !statement.contains(u'"')
                                      && !statement.contains(u"--") && !statement.contains(u"/*");
    if (rewritten && quotesOnlyInLiterals && statement.count(u'\'') == 2
        && statement.startsWith(u"select ", Qt::CaseInsensitive)) {
        const qsizetype open = statement.indexOf(u'\'');
        const QString literal = statement.mid(open, statement.lastIndexOf(u'\'') - open + 1);
        bool numeric = false;
        literal.mid(1, literal.size() - 2).trimmed().toDouble(&numeric);
        VANT_FUZZ_CHECK(numeric || rewritten->contains(literal));
    }
    return 0;
}
