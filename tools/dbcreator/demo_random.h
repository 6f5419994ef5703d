#pragma once

#include <QDate>

#include <cstdint>
#include <random>

namespace vant {

// The demo data's dice. The engine and the arithmetic on its output are fixed, so one
// seed gives the same data on every platform.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint32_t seed) : m_engine(seed) {}

    // A whole number from low to high, both included.
    int between(int low, int high) { return low + static_cast<int>(m_engine() % std::uint32_t(high - low + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    QDate dayBetween(const QDate &first, const QDate &last)
    {
        return first.addDays(between(0, static_cast<int>(first.daysTo(last))));
    }
    template<typename List>
    const auto &pick(const List &list)
    {
        return list.at(between(0, static_cast<int>(list.size()) - 1));
    }

private:
    std::mt19937 m_engine;
};

} // namespace vant
