#include "pdm/convert/internal/CamPdmXml.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/rules/ConnectedCatalog.h"

#include "platform/arbor/Model.h"

#include <algorithm>
#include <optional>

namespace Vireo::Cam::Pdm {
namespace internal {
namespace {

namespace Model = Vireo::Arbor::Model;
using Value = CamPdmXmlCreator::Value;

std::shared_ptr<Model::ClassTree> tableClasses(const Model::ReferenceInfo& reference, const System::Guid& table)
{
    const auto opened = reference.CreateReference();
    const auto group = opened ? opened->ParameterGroup() : nullptr;
    if (!group)
        return nullptr;
    auto found = group->OneToManyTables().Find(table);
    if (!found)
        found = group->OneToOneTables().Find(table);
    return found ? found->Classes() : nullptr;
}

// A number is described in the PDM parameter's unit when both sides measure the same
// quantity, as it is when either has no unit, and not at all across quantities.
std::optional<double> describedNumber(const Model::ParameterInfo& parameter, const Cam::DoubleValue& value)
{
    const zktypes::Unit* pdmUnit = FromPdmUnit(parameter.Unit());
    const zktypes::Unit* camUnit = value.GetUnit();
    if (!pdmUnit || !camUnit)
        return value.GetValue();
    if (pdmUnit->GetUnitType() != camUnit->GetUnitType())
        return std::nullopt;
    return zktypes::Unit::Convert(camUnit, pdmUnit, value.GetValue());
}

std::optional<Value> describedValue(const Model::ParameterInfo& parameter, const Cam::BaseValue& value)
{
    switch (value.GetType()) {
    case Cam::BaseValue::String:
        return Value(value.AsString()->GetValue());
    case Cam::BaseValue::Int:
        return Value(static_cast<std::int32_t>(value.AsInt()->GetValue()));
    case Cam::BaseValue::Bool:
        return Value(value.AsBool()->GetValue());
    case Cam::BaseValue::Double:
        if (auto number = describedNumber(parameter, *value.AsDouble()))
            return Value(*number);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// A row with a tag applies only to objects already marked with the tag's value.
bool tagHolds(const CamPdmXmlCreator::NodeObject& object, const Parameters& row)
{
    if (row.plmTag.empty())
        return true;
    const std::pair<std::wstring, Value> mark{row.plmTag, Value(row.plmTagValue)};
    return std::find(object.values.begin(), object.values.end(), mark) != object.values.end();
}

} // namespace

std::shared_ptr<Model::ClassObject> getClassObject(const std::wstring& referenceGuid, const std::wstring& classGuid,
                                                   const std::wstring& listGuid)
{
    try {
        const auto catalog = ConnectedCatalog();
        const auto referenceKey = System::Guid::TryParse(referenceGuid);
        const auto classKey = System::Guid::TryParse(classGuid);
        if (!catalog || !referenceKey || !classKey)
            return nullptr;
        const auto reference = catalog->Find(*referenceKey);
        if (!reference)
            return nullptr;
        std::shared_ptr<Model::ClassTree> classes;
        if (listGuid.empty()) {
            classes = reference->Classes();
        } else if (const auto table = System::Guid::TryParse(listGuid)) {
            classes = tableClasses(*reference, *table);
        }
        return classes ? classes->Find(*classKey) : nullptr;
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::shared_ptr<Model::ParameterInfo> getParamInfo(const Model::ClassObject& objectClass,
                                                   const std::wstring& parameterGuid)
{
    const auto guid = System::Guid::TryParse(parameterGuid);
    if (!guid)
        return nullptr;
    // The group that holds the class's objects is not listed among its groups: its
    // parameters are the ones every object of the class has.
    if (const auto owner = objectClass.OwnerGroup())
        if (auto parameter = owner->Item(*guid))
            return parameter;
    for (const auto& group : objectClass.ParameterGroups()) {
        if (group->IsLinkGroup())
            continue;
        if (auto parameter = group->Parameters().Find(*guid))
            return parameter;
    }
    return nullptr;
}

} // namespace internal

bool CamPdmXmlCreator::FillData(const std::shared_ptr<NodeObject>& object, const AppDataset& /*dataset*/,
                                const std::vector<Types>& /*types*/, const std::vector<Parameters>& params,
                                const std::wstring& /*uploadFolder*/)
{
    const auto objectClass = internal::getClassObject(object->referenceGuid, object->classGuid, object->listGuid);
    if (!objectClass)
        return false;
    std::optional<CamObjectManager> manager;
    bool appended = false;
    for (const auto& row : params) {
        if (row.appParamType != AppParamType::Parameter || !internal::tagHolds(*object, row))
            continue;
        if (!manager) {
            if (!CamObjectManager::IsCamObject(camObject, L""))
                return appended;
            manager.emplace(camObject);
        }
        const auto value = manager->GetValue(row.appParam);
        const auto parameter = value ? internal::getParamInfo(*objectClass, row.plmParam) : nullptr;
        if (!parameter)
            continue;
        if (auto described = internal::describedValue(*parameter, *value)) {
            object->values.emplace_back(row.plmParam, std::move(*described));
            appended = true;
        }
    }
    return appended;
}

} // namespace Vireo::Cam::Pdm
