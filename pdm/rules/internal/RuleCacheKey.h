#pragma once
// The key under which a loaded rule set is cached: the server and the builder's three
// filters. Equal keys are equal in every component; the hash folds all four (the
// application filter's own hash is kept with it).

#include "pdm/rules/RuleFilters.h"

#include <cstddef>
#include <string>
#include <tuple>

namespace Vireo::Cam::Pdm::internal {

using RuleCacheKey = std::tuple<std::wstring, NameFilter, SharedAppFilter, PlmFilter>;

struct RuleCacheKeyHash {
    std::size_t operator()(const RuleCacheKey& key) const noexcept;
};

RuleCacheKey makeCacheKey(std::wstring serverName, NameFilter nameFilter, SharedAppFilter appFilter,
                          PlmFilter plmFilter);

} // namespace Vireo::Cam::Pdm::internal
