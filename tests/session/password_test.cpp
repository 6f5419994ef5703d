#include "session/password_cipher.h"
#include "session/password_digest.h"
#include "session/windows1252.h"

#include "session_fixture.h"

namespace vant {
namespace {

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
        // 'a' (97) + 'I' (73) = 170; 'b' (98) + 'N' (78) = 176. The key is upper-cased; empty means the default.
        {fromCodes({170, 176}), QStringLiteral("VINTROX"), QStringLiteral("ab")},
        {fromCodes({170, 176}), QStringLiteral("vInTrOx"), QStringLiteral("ab")},
        {fromCodes({170, 176}), QString(), QStringLiteral("ab")},
        // 'A' (65) - 'I' (73) = -8 wraps to 248, the o with stroke.
        {QStringLiteral("A"), QStringLiteral("VINTROX"), fromCodes({0xF8})},
        // Longer than the key: positions 1..8 pair with I N T R O X V I.
        {QString(8, QChar(char16_t(200))), QStringLiteral("vintrox"),
         fromCodes({127, 'z', 't', 'v', 'y', 'p', 'r', 127})},
        {fromCodes({'B', 'C', 'D'}), QStringLiteral("a"), fromCodes({1, 2, 3})},
        {QString(), QStringLiteral("vintrox"), QString()},
        // High codes go through Windows-1252: the euro sign is 0x80, 128 - 73 = 55, the digit 7 ...
        {QStringLiteral("\u20AC"), QStringLiteral("vintrox"), QStringLiteral("7")},
        // ... and 201 - 73 = 128 is the euro sign again; 0x9F is Y with diaeresis, 0x8A S with caron.
        {fromCodes({201, 0x8A + 78, 0x9F + 84}), QStringLiteral("vintrox"), QStringLiteral("\u20AC\u0160\u0178")},
        // A character outside the code page counts as '?' (63): 63 - 73 = -10 wraps to 246.
        {QStringLiteral("\u0100"), QStringLiteral("vintrox"), fromCodes({246})},
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
    for (const QString &key : {QStringLiteral("vintrox"), QStringLiteral("k"), QStringLiteral("Zz9")}) {
        const QString cipher = EncipherPassword(plain, key);
        EXPECT_EQ(DecipherPassword(cipher, key), plain) << key.toStdString();
    }
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

TEST(PasswordDigest, Rfc1321SuiteInUpperCase)
{
    const struct
    {
        const char *text;
        const char *digest;
    } suite[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const auto &c : suite) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PasswordDigest(QString::fromLatin1(c.text)), QString::fromLatin1(c.digest));
    }
}

TEST(PasswordDigest, TextGoesThroughWindows1252AndOutsideItIsError)
{
    // The bytes 0x80 0xE9.
    EXPECT_EQ(PasswordDigest(QStringLiteral("\u20AC\u00E9")), u"9DDFA4260A1BDEB1F9B7F8ADE790F4F2");
    EXPECT_EQ(PasswordDigest(QStringLiteral("pass\u0100word")), u"Error");

    const QString longest(32767, QLatin1Char('p'));
    EXPECT_EQ(PasswordDigest(longest), u"5F1742B2BF4F4C82FAA54222B61690D5");
    EXPECT_EQ(PasswordDigest(longest + QLatin1Char('p')), u"Error");
}

} // namespace
} // namespace vant
