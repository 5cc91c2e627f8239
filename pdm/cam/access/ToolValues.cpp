// Values of tools: the type selector, the kind number, and the host parameters of the tool
// logic, with the shoulder lengths that only exist while the tool's shoulder is on.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/Tool.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

const std::pair<UniqueIdentifier, bool>* shoulderSwitch(std::wstring_view appType, std::wstring_view name)
{
    const auto found = ToolShoulders.find(CamTypeParameter(appType, name));
    return found == ToolShoulders.end() ? nullptr : &found->second;
}

// True when the tool has the switch and it is not at the value the parameter needs.
bool isSwitchedOff(const Cam::Tool& tool, const std::pair<UniqueIdentifier, bool>& shoulder)
{
    const Cam::BaseValue* value = tool.GetParameters().GetValue(shoulder.first);
    const Cam::BoolValue* on = value ? value->AsBool() : nullptr;
    return on && on->GetValue() != shoulder.second;
}

CamValuePtr readToolValue(Cam::Tool& tool, const CamValueQuery& query)
{
    const auto& [appType, name, id] = query;
    if (name == CamConsts::ToolInfo::ToolType)
        return MakeOwnedValue<Cam::StringValue>(appType);
    if (name == CamConsts::ToolInfo::ToolKind) {
        const Cam::IToolLogic* logic = tool.GetLogic();
        return logic ? MakeOwnedValue<Cam::IntValue>(logic->GetDescription().kindNumber) : nullptr;
    }
    if (const auto* shoulder = shoulderSwitch(appType, name); shoulder && isSwitchedOff(tool, *shoulder))
        return MakeOwnedValue<Cam::DoubleValue>(0.0, zktypes::ZKUnits::Millimeter);
    return BorrowValue(tool.GetParameters().GetValue(id));
}

bool writeToolValue(Cam::Tool& tool, const CamValueQuery& query, const Cam::BaseValue& value)
{
    const auto& [appType, name, id] = query;
    Cam::Parameters& parameters = tool.GetParameters();
    if (!parameters.TrySetValue(id, value))
        return false;
    const Cam::DoubleValue* length = value.AsDouble();
    if (const auto* shoulder = shoulderSwitch(appType, name); shoulder && length)
        parameters.TrySetValue(shoulder->first, Cam::BoolValue(shoulder->second && length->GetValue() > 0));
    return true;
}

} // namespace

const CamTypeValues ToolValues = HeldValues<Cam::Tool, readToolValue, writeToolValue>::Routines;

} // namespace Vireo::Cam::Pdm::internal
