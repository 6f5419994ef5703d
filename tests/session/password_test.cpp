#include "session/password_cipher.h"
#include "session/password_digest.h"
#include "session/windows1252.h"

#include "session_fixture.h"

namespace vant {
namespace {

using namespace Qt::StringLiterals;

QString fromCodes(std::initializer_list<char16_t> codes)
{
    QString text;
    for (const char16_t code : codes)
        text += QChar(code);
    return text;
}

// The default key "VINTROX" in codes: V 86, I 73, N 78, T 84, R 82, O 79, X 88.
TEST(DecipherPassword, PairsWithTheKeyFromItsSecondCharacter)
{
    const struct
    {
        QString cipher;
        QString key;
        QString plain;
    } cases[] = {
        // 'a' (97) + 'I' (73) = 170; 'b' (98) + 'N' (78) = 176. An empty key means the default.
        {fromCodes({170, 176}), QString(), u"ab"_s},
        // 'A' (65) - 'I' (73) = -8 wraps to 248, the o with stroke.
        {u"A"_s, u"VINTROX"_s, fromCodes({0xF8})},
        // Longer than the key, which is upper-cased: positions 1..8 pair with I N T R O X V I.
        {QString(8, QChar(char16_t(200))), u"vintrox"_s, fromCodes({127, 'z', 't', 'v', 'y', 'p', 'r', 127})},
        // High codes go through Windows-1252: 201 - 73 = 128 is the euro sign; 0x9F is Y with
        // diaeresis, 0x8A S with caron.
        {fromCodes({201, 0x8A + 78, 0x9F + 84}), u"vintrox"_s, u"\u20AC\u0160\u0178"_s},
        // A character outside the code page counts as '?' (63): 63 - 73 = -10 wraps to 246.
        {u"\u0100"_s, u"vintrox"_s, fromCodes({246})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cipher.toStdString());
        EXPECT_EQ(DecipherPassword(c.cipher, c.key), c.plain);
    }
}

TEST(DecipherPassword, EncipherRoundTripsEveryCodeOfThePage)
{
    QString plain;
    for (int code = 0; code < 256; ++code)
        plain += windows1252::decode(static_cast<unsigned char>(code));
    EXPECT_EQ(DecipherPassword(EncipherPassword(plain, u"Zz9"_s), u"Zz9"_s), plain);
}

TEST(Windows1252, MapsTheHighCharactersAndKnowsWhatIsOutside)
{
    // Undefined codes stand for their control characters.
    for (const unsigned char code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(windows1252::decode(code), QChar(char16_t(code)));
        EXPECT_EQ(windows1252::encode(QChar(char16_t(code))), code);
    }
    // Latin-1 controls that the page gives to printable characters are not in it.
    for (const char16_t outside : {char16_t(0x0080), char16_t(0x0100), char16_t(0x4E2D), char16_t(0xD83D)})
        EXPECT_FALSE(windows1252::encode(QChar(outside)).has_value()) << int(outside);
}

// The digest itself is Qt's MD5; the program gives it in upper case, over the text's Windows-1252 bytes.
TEST(PasswordDigest, UpperCaseMd5OfTheWindows1252BytesAndOutsideItIsError)
{
    // The bytes 0x80 0xE9.
    EXPECT_EQ(PasswordDigest(u"\u20AC\u00E9"_s), u"9DDFA4260A1BDEB1F9B7F8ADE790F4F2");
    EXPECT_EQ(PasswordDigest(u"pass\u0100word"_s), u"Error");

    const QString longest(32767, QLatin1Char('p'));
    EXPECT_EQ(PasswordDigest(longest), u"5F1742B2BF4F4C82FAA54222B61690D5");
    EXPECT_EQ(PasswordDigest(longest + QLatin1Char('p')), u"Error");
}

} // namespace
} // namespace vant
