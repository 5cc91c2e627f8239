#include "pdm/convert/CamPdmCreator.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/convert/internal/WalkFilters.h"
#include "pdm/rules/RuleParameterGuid.h"
#include "pdm/rules/CamAppTypes.h"
#include "pdm/rules/RuleTag.h"

#include "platform/arbor/Model.h"

#include <optional>

namespace Vireo::Cam::Pdm {
namespace {

namespace Model = Vireo::Arbor::Model;

// A number goes over in the PDM parameter's unit when both sides name units of one quantity,
// as it is when either side has none, and not at all across quantities.
bool writeDouble(Model::ReferenceObject& object, const System::Guid& guid, const Cam::DoubleValue& value)
{
    auto parameter = object.ParameterValues().GetParameter(guid);
    if (!parameter)
        return false;
    const zktypes::Unit* pdmUnit = FromPdmUnit(parameter->ParameterInfo() ? parameter->ParameterInfo()->Unit() : nullptr);
    const zktypes::Unit* camUnit = value.GetUnit();
    double number = value.GetValue();
    if (pdmUnit && camUnit) {
        if (pdmUnit->GetUnitType() != camUnit->GetUnitType())
            return false;
        number = zktypes::Unit::Convert(camUnit, pdmUnit, number);
    }
    return object.ParameterValues().TrySetValue(guid, Model::ObjectValue(number));
}

bool writeValue(Model::ReferenceObject& object, const System::Guid& guid, const Cam::BaseValue& value)
{
    auto& values = object.ParameterValues();
    switch (value.GetType()) {
    case Cam::BaseValue::String:
        return value.AsString() && values.TrySetValue(guid, Model::ObjectValue(value.AsString()->GetValue()));
    case Cam::BaseValue::Int:
        return value.AsInt() && values.TrySetValue(guid, Model::ObjectValue(static_cast<int>(value.AsInt()->GetValue())));
    case Cam::BaseValue::Bool:
        return value.AsBool() && values.TrySetValue(guid, Model::ObjectValue(value.AsBool()->GetValue()));
    case Cam::BaseValue::Double:
        return value.AsDouble() && writeDouble(object, guid, *value.AsDouble());
    default:
        return false;
    }
}

} // namespace

CamPdmCreator::CamPdmCreator(CamObject object, const System::Guid& referenceGuid)
    : PdmBuilder(referenceGuid), camObject(std::move(object))
{
}

CamPdmCreator::CamPdmCreator(CamObject object, int objectId, int referenceId)
    : PdmBuilder(objectId, referenceId), camObject(std::move(object))
{
}

CamPdmCreator::CamPdmCreator(CamObject object, int referenceId)
    : PdmBuilder(referenceId), camObject(std::move(object))
{
}

CamPdmCreator::~CamPdmCreator() = default;

NameFilter CamPdmCreator::GetNameFilter() const
{
    return {};
}

AppFilter CamPdmCreator::GetAppFilter() const
{
    AppTypeSet types = CamObjectAppTypes(camObject);
    // An object of no catalogue type asks for the rows filed under no type.
    if (types.empty())
        types.emplace(CamObjectManager(camObject).GetAppType(), AppDataType::CamObjectType);
    return CamAppFilter(std::move(types));
}

SharedAppFilter CamPdmCreator::GetSharedAppFilter() const
{
    if (!walkFilters || CamObjectManager::IsNull(camObject))
        return IntegrationBuilder::GetSharedAppFilter();
    const CamObjectManager manager(camObject);
    return walkFilters->Get(internal::WalkFilters::Basis::OwnType, manager.GetAppType(), [this] { return GetAppFilter(); });
}

bool CamPdmCreator::ProcessRules(const IntegrationRules& rules)
{
    const bool updating = IsUpdate();
    if (!PdmBuilder::ProcessRules(rules))
        return false;
    if (GetCreationTry())
        return true;
    if (updating)
        recordExported(camObject, GetUpdateDatasetObject());
    else if (!GetDatasetObjects().empty())
        recordExported(camObject, GetDatasetObjects().back());
    if (recursive)
        return updating ? UpdateChildren() : CreateChildren();
    return true;
}

void CamPdmCreator::recordExported(const CamObject& object, const PdmObject& pdmObject)
{
    if (pdmObject && exportedIds.insert(CamObjectManager::GetId(object)).second)
        exported.push_back({object, pdmObject});
}

bool CamPdmCreator::FillData(const PdmObject& object, const AppDataset& /*dataset*/,
                             const std::vector<Types>& /*types*/, const std::vector<Parameters>& params,
                             const std::wstring& /*uploadFolder*/)
{
    // Whether the CAM object is still one of the catalogue is asked once per call: nothing
    // between two rows can change it.
    std::optional<CamObjectManager> manager;
    std::optional<bool> isCamObject;
    bool written = false;
    for (const auto& row : params) {
        if (row.appParamType != AppParamType::Parameter || !HoldsRuleTag(*object, row.plmTag, row.plmTagValue))
            continue;
        if (!isCamObject)
            isCamObject = CamObjectManager::IsCamObject(camObject, L"");
        if (!*isCamObject)
            continue;
        if (!manager)
            manager.emplace(camObject);
        const auto value = manager->GetValue(row.appParam);
        if (!value)
            continue;
        try {
            if (writeValue(*object, RuleParameterGuid(row.plmParam), *value))
                written = true;
        } catch (const std::exception&) {
            // A row that cannot be written leaves the others to go on.
        }
    }
    return written;
}

} // namespace Vireo::Cam::Pdm
