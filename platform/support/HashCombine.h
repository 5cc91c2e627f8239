#pragma once
// Composite hashes: start from seed 0 and fold in the hash of each component, in order.

#include <cstdint>
#include <functional>

namespace Vireo::Support {

inline void HashCombine(std::uint64_t& seed, std::uint64_t h) noexcept
{
    seed ^= h + 0x9e3779b9ULL + (seed << 6) + (seed >> 2);
}

// The combined hash of the given values, each hashed with std::hash.
template <class... T>
std::uint64_t HashValues(const T&... values)
{
    std::uint64_t seed = 0;
    (HashCombine(seed, static_cast<std::uint64_t>(std::hash<T>{}(values))), ...);
    return seed;
}

} // namespace Vireo::Support
