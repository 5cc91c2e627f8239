#include "pdm/rules/IntegrationManager.h"

#include "pdm/rules/internal/RuleCaches.h"
#include "pdm/rules/internal/RuleReferenceLoad.h"
#include "pdm/rules/internal/RuleSetLoader.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace Vireo::Cam::Pdm {

using internal::RuleCacheKey;
using internal::RuleSetLoader;
using internal::makeCacheKey;
using internal::forEachRuleObject;
using internal::ruleCache;
namespace {

namespace Model = Arbor::Model;

// Searches the rule reference and builds the rule set; nothing when the search cannot run.
std::optional<IntegrationRules> loadRules(const Model::ServerConnection& connection, const RuleCacheKey& key)
{
    const auto& [serverName, nameFilter, appFilter, plmFilter] = key;
    RuleSetLoader rules(appFilter, plmFilter);
    if (!forEachRuleObject(connection, nameFilter, appFilter, plmFilter,
                           [&](Model::ReferenceObject& ruleObject) { rules.Add(ruleObject); }))
        return std::nullopt;
    return std::move(rules.Rules());
}

bool allTypesValid(const IntegrationBuilder& builder, const IntegrationRules& rules)
{
    return std::ranges::all_of(rules.GetTypes(), [&](const auto& entry) {
        return std::ranges::all_of(entry.second, [&](const Types& row) { return builder.IsValidType(entry.first, row); });
    });
}

// Type rows depend on the builder's current object, so they are filtered per call and
// never in the cache.
void dropInvalidTypes(const IntegrationBuilder& builder, IntegrationRules& rules)
{
    auto& types = rules.GetTypes();
    for (auto entry = types.begin(); entry != types.end();) {
        std::erase_if(entry->second, [&](const Types& row) { return !builder.IsValidType(entry->first, row); });
        entry = entry->second.empty() ? types.erase(entry) : std::next(entry);
    }
}

// The cached set as it is when the builder takes every type row of it, which is the usual
// case; otherwise a copy without the rows it does not take.
bool processRules(IntegrationBuilder& builder, const IntegrationRules& cached)
{
    if (allTypesValid(builder, cached))
        return builder.ProcessRules(cached);
    IntegrationRules rules = cached;
    dropInvalidTypes(builder, rules);
    return builder.ProcessRules(rules);
}

} // namespace

bool IntegrationManager::MakeData(IntegrationBuilder& builder)
{
    if (!Model::ServerGateway::IsConnected())
        return false;
    const auto connection = Model::ServerGateway::Connection();
    if (!connection)
        return false;
    std::wstring serverName = connection->ServerName();
    NameFilter nameFilter = builder.GetNameFilter();
    PlmFilter plmFilter = builder.GetPlmFilter();
    AppFilter appFilter = builder.GetAppFilter();
    RuleCacheKey key =
        makeCacheKey(std::move(serverName), std::move(nameFilter), std::move(appFilter), std::move(plmFilter));

    auto& cache = ruleCache();
    auto cached = cache.find(key);
    if (cached == cache.end()) {
        auto loaded = loadRules(*connection, key);
        if (!loaded)
            return false;
        cached = cache.insert(std::move(key), std::make_shared<const IntegrationRules>(std::move(*loaded)));
    }
    // Held here: a nested MakeData of the builder may evict the cached set.
    const std::shared_ptr<const IntegrationRules> rules = cached->second;
    return processRules(builder, *rules);
}

} // namespace Vireo::Cam::Pdm
