#include "pdm/rules/internal/RuleCacheKey.h"

#include "platform/support/HashCombine.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace Vireo::Cam::Pdm::internal {
namespace {

using Support::HashCombine;

std::uint64_t hashOf(const std::wstring& text) noexcept
{
    return std::hash<std::wstring>{}(text);
}

std::uint64_t hashOf(const AppTypeKey& type) noexcept
{
    return Support::HashValues(type.first, type.second);
}

std::uint64_t hashOf(const NameFilter& names) noexcept
{
    std::uint64_t seed = 0;
    for (const auto& name : names)
        HashCombine(seed, hashOf(name));
    return seed;
}

// Seeds a set's hash with its size and engagement so that "all types" and "no type
// listed" stay apart without an extra comparison.
template <class Set>
std::uint64_t hashOfSet(const Set& set) noexcept
{
    std::uint64_t seed = 0;
    HashCombine(seed, set.size() + 1);
    for (const auto& element : set)
        HashCombine(seed, hashOf(element));
    return seed;
}

std::uint64_t hashOf(const AppFilter& filter) noexcept
{
    std::uint64_t seed = 0;
    for (const auto& [appCode, types] : filter) {
        HashCombine(seed, hashOf(appCode));
        HashCombine(seed, types ? hashOfSet(*types) : 0);
    }
    return seed;
}

std::uint64_t hashOf(const PlmFilter& filter) noexcept
{
    std::uint64_t seed = 0;
    for (const auto& [datasetGuid, classes] : filter) {
        HashCombine(seed, hashOf(datasetGuid));
        HashCombine(seed, hashOfSet(classes));
    }
    return seed;
}

} // namespace

} // namespace Vireo::Cam::Pdm::internal

namespace Vireo::Cam::Pdm {

SharedAppFilter::SharedAppFilter(AppFilter filter)
{
    const auto hash = static_cast<std::size_t>(internal::hashOf(filter));
    data = std::make_shared<const Data>(Data{std::move(filter), hash});
}

} // namespace Vireo::Cam::Pdm

namespace Vireo::Cam::Pdm::internal {

std::size_t RuleCacheKeyHash::operator()(const RuleCacheKey& key) const noexcept
{
    std::uint64_t seed = 0;
    HashCombine(seed, hashOf(std::get<0>(key)));
    HashCombine(seed, hashOf(std::get<1>(key)));
    HashCombine(seed, std::get<2>(key).Hash());
    HashCombine(seed, hashOf(std::get<3>(key)));
    return static_cast<std::size_t>(seed);
}

RuleCacheKey makeCacheKey(std::wstring serverName, NameFilter nameFilter, SharedAppFilter appFilter,
                          PlmFilter plmFilter)
{
    return RuleCacheKey{std::move(serverName), std::move(nameFilter), std::move(appFilter),
                        std::move(plmFilter)};
}

} // namespace Vireo::Cam::Pdm::internal
