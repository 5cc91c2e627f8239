#include "pdm/convert/internal/CamTypeChoice.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmObjectAccess.h"
#include "platform/arbor/Model.h"

#include <algorithm>

namespace Vireo::Cam::Pdm::internal {

std::wstring ChooseCamType(std::wstring_view appType, const std::vector<Parameters>& params,
                           const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& pdmObject)
{
    if (!CamObjectManager::IsGenericAppType(appType))
        return std::wstring(appType);
    const std::wstring_view selector = CamObjectManager::GetAppTypeParam(appType);
    if (selector.empty())
        return std::wstring(appType);
    const auto row = std::find_if(params.begin(), params.end(),
                                  [selector](const Parameters& candidate) { return candidate.appParam == selector; });
    if (row == params.end() || !pdmObject)
        return {};
    const auto parameter = getPdmParameter(*pdmObject, row->plmParam);
    return parameter ? parameter->ToString() : std::wstring{};
}

} // namespace Vireo::Cam::Pdm::internal
