#include "pdm/convert/PdmCamComparator.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/convert/internal/CamTypeChoice.h"
#include "pdm/convert/internal/PdmCamValue.h"
#include "pdm/convert/PdmObjectAccess.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/rules/CamAppTypes.h"
#include "pdm/rules/RuleTag.h"
#include "platform/arbor/Model.h"

#include <exception>
#include <set>

namespace Vireo::Cam::Pdm {

using internal::StandsForCamType;
using internal::MakeCamValueFromPdm;

namespace {

bool isPlainKind(const Cam::BaseValue& value)
{
    switch (value.GetType()) {
    case Cam::BaseValue::Bool:
    case Cam::BaseValue::Int:
    case Cam::BaseValue::Double:
    case Cam::BaseValue::String:
        return true;
    default:
        return false;
    }
}

// A value the comparison owns: host values are borrowed and would change with the object or
// go away with a cancelled change bracket while the dialog still shows them.
CamValuePtr ownedCopy(CamValuePtr value)
{
    if (!value || value.get_deleter().owned)
        return value;
    return CamValuePtr(value->Clone().release(), CamValueDeleter{true});
}

} // namespace

PdmCamComparator::PdmCamComparator(CamObject object) : AppBuilder(ObjectPtr{}), camObject(std::move(object)) {}

PdmCamComparator::PdmCamComparator(const System::Guid& objectGuid, const System::Guid& referenceGuid,
                                   CamObject object)
    : AppBuilder(objectGuid, referenceGuid), camObject(std::move(object))
{
}

PdmCamComparator::PdmCamComparator(int objectId, int referenceId, CamObject object)
    : AppBuilder(objectId, referenceId), camObject(std::move(object))
{
}

NameFilter PdmCamComparator::GetNameFilter() const
{
    return {};
}

AppFilter PdmCamComparator::GetAppFilter() const
{
    return CamAppFilter(CamObjectAppTypes(camObject));
}

std::wstring PdmCamComparator::GetUri() const
{
    return getPdmUri(GetDatasetObject());
}

bool PdmCamComparator::ProcessRules(const IntegrationRules& rules)
{
    if (!GetDatasetObject())
        return listExportableValues(rules);
    runRules = &rules;
    const bool result = AppBuilder::ProcessRules(rules);
    runRules = nullptr;
    return result;
}

// Without a PDM object: every CAM value the rules would export, once per CAM parameter.
bool PdmCamComparator::listExportableValues(const IntegrationRules& rules)
{
    different = true;
    if (CamObjectManager::IsNull(camObject))
        return false;
    const CamObjectManager manager(camObject);
    std::set<std::wstring> taken;
    bool appended = false;
    for (const auto& [dataset, types] : rules.GetTypes()) {
        const auto rows = rules.GetParams().find(dataset);
        if (rows == rules.GetParams().end())
            continue;
        for (const Parameters& row : rows->second) {
            if (row.appParamType != AppParamType::Parameter || taken.count(row.appParam))
                continue;
            CamValuePtr value = manager.GetValue(row.appParam);
            if (!value || !isPlainKind(*value))
                continue;
            taken.insert(row.appParam);
            parameters.push_back({row.paramName, row.appParam, ownedCopy(std::move(value)), CamValuePtr{}});
            appended = true;
        }
    }
    return appended;
}

bool PdmCamComparator::FillData(ObjectPtr object, const AppDataset& dataset, const std::vector<Types>& types,
                                const std::vector<Parameters>& params, const std::wstring& /*uploadFolder*/)
{
    if (CamObjectManager::IsNull(camObject) || types.empty())
        return false;
    if (!typeMatchDecided && object == GetDatasetObject() && runRules) {
        typeMatch = StandsForCamType(*runRules, dataset, types, GetDatasetObject(), CamObjectManager(camObject).GetAppType());
        typeMatchDecided = true;
    }
    if (!typeMatch)
        return false;
    std::optional<CamObjectManager> manager;
    for (const Parameters& row : params) {
        try {
            compareRow(*object, row, manager);
        } catch (const std::exception&) {
            // A row that cannot be compared is left out and does not count as a difference.
        }
    }
    return !parameters.empty();
}

void PdmCamComparator::compareRow(Vireo::Arbor::Model::ReferenceObject& object, const Parameters& row,
                                  std::optional<CamObjectManager>& manager)
{
    if (row.appParamType != AppParamType::Parameter)
        return;
    const auto parameter = getPdmParameter(object, row.plmParam);
    if (!parameter || !HoldsRuleTag(object, row.plmTag, row.plmTagValue))
        return;
    if (!manager)
        manager.emplace(camObject);
    if (manager->GetAppType().empty())
        return;
    CamValuePtr camValue = manager->GetValue(row.appParam);
    if (!camValue)
        return;
    CamValuePtr pdmValue = MakeCamValueFromPdm(*parameter, *camValue);
    if (!pdmValue)
        return;
    const bool equal = IsEqualCamBaseValue(camValue.get(), pdmValue.get());
    parameters.push_back({row.paramName, row.appParam, ownedCopy(std::move(camValue)), ownedCopy(std::move(pdmValue))});
    if (!equal)
        different = true;
}

} // namespace Vireo::Cam::Pdm
