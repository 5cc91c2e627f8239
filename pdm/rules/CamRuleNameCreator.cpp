#include "pdm/rules/CamRuleNameCreator.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"

namespace Vireo::Cam::Pdm {
namespace {

AppTypeSet everyCatalogueType()
{
    AppTypeSet types;
    for (std::wstring_view name : CamObjectManager::GetCamTypeNames())
        types.emplace(std::wstring(name), AppDataType::CamObjectType);
    return types;
}

AppTypeSet typeAndFamilies(const CamObject& object)
{
    const CamObjectManager manager(object);
    const std::wstring& appType = manager.GetAppType();
    AppTypeSet types{{appType, AppDataType::CamObjectType}};
    for (const auto& [generic, family] : CamObjectManager::GetGenericCamTypes())
        if (family.first.count(appType))
            types.emplace(std::wstring(generic), AppDataType::CamObjectType);
    return types;
}

} // namespace

CamRuleNameCreator::CamRuleNameCreator(CamObject object) : camObject(std::move(object)) {}

CamRuleNameCreator::~CamRuleNameCreator() = default;

AppFilter CamRuleNameCreator::GetAppFilter() const
{
    AppTypeSet types = CamObjectManager::IsNull(camObject) ? everyCatalogueType() : typeAndFamilies(camObject);
    return {{std::wstring(CamConsts::IntegrationInfo::AppCode), std::move(types)}};
}

bool CamRuleNameCreator::ProcessRules(const IntegrationRules& rules)
{
    for (const auto& [dataset, rows] : rules.GetTypes())
        ruleNames.emplace_back(dataset.name, dataset.datasetGuid);
    return true;
}

} // namespace Vireo::Cam::Pdm
