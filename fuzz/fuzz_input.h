#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace vant::fuzz {

// The fuzzer's bytes as text, read as UTF-8 the way the program reads its settings and data.
inline QString text(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Stops the run when a property of the code under test does not hold.
#define VANT_FUZZ_CHECK(condition)                                                                                     \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            __builtin_trap();                                                                                          \
    } while (false)

} // namespace vant::fuzz
