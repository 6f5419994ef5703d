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

TEST(Md5, Rfc1321SuiteInUpperCase)
{
    const struct { const char *text; const char *digest; } suite[] = {
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
        MD5 md5;
        EXPECT_EQ(md5.DigestStrToHexStr(QString::fromLatin1(c.text)), std::optional(QString::fromLatin1(c.digest)));
        EXPECT_EQ(PasswordDigest(QString::fromLatin1(c.text)), QString::fromLatin1(c.digest));
    }
}

TEST(Md5, PaddingBoundariesMatchTheReference)
{
    for (int length = 55; length <= 121; ++length) {
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes.append(char('a' + i % 26));
        EXPECT_EQ(PasswordDigest(QString::fromLatin1(bytes)), reference(bytes)) << length;
    }
}

TEST(Md5, TextGoesThroughWindows1252AndOutsideItIsError)
{
    EXPECT_EQ(PasswordDigest(QStringLiteral("\u20AC\u00E9")), reference(QByteArray("\x80\xE9")));
    EXPECT_EQ(PasswordDigest(QStringLiteral("pass\u0100word")), u"Error");
    MD5 md5;
    EXPECT_FALSE(md5.DigestStrToHexStr(QStringLiteral("\u4E2D")).has_value());

    const QString longest(32767, QLatin1Char('p'));
    EXPECT_EQ(PasswordDigest(longest), reference(longest.toLatin1()));
    EXPECT_EQ(PasswordDigest(longest + QLatin1Char('p')), u"Error");
}

TEST(Md5, UpdatesInPiecesTakeOnlyTheBytesThereAre)
{
    QByteArray bytes(200, 'x');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    MD5 md5;
    md5.MD5Init();
    md5.MD5Update(10, bytes.left(10));
    md5.MD5Update(60, bytes.mid(10, 60));
    md5.MD5Update(1000, bytes.mid(70));
    md5.MD5Update(-5, bytes);
    md5.MD5Final();
    EXPECT_EQ(md5.GetValues(), reference(bytes));

    md5.MD5Init();
    EXPECT_EQ(md5.RegisterA(), u"1732584193");
    md5.MD5Update(3, QByteArray("abcdef"));
    md5.MD5Final();
    EXPECT_EQ(md5.GetValues(), u"900150983CD24FB0D6963F7D28E17F72");
}

TEST(Md5, FileDigests)
{
    QTemporaryDir folder;
    QByteArray bytes;
    for (int i = 0; i < 192; ++i)
        bytes.append(char(255 - i));
    for (const QByteArray &content : {bytes, QByteArray()}) {
        const QString path = folder.filePath(QStringLiteral("blocks.bin"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        MD5 md5;
        EXPECT_EQ(md5.DigestFileToHexStr(path), std::optional(reference(content)));
    }
    MD5 md5;
    EXPECT_FALSE(md5.DigestFileToHexStr(folder.filePath(QStringLiteral("absent.bin"))).has_value());
    EXPECT_FALSE(md5.DigestFileToHexStr(folder.path()).has_value());
}

} // namespace
} // namespace vant
