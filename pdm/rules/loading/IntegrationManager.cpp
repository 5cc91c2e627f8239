#include "pdm/rules/IntegrationManager.h"

#include "pdm/rules/internal/RuleCaches.h"
#include "pdm/rules/internal/RuleReferenceLoad.h"
#include "pdm/rules/internal/RuleSetLoader.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
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
    RuleSetLoader rules(appFilter.Filter(), plmFilter);
    if (!forEachRuleObject(connection, nameFilter, appFilter.Filter(), plmFilter,
                           [&](Model::ReferenceObject& ruleObject) { rules.Add(ruleObject); }))
        return std::nullopt;
    return std::move(rules.Rules());
}

// The verdict of the builder on every type row of one dataset, in row order.
using RowVerdicts = std::vector<std::pair<AppDataset, std::vector<bool>>>;

// Type rows depend on the builder's current object, so they are checked per call (once per
// row) and never in the cache. Nothing when every row applies; otherwise a copy of the set
// without the rows that do not, a dataset left without rows erased.
std::optional<IntegrationRules> withoutInvalidTypes(const IntegrationBuilder& builder, const IntegrationRules& rules)
{
    RowVerdicts rejecting;
    for (const auto& [dataset, rows] : rules.GetTypes()) {
        std::vector<bool> valid;
        valid.reserve(rows.size());
        for (const Types& row : rows)
            valid.push_back(builder.IsValidType(dataset, row));
        if (std::find(valid.begin(), valid.end(), false) != valid.end())
            rejecting.emplace_back(dataset, std::move(valid));
    }
    if (rejecting.empty())
        return std::nullopt;
    IntegrationRules copy = rules;
    auto& types = copy.GetTypes();
    for (const auto& [dataset, valid] : rejecting) {
        const auto entry = types.find(dataset);
        std::vector<Types> kept;
        for (std::size_t row = 0; row < valid.size(); ++row)
            if (valid[row])
                kept.push_back(std::move(entry->second[row]));
        if (kept.empty())
            types.erase(entry);
        else
            entry->second = std::move(kept);
    }
    return copy;
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
    SharedAppFilter appFilter = builder.GetSharedAppFilter();
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
    // Held, not looked up again: a nested MakeData of the builder may evict the cached set.
    const std::shared_ptr<const IntegrationRules> rules = cached->second;
    if (const auto valid = withoutInvalidTypes(builder, *rules))
        return builder.ProcessRules(*valid);
    return builder.ProcessRules(*rules);
}

} // namespace Vireo::Cam::Pdm
