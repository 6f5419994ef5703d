// The stored-password cipher and the login's digest on any text: no crash, and deciphering
// undoes enciphering for every text of the single-byte code page.
#include "fuzz_input.h"

#include "session/password_cipher.h"
#include "session/password_digest.h"
#include "session/windows1252.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = vant::fuzz::text(data, size);
    const qsizetype split = input.indexOf(u'\n');
    const QString key = split < 0 ? QString() : input.left(split);
    const QString plain = split < 0 ? input : input.mid(split + 1);

    const auto singleByte = [](const QString &text) {
        return std::all_of(text.cbegin(), text.cend(),
                           [](QChar c) { return vant::windows1252::encode(c).has_value(); });
    };
    const QString cipher = vant::EncipherPassword(plain, key);
    VANT_FUZZ_CHECK(cipher.size() == plain.size());
    if (singleByte(plain) && singleByte(key))
        VANT_FUZZ_CHECK(vant::DecipherPassword(cipher, key) == plain);

    const QString digest = vant::PasswordDigest(plain);
    VANT_FUZZ_CHECK(digest == u"Error" || (digest.size() == 32 && digest.toUpper() == digest));
    return 0;
}
