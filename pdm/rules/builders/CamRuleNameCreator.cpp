#include "pdm/rules/CamRuleNameCreator.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/rules/CamAppTypes.h"

namespace Vireo::Cam::Pdm {
namespace {

AppTypeSet everyCatalogueType()
{
    AppTypeSet types;
    for (std::wstring_view name : CamObjectManager::GetCamTypeNames())
        types.emplace(std::wstring(name), AppDataType::CamObjectType);
    return types;
}

} // namespace

CamRuleNameCreator::CamRuleNameCreator(CamObject object) : camObject(std::move(object)) {}

CamRuleNameCreator::~CamRuleNameCreator() = default;

AppFilter CamRuleNameCreator::GetAppFilter() const
{
    return CamAppFilter(CamObjectManager::IsNull(camObject) ? everyCatalogueType() : CamObjectAppTypes(camObject));
}

bool CamRuleNameCreator::ProcessRules(const IntegrationRules& rules)
{
    for (const auto& [dataset, rows] : rules.GetTypes())
        ruleNames.emplace_back(dataset.name, dataset.datasetGuid);
    return true;
}

} // namespace Vireo::Cam::Pdm
