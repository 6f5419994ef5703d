// The set-based copies' conditions beside the row checks, on any stored text: for every number
// and date form, the condition selects a value exactly when the check refuses it, and the copy
// writes what the check read, through the statement rewrite on an embedded database.
#include "fuzz_input.h"

#include "support/copy_form_pairs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static vant::fuzz::EmbeddedDatabase fixture;
    static const bool created = fixture.db && vant::test::CopyFormPairs(*fixture.db).createTable();
    VANT_FUZZ_CHECK(created);
    // A stored text holds no NUL; the empty input stands for NULL.
    QString text = vant::fuzz::text(data, size);
    text.remove(QChar(u'\0'));
    const std::optional<QString> value = size == 0 ? std::nullopt : std::optional<QString>(text);
    const auto parted = vant::test::CopyFormPairs(*fixture.db).disagreement(value);
    if (parted)
        fprintf(stderr, "%s\n", qPrintable(*parted));
    VANT_FUZZ_CHECK(!parted);
    return 0;
}
