#include "pdm/rules/CamAppTypes.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"

namespace Vireo::Cam::Pdm {

AppTypeSet CamObjectAppTypes(const CamObject& object)
{
    if (CamObjectManager::IsNull(object))
        return {};
    const CamObjectManager manager(object);
    AppTypeSet types;
    for (const std::wstring_view type : CamObjectManager::GetTypeAndFamilies(manager.GetAppType()))
        types.emplace(std::wstring(type), AppDataType::CamObjectType);
    return types;
}

AppFilter CamAppFilter(AppTypeSet types)
{
    return {{std::wstring(CamConsts::IntegrationInfo::AppCode), std::move(types)}};
}

} // namespace Vireo::Cam::Pdm
