#pragma once

#include <QChar>

#include <optional>

namespace vant::windows1252 {

// The single-byte code of a character in Windows-1252, or nothing when the code page
// has no such character. The five codes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control characters of the same
// value, as the Windows conversion routines map them.
std::optional<unsigned char> encode(QChar ch);

// The character of a single-byte code.
QChar decode(unsigned char code);

} // namespace vant::windows1252
