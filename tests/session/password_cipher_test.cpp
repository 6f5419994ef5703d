#include "session/password_cipher.h"
#include "session/windows1252.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

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

TEST(DecipherPassword, FirstCharacterPairsWithSecondKeyCharacter)
{
    // 'a' (97) + 'I' (73) = 170; 'b' (98) + 'N' (78) = 176.
    EXPECT_EQ(DecipherPassword(fromCodes({170, 176}), QStringLiteral("VINTROX")), u"ab");
}

TEST(DecipherPassword, CodeBelowTheKeyWrapsAround)
{
    // 'A' (65) - 'I' (73) = -8 -> 248, the o with stroke.
    EXPECT_EQ(DecipherPassword(QStringLiteral("A"), QStringLiteral("VINTROX")), fromCodes({0xF8}));
}

TEST(DecipherPassword, KeyIsAppliedInUpperCase)
{
    const QString cipher = fromCodes({170, 176, 0xC8, 0x41});
    const QString expected = DecipherPassword(cipher, QStringLiteral("VINTROX"));
    EXPECT_EQ(DecipherPassword(cipher, QStringLiteral("vintrox")), expected);
    EXPECT_EQ(DecipherPassword(cipher, QStringLiteral("vInTrOx")), expected);
    EXPECT_EQ(DecipherPassword(cipher, QString()), expected);
    EXPECT_NE(DecipherPassword(cipher, QStringLiteral("other")), expected);
}

TEST(DecipherPassword, EmptyTextGivesEmptyPassword)
{
    EXPECT_TRUE(DecipherPassword(QString(), QStringLiteral("vintrox")).isEmpty());
    EXPECT_TRUE(DecipherPassword(QString(), QString()).isEmpty());
}

TEST(DecipherPassword, TextLongerThanTheKeyReusesItWithTheOffset)
{
    // Eight times 200: positions 1..8 pair with I N T R O X V I.
    const QString cipher(8, QChar(char16_t(200)));
    EXPECT_EQ(DecipherPassword(cipher, QStringLiteral("vintrox")), fromCodes({127, 'z', 't', 'v', 'y', 'p', 'r', 127}));
}

TEST(DecipherPassword, OneCharacterKeyPairsEveryPositionWithIt)
{
    EXPECT_EQ(DecipherPassword(fromCodes({'B', 'C', 'D'}), QStringLiteral("a")), fromCodes({1, 2, 3}));
}

TEST(DecipherPassword, HighCodesGoThroughWindows1252)
{
    // The euro sign is 0x80: 128 - 73 = 55, the digit 7.
    EXPECT_EQ(DecipherPassword(QStringLiteral("\u20AC"), QStringLiteral("vintrox")), u"7");
    // 201 - 73 = 128, which is the euro sign again.
    EXPECT_EQ(DecipherPassword(fromCodes({201}), QStringLiteral("vintrox")), QStringLiteral("\u20AC"));
    // 0x9F is Y with diaeresis; 0x8A is S with caron.
    EXPECT_EQ(DecipherPassword(fromCodes({0x9F + 73, 0x8A + 78}), QStringLiteral("vintrox")),
              QStringLiteral("\u0178\u0160"));
}

TEST(DecipherPassword, CharacterOutsideTheCodePageCountsAsQuestionMark)
{
    // '?' (63) - 73 = -10 -> 246.
    EXPECT_EQ(DecipherPassword(QStringLiteral("\u0100"), QStringLiteral("vintrox")), fromCodes({246}));
    EXPECT_EQ(DecipherPassword(QStringLiteral("\u0100"), QStringLiteral("vintrox")),
              DecipherPassword(QStringLiteral("?"), QStringLiteral("vintrox")));
}

TEST(DecipherPassword, RoundTripsEveryCodeOfThePage)
{
    QString plain;
    for (int code = 0; code < 256; ++code)
        plain += windows1252::decode(static_cast<unsigned char>(code));
    for (const QString &key : {QStringLiteral("vintrox"), QStringLiteral("k"), QStringLiteral("Zz9")}) {
        const QString cipher = EncipherPassword(plain, key);
        EXPECT_EQ(cipher.size(), plain.size());
        EXPECT_NE(cipher, plain);
        EXPECT_EQ(DecipherPassword(cipher, key), plain) << key.toStdString();
    }
}

TEST(DecipherPassword, EncipherIsTheInverse)
{
    EXPECT_EQ(EncipherPassword(QStringLiteral("ab"), QStringLiteral("vintrox")), fromCodes({170, 176}));
    EXPECT_EQ(EncipherPassword(QStringLiteral("7"), QString()), QStringLiteral("\u20AC"));
}

TEST(Windows1252, MapsTheHighCharactersBothWays)
{
    EXPECT_EQ(windows1252::encode(QChar(0x20AC)), 0x80);
    EXPECT_EQ(windows1252::encode(QChar(0x2122)), 0x99);
    EXPECT_EQ(windows1252::encode(QChar(0x00E9)), 0xE9);
    EXPECT_EQ(windows1252::decode(0x80), QChar(0x20AC));
    EXPECT_EQ(windows1252::decode(0x9C), QChar(0x0153));
    EXPECT_EQ(windows1252::decode(0xFF), QChar(0x00FF));
}

TEST(Windows1252, UndefinedCodesStandForTheirControlCharacters)
{
    for (const unsigned char code : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(windows1252::decode(code), QChar(char16_t(code)));
        EXPECT_EQ(windows1252::encode(QChar(char16_t(code))), code);
    }
}

TEST(Windows1252, CharactersOutsideThePageHaveNoCode)
{
    // Latin-1 controls that Windows-1252 gives to printable characters are not in the page.
    EXPECT_FALSE(windows1252::encode(QChar(0x0080)).has_value());
    EXPECT_FALSE(windows1252::encode(QChar(0x0100)).has_value());
    EXPECT_FALSE(windows1252::encode(QChar(0x4E2D)).has_value());
    EXPECT_FALSE(windows1252::encode(QChar(0xD83D)).has_value());
}

} // namespace
} // namespace vant
