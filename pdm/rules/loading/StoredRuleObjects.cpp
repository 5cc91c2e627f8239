#include "pdm/rules/StoredRuleObjects.h"

#include "pdm/rules/internal/RuleObjectReader.h"
#include "pdm/rules/internal/RuleReferenceLoad.h"

namespace Vireo::Cam::Pdm {
namespace {

StoredRuleObject readStoredRuleObject(Arbor::Model::ReferenceObject& ruleObject)
{
    const internal::RuleListValue header = internal::readRuleHeader(ruleObject);
    StoredRuleObject stored;
    stored.dataset = {.appCode = header.appCode, .name = header.name, .datasetGuid = header.datasetGuid};
    std::vector<internal::TypesListValue> typeRows;
    internal::readTypeRows(ruleObject, typeRows);
    for (const auto& row : typeRows)
        stored.types.push_back(internal::asTypes(row));
    std::vector<internal::ParamsListValue> paramRows;
    internal::readParamRows(ruleObject, paramRows);
    for (const auto& row : paramRows)
        stored.params.push_back(internal::asParameters(row));
    return stored;
}

} // namespace

std::optional<std::vector<StoredRuleObject>> ReadStoredRuleObjects(const Arbor::Model::ServerConnection& connection)
{
    std::vector<StoredRuleObject> objects;
    if (!internal::forEachRuleObject(connection, {}, {}, {}, [&](Arbor::Model::ReferenceObject& ruleObject) {
            objects.push_back(readStoredRuleObject(ruleObject));
        }))
        return std::nullopt;
    return objects;
}

} // namespace Vireo::Cam::Pdm
