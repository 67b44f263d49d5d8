// A seeded random source whose draws depend on the seed alone, so a register can be made again.
#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace velmar::bench {

// Own draws over the engine: the standard distributions may differ between library versions.
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    // A whole number in [low, high].
    std::int64_t between(std::int64_t low, std::int64_t high)
    {
        return low + std::int64_t(engine_() % std::uint64_t(high - low + 1));
    }
    // True with the given probability in percent.
    bool percent(int chance) { return between(0, 99) < chance; }

    template <typename T>
    const T& pick(std::span<const T> items)
    {
        return items[size_t(between(0, std::int64_t(items.size()) - 1))];
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace velmar::bench
