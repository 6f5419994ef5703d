#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace vant {

// The RFC 1321 message digest, written as 32 upper-case hexadecimal digits. Text is
// turned into bytes through Windows-1252; a character outside it fails the digest.
class MD5
{
public:
    MD5();

    QString RegisterA() const;
    QString RegisterB() const;
    QString RegisterC() const;
    QString RegisterD() const;

    // Digest of every byte of the file; nothing when it cannot be read or is too large.
    std::optional<QString> DigestFileToHexStr(const QString &FileName);
    // Digest of the text's bytes; nothing when a character has no single-byte code or
    // the text is longer than 32767 characters.
    std::optional<QString> DigestStrToHexStr(const QString &SourceString);
    QString GetValues() const;

    void MD5Init();
    void MD5Final();
    void MD5Update(std::int32_t InputLen, const QByteArray &InputBuffer);

private:
    void transform(const unsigned char *block);

    std::array<std::uint32_t, 4> m_state{};
    std::int32_t m_byteCounter = 0;
    std::array<unsigned char, 64> m_buffer{};
};

// The password as the employee master stores digests, or "Error".
QString PasswordDigest(const QString &text);

} // namespace vant
