#include "pdm/rules/CamAppTypes.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"

namespace Vireo::Cam::Pdm {

AppTypeSet CamObjectAppTypes(const CamObject& object)
{
    if (CamObjectManager::IsNull(object))
        return {};
    const CamObjectManager manager(object);
    const std::wstring& appType = manager.GetAppType();
    if (appType.empty())
        return {};
    AppTypeSet types{{appType, AppDataType::CamObjectType}};
    for (const auto& [generic, family] : CamObjectManager::GetGenericCamTypes())
        if (family.first.count(appType))
            types.emplace(std::wstring(generic), AppDataType::CamObjectType);
    return types;
}

AppFilter CamAppFilter(AppTypeSet types)
{
    return {{std::wstring(CamConsts::IntegrationInfo::AppCode), std::move(types)}};
}

} // namespace Vireo::Cam::Pdm
