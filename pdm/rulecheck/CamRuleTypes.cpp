#include "pdm/rulecheck/internal/CamRuleTypes.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/CamTables.h"

namespace Vireo::Cam::Pdm::internal {

bool IsKnownCamType(std::wstring_view type)
{
    return CamTypes.contains(type) || CamObjectManager::IsGenericAppType(type);
}

bool IsGenericCamType(std::wstring_view type)
{
    return CamObjectManager::IsGenericAppType(type);
}

bool IsCamParameter(std::wstring_view type, std::wstring_view parameter)
{
    if (const auto generic = GenericCamTypes.find(type); generic != GenericCamTypes.end()) {
        if (generic->second.second == parameter)
            return true;
        for (std::wstring_view member : generic->second.first)
            if (CamTypes.at(member).parameters.contains(parameter))
                return true;
        return false;
    }
    const auto specific = CamTypes.find(type);
    return specific != CamTypes.end() && specific->second.parameters.contains(parameter);
}

void ExpandCamType(std::wstring_view type, std::set<std::wstring_view>& types)
{
    if (const auto generic = GenericCamTypes.find(type); generic != GenericCamTypes.end())
        types.insert(generic->second.first.begin(), generic->second.first.end());
    else if (const auto specific = CamTypes.find(type); specific != CamTypes.end())
        types.insert(specific->first);
}

} // namespace Vireo::Cam::Pdm::internal
