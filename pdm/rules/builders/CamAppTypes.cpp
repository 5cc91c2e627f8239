#include "pdm/rules/CamAppTypes.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"

namespace Vireo::Cam::Pdm {

AppTypeSet CamObjectAppTypes(const CamObject& object)
{
    if (CamObjectManager::IsNull(object))
        return {};
    return CamTypeAppTypes(CamObjectManager(object).GetAppType());
}

AppTypeSet CamTypeAppTypes(std::wstring_view type)
{
    AppTypeSet types;
    for (const std::wstring_view name : CamObjectManager::GetTypeAndFamilies(type))
        types.emplace(std::wstring(name), AppDataType::CamObjectType);
    return types;
}

AppFilter CamAppFilter(AppTypeSet types)
{
    return {{std::wstring(CamConsts::IntegrationInfo::AppCode), std::move(types)}};
}

} // namespace Vireo::Cam::Pdm
