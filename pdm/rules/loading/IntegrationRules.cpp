#include "pdm/rules/IntegrationRules.h"

#include "platform/support/HashCombine.h"

namespace Vireo::Cam::Pdm {

std::size_t AppDatasetHash::operator()(const AppDataset& dataset) const noexcept
{
    return static_cast<std::size_t>(Support::HashValues(dataset.appCode, dataset.datasetGuid));
}

void IntegrationRules::AddTypes(const std::wstring& appCode, const std::wstring& name,
                                const std::wstring& appType, AppDataType appDataType,
                                const std::wstring& appDataTypeValue, const std::wstring& datasetGuid,
                                const std::wstring& plmType, const std::vector<std::wstring>& plmTagGroups,
                                const std::wstring& plmTag, const std::wstring& plmTagValue)
{
    AddType({appCode, name, datasetGuid},
            {appType, appDataType, appDataTypeValue, plmType, plmTagGroups, plmTag, plmTagValue});
}

void IntegrationRules::AddParams(const std::wstring& paramName, const std::wstring& appCode,
                                 const std::wstring& name, const std::wstring& appType,
                                 const std::wstring& appParamType, const std::wstring& appParam,
                                 const std::wstring& datasetGuid, const std::wstring& plmType,
                                 const std::vector<std::wstring>& plmTagGroups, const std::wstring& plmTag,
                                 const std::wstring& plmTagValue,
                                 const std::vector<std::wstring>& plmParamGroups,
                                 const std::wstring& plmParam, std::int32_t order, bool appVisible,
                                 bool plmVisible)
{
    AddParam({appCode, name, datasetGuid}, {paramName, appType, appParamType, appParam, plmType, plmTagGroups, plmTag,
                                            plmTagValue, plmParamGroups, plmParam, order, appVisible, plmVisible});
}

// try_emplace keeps the key (and its name) of the first rule object of a dataset.
void IntegrationRules::AddType(const AppDataset& dataset, Types row)
{
    types.try_emplace(dataset).first->second.push_back(std::move(row));
}

void IntegrationRules::AddParam(const AppDataset& dataset, Parameters row)
{
    GetParams().try_emplace(dataset).first->second.push_back(std::move(row));
}

} // namespace Vireo::Cam::Pdm
