#pragma once
// The two process-wide rule caches. Both are built when the plug-in is loaded, live until
// it is unloaded and are only ever emptied by eviction, so a change of the rules in the PDM
// shows after a reload.

#include "pdm/rules/IntegrationRules.h"
#include "pdm/rules/internal/LruMap.h"
#include "pdm/rules/internal/RuleCacheKey.h"
#include "pdm/rules/internal/RuleListValue.h"

#include <cstddef>
#include <memory>
#include <string>

namespace Vireo::Cam::Pdm::internal {

inline constexpr std::size_t ruleCacheCapacity = 256;

// Loaded rule sets (before any builder's filtering) per server and filters. A run holds its
// set by its pointer, so a nested run that evicts the entry leaves it whole.
using RuleCache = LruMap<RuleCacheKey, std::shared_ptr<const IntegrationRules>, RuleCacheKeyHash>;
// The rows of each rule object read so far, per rule object GUID text.
using RuleListCache = LruMap<std::wstring, RuleListValue>;

RuleCache& ruleCache() noexcept;
RuleListCache& ruleListCache() noexcept;

} // namespace Vireo::Cam::Pdm::internal
