#include "session/md5.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace vant {
namespace {

QString reference(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toUpper());
}

struct SuiteCase
{
    const char *text;
    const char *digest;
};

class Rfc1321Suite : public testing::TestWithParam<SuiteCase>
{
};

TEST_P(Rfc1321Suite, GivesTheSuiteDigestInUpperCase)
{
    MD5 md5;
    const auto digest = md5.DigestStrToHexStr(QString::fromLatin1(GetParam().text));
    ASSERT_TRUE(digest.has_value());
    EXPECT_EQ(*digest, QString::fromLatin1(GetParam().digest));
    EXPECT_EQ(PasswordDigest(QString::fromLatin1(GetParam().text)), QString::fromLatin1(GetParam().digest));
}

INSTANTIATE_TEST_SUITE_P(
    Md5, Rfc1321Suite,
    testing::Values(
        SuiteCase{"", "D41D8CD98F00B204E9800998ECF8427E"}, SuiteCase{"a", "0CC175B9C0F1B6A831C399E269772661"},
        SuiteCase{"abc", "900150983CD24FB0D6963F7D28E17F72"},
        SuiteCase{"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        SuiteCase{"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        SuiteCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
                  "D174AB98D277D9F5A5611C2C9F419D9F"},
        SuiteCase{"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
                  "57EDF4A22BE3C955AC49DA2E2107B67A"}));

class PaddingBoundary : public testing::TestWithParam<int>
{
};

TEST_P(PaddingBoundary, MatchesTheReferenceDigest)
{
    QByteArray bytes;
    for (int i = 0; i < GetParam(); ++i)
        bytes.append(char('a' + i % 26));
    EXPECT_EQ(PasswordDigest(QString::fromLatin1(bytes)), reference(bytes));
}

INSTANTIATE_TEST_SUITE_P(Md5, PaddingBoundary, testing::Values(55, 56, 57, 63, 64, 65, 120, 121, 128));

TEST(Md5, LetterCaseChangesTheDigest)
{
    EXPECT_NE(PasswordDigest(QStringLiteral("Secret")), PasswordDigest(QStringLiteral("secret")));
}

TEST(Md5, RegistersHoldTheInitialStateAsSignedDecimals)
{
    MD5 md5;
    EXPECT_EQ(md5.RegisterA(), u"1732584193");
    EXPECT_EQ(md5.RegisterB(), u"-271733879");
    EXPECT_EQ(md5.RegisterC(), u"-1732584194");
    EXPECT_EQ(md5.RegisterD(), u"271733878");

    md5.DigestStrToHexStr(QStringLiteral("abc"));
    EXPECT_NE(md5.RegisterA(), u"1732584193");
    md5.MD5Init();
    EXPECT_EQ(md5.RegisterA(), u"1732584193");
    EXPECT_EQ(md5.RegisterD(), u"271733878");
}

TEST(Md5, UpdatesInPiecesAcrossBlocksGiveTheWholeDigest)
{
    QByteArray bytes(200, 'x');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    MD5 md5;
    md5.MD5Init();
    md5.MD5Update(10, bytes.left(10));
    md5.MD5Update(60, bytes.mid(10, 60));
    md5.MD5Update(130, bytes.mid(70));
    md5.MD5Final();
    EXPECT_EQ(md5.GetValues(), reference(bytes));
}

TEST(Md5, UpdateNeverReadsPastTheBuffer)
{
    const QByteArray bytes("0123456789");
    MD5 md5;
    md5.MD5Init();
    md5.MD5Update(1000, bytes);
    md5.MD5Update(-5, bytes);
    md5.MD5Final();
    EXPECT_EQ(md5.GetValues(), reference(bytes));
}

TEST(Md5, UpdateTakesOnlyTheFirstBytesAsked)
{
    MD5 md5;
    md5.MD5Init();
    md5.MD5Update(3, QByteArray("abcdef"));
    md5.MD5Final();
    EXPECT_EQ(md5.GetValues(), u"900150983CD24FB0D6963F7D28E17F72");
}

TEST(Md5, WholeBlockFileDigestsItsLastBlock)
{
    QTemporaryDir folder;
    QByteArray bytes;
    for (int i = 0; i < 192; ++i)
        bytes.append(char(255 - i));
    const QString path = folder.filePath(QStringLiteral("blocks.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    MD5 md5;
    EXPECT_EQ(md5.DigestFileToHexStr(path), reference(bytes));
    EXPECT_NE(reference(bytes), reference(bytes.left(128)));
}

TEST(Md5, EmptyFileGivesTheEmptyDigest)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("empty.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    MD5 md5;
    EXPECT_EQ(md5.DigestFileToHexStr(path), u"D41D8CD98F00B204E9800998ECF8427E");
}

TEST(Md5, MissingFileFails)
{
    QTemporaryDir folder;
    MD5 md5;
    EXPECT_FALSE(md5.DigestFileToHexStr(folder.filePath(QStringLiteral("absent.bin"))).has_value());
    EXPECT_FALSE(md5.DigestFileToHexStr(folder.path()).has_value());
}

TEST(Md5, TextIsTakenThroughWindows1252)
{
    EXPECT_EQ(PasswordDigest(QStringLiteral("\u20AC\u00E9")), reference(QByteArray("\x80\xE9")));
}

TEST(Md5, CharacterOutsideTheCodePageGivesError)
{
    EXPECT_EQ(PasswordDigest(QStringLiteral("pass\u0100word")), u"Error");
    MD5 md5;
    EXPECT_FALSE(md5.DigestStrToHexStr(QStringLiteral("\u4E2D")).has_value());
}

TEST(Md5, TextLongerThan32767CharactersFails)
{
    const QString longest(32767, QLatin1Char('p'));
    EXPECT_EQ(PasswordDigest(longest), reference(longest.toLatin1()));
    EXPECT_EQ(PasswordDigest(longest + QLatin1Char('p')), u"Error");
}

} // namespace
} // namespace vant
