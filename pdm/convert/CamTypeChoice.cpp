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

const std::vector<Parameters>& DatasetParameterRows(const IntegrationRules& rules, const AppDataset& dataset)
{
    static const std::vector<Parameters> noRows;
    const auto found = rules.GetParams().find(dataset);
    return found == rules.GetParams().end() ? noRows : found->second;
}

std::wstring ChooseCamTypeToCreate(const IntegrationRules& rules, const AppDataset& dataset,
                                   const std::vector<Types>& types,
                                   const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& pdmObject)
{
    if (types.empty())
        return {};
    return ChooseCamType(types.front().appType, DatasetParameterRows(rules, dataset), pdmObject);
}

bool StandsForCamType(const IntegrationRules& rules, const AppDataset& dataset, const std::vector<Types>& types,
                      const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& pdmObject,
                      std::wstring_view camType)
{
    if (camType.empty())
        return false;
    const auto& rows = DatasetParameterRows(rules, dataset);
    return std::any_of(types.begin(), types.end(),
                       [&](const Types& row) { return ChooseCamType(row.appType, rows, pdmObject) == camType; });
}

} // namespace Vireo::Cam::Pdm::internal
