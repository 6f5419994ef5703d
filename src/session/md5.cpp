#include "md5.h"

#include "windows1252.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace vant {

namespace {

constexpr std::array<int, 16> kShifts = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

// The sine-derived constants of RFC 1321: floor(abs(sin(i + 1)) * 2^32).
const std::array<std::uint32_t, 64> &sineTable()
{
    static const std::array<std::uint32_t, 64> table = [] {
        std::array<std::uint32_t, 64> t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = static_cast<std::uint32_t>(std::floor(std::fabs(std::sin(double(i + 1))) * 4294967296.0));
        return t;
    }();
    return table;
}

std::uint32_t LongLeftRotate(std::uint32_t value, int bits)
{
    return std::rotl(value, bits);
}

constexpr std::int64_t kLargestFile = 268435456; // the bit length must fit a signed 32-bit count

} // namespace

MD5::MD5()
{
    MD5Init();
}

QString MD5::RegisterA() const { return QString::number(static_cast<std::int32_t>(m_state[0])); }
QString MD5::RegisterB() const { return QString::number(static_cast<std::int32_t>(m_state[1])); }
QString MD5::RegisterC() const { return QString::number(static_cast<std::int32_t>(m_state[2])); }
QString MD5::RegisterD() const { return QString::number(static_cast<std::int32_t>(m_state[3])); }

void MD5::MD5Init()
{
    m_state = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};
    m_byteCounter = 0;
    m_buffer.fill(0);
}

void MD5::MD5Update(std::int32_t InputLen, const QByteArray &InputBuffer)
{
    // A length beyond the buffer must not read past it.
    InputLen = std::clamp(InputLen, std::int32_t(0), std::int32_t(InputBuffer.size()));
    const auto *input = reinterpret_cast<const unsigned char *>(InputBuffer.constData());
    const int buffered = m_byteCounter % 64;
    m_byteCounter += InputLen;
    int used = 0;
    if (InputLen >= 64 - buffered) {
        std::memcpy(m_buffer.data() + buffered, input, std::size_t(64 - buffered));
        transform(m_buffer.data());
        used = 64 - buffered;
        for (; used + 64 <= InputLen; used += 64)
            transform(input + used);
        std::memcpy(m_buffer.data(), input + used, std::size_t(InputLen - used));
    } else {
        std::memcpy(m_buffer.data() + buffered, input, std::size_t(InputLen));
    }
}

void MD5::MD5Final()
{
    const std::int32_t bitLength = m_byteCounter * 8;
    const int buffered = m_byteCounter % 64;
    const int padLength = buffered < 56 ? 56 - buffered : 120 - buffered;
    QByteArray padding(padLength, '\0');
    padding[0] = char(0x80);
    MD5Update(padLength, padding);
    QByteArray length(8, '\0');
    for (int i = 0; i < 4; ++i)
        length[i] = char((static_cast<std::uint32_t>(bitLength) >> (8 * i)) & 0xFF);
    MD5Update(8, length);
}

QString MD5::GetValues() const
{
    QString hex;
    for (const std::uint32_t word : m_state) {
        for (int i = 0; i < 4; ++i)
            hex += QStringLiteral("%1").arg((word >> (8 * i)) & 0xFF, 2, 16, QLatin1Char('0'));
    }
    return hex.toUpper();
}

std::optional<QString> MD5::DigestStrToHexStr(const QString &SourceString)
{
    if (SourceString.size() > 32767)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(SourceString.size());
    for (const QChar c : SourceString) {
        const auto code = windows1252::encode(c);
        if (!code)
            return std::nullopt;
        bytes.append(static_cast<char>(*code));
    }
    MD5Init();
    MD5Update(std::int32_t(bytes.size()), bytes);
    MD5Final();
    return GetValues();
}

std::optional<QString> MD5::DigestFileToHexStr(const QString &FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() >= kLargestFile)
        return std::nullopt;
    MD5Init();
    while (!file.atEnd()) {
        const QByteArray block = file.read(64);
        if (block.isEmpty())
            return std::nullopt;
        MD5Update(std::int32_t(block.size()), block);
    }
    MD5Final();
    return GetValues();
}

void MD5::transform(const unsigned char *block)
{
    std::array<std::uint32_t, 16> x{};
    for (int i = 0; i < 16; ++i) {
        x[i] = std::uint32_t(block[i * 4]) | (std::uint32_t(block[i * 4 + 1]) << 8)
               | (std::uint32_t(block[i * 4 + 2]) << 16) | (std::uint32_t(block[i * 4 + 3]) << 24);
    }
    auto [a, b, c, d] = m_state;
    const auto &t = sineTable();
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f = 0;
        int g = 0;
        switch (i / 16) {
        case 0: f = (b & c) | (~b & d); g = i; break;
        case 1: f = (d & b) | (~d & c); g = (5 * i + 1) % 16; break;
        case 2: f = b ^ c ^ d; g = (3 * i + 5) % 16; break;
        default: f = c ^ (b | ~d); g = (7 * i) % 16; break;
        }
        const std::uint32_t rotated = LongLeftRotate(a + f + t[std::size_t(i)] + x[std::size_t(g)],
                                                     kShifts[std::size_t((i / 16) * 4 + i % 4)]);
        a = d;
        d = c;
        c = b;
        b = b + rotated;
    }
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
}

QString PasswordDigest(const QString &text)
{
    MD5 digest;
    return digest.DigestStrToHexStr(text).value_or(QStringLiteral("Error"));
}

} // namespace vant
