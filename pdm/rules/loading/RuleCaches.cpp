#include "pdm/rules/internal/RuleCaches.h"

namespace Vireo::Cam::Pdm::internal {
namespace {

// Built at load, before any command can run.
RuleCache ruleCacheInstance{ruleCacheCapacity};
RuleListCache ruleListCacheInstance{ruleCacheCapacity};

} // namespace

RuleCache& ruleCache() noexcept
{
    return ruleCacheInstance;
}

RuleListCache& ruleListCache() noexcept
{
    return ruleListCacheInstance;
}

} // namespace Vireo::Cam::Pdm::internal
