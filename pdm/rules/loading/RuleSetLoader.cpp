#include "pdm/rules/internal/RuleSetLoader.h"

#include "pdm/rules/internal/RuleCaches.h"
#include "pdm/rules/internal/RuleObjectReader.h"
#include "platform/arbor/ReferenceObject.h"

namespace Vireo::Cam::Pdm::internal {

void RuleSetLoader::Add(Arbor::Model::ReferenceObject& ruleObject)
{
    auto& cache = ruleListCache();
    const std::wstring key = ruleObject.Guid().ToString();
    auto entry = cache.find(key);
    if (entry == cache.end())
        entry = cache.insert(key, readRuleHeader(ruleObject));
    RuleListValue& cached = entry->second;

    // A row list is marked read before its rows are read, and rows go into the cache as
    // they come: a read that fails half-way leaves the rows read so far, and they are what
    // later loads of this rule object see.
    AcceptedTypes accepted;
    if (!cached.types)
        readTypeRows(ruleObject, cached.types.emplace());
    for (const auto& row : *cached.types)
        addTypeRow(cached, row, accepted);

    if (rules_.GetTypes().empty())
        return;
    if (!cached.params)
        readParamRows(ruleObject, cached.params.emplace());
    for (const auto& row : *cached.params)
        addParamRow(cached, row, accepted);
}

bool RuleSetLoader::passesPlmFilter(const RuleListValue& ruleObject, const TypesListValue& row) const
{
    if (ruleObject.datasetGuid.empty()) {
        // A rule object for no particular dataset: the class must be wanted by some
        // dataset that names classes at all.
        bool classesNamed = false;
        for (const auto& [dataset, classes] : plmFilter_) {
            if (classes.empty())
                continue;
            if (classes.contains(row.plmType))
                return true;
            classesNamed = true;
        }
        return !classesNamed;
    }
    const auto wanted = plmFilter_.find(ruleObject.datasetGuid);
    return wanted == plmFilter_.end() || wanted->second.empty() || wanted->second.contains(row.plmType);
}

namespace {

AppDataset datasetOf(const RuleListValue& ruleObject)
{
    return {.appCode = ruleObject.appCode, .name = ruleObject.name, .datasetGuid = ruleObject.datasetGuid};
}

} // namespace

bool RuleSetLoader::passesAppFilter(const RuleListValue& ruleObject, const TypesListValue& row) const
{
    const auto wanted = appFilter_.find(ruleObject.appCode);
    return wanted == appFilter_.end() || !wanted->second ||
           wanted->second->contains(AppTypeKey{row.appType, static_cast<AppDataType>(row.appDataType)});
}

void RuleSetLoader::addTypeRow(const RuleListValue& ruleObject, const TypesListValue& row, AcceptedTypes& accepted)
{
    if (!passesPlmFilter(ruleObject, row) || !passesAppFilter(ruleObject, row))
        return;
    accepted.emplace(row.plmType, row.appType);
    rules_.AddType(datasetOf(ruleObject), asTypes(row));
    rules_.SetUploadFolder(ruleObject.loadingFolder);
}

void RuleSetLoader::addParamRow(const RuleListValue& ruleObject, const ParamsListValue& row,
                                const AcceptedTypes& accepted)
{
    const bool taken = row.plmType.empty() || row.appType.empty() || accepted.contains({row.plmType, row.appType});
    if (!taken)
        return;
    rules_.AddParam(datasetOf(ruleObject), asParameters(row));
}

} // namespace Vireo::Cam::Pdm::internal
