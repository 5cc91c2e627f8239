// Values of tool parts: shank geometry, holder and extension names and lengths, and the
// geometry of additional-parameter items. Lengths keep their own unit both ways.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/ToolParts.h"

#include <functional>

namespace Vireo::Cam::Pdm::internal {

namespace {

constexpr std::wstring_view nameParameter = CamConsts::AnyObjectInfo::Name;

CamValuePtr realValue(const zkaux::RealParameter& parameter)
{
    return MakeOwnedValue<Cam::DoubleValue>(Cam::DoubleValue::FromRealParameter(parameter));
}

// Hands the value's text to `set` when it has a string view.
bool writeText(const Cam::BaseValue& value, const std::function<void(std::wstring_view)>& set)
{
    const Cam::StringValue* text = value.AsString();
    if (text)
        set(text->GetValue());
    return text != nullptr;
}

// Hands the value's number and unit to `set` when it has a double view.
bool writeReal(const Cam::BaseValue& value, const std::function<void(const zkaux::RealParameter&)>& set)
{
    const Cam::DoubleValue* number = value.AsDouble();
    if (number)
        set(number->ToRealParameter());
    return number != nullptr;
}

} // namespace

CamValuePtr ReadShankValue(const Cam::ToolShankProp& shank, std::wstring_view name)
{
    using Info = CamConsts::ToolShankInfo;
    if (name == nameParameter)
        return MakeOwnedValue<Cam::StringValue>(shank.GetName());
    if (name == Info::ConeType)
        return MakeOwnedValue<Cam::IntValue>(shank.GetConeParamType());
    if (name == Info::ConeAngle)
        return realValue(shank.GetConeAngle());
    if (name == Info::ConeLength)
        return realValue(shank.GetConeLength());
    if (name == Info::Diameter)
        return realValue(shank.GetDiameter());
    if (name == Info::Length)
        return realValue(shank.GetLength());
    if (name == Info::CommonLength)
        return realValue(shank.GetCommonLength());
    return nullptr;
}

bool WriteShankValue(Cam::ToolShankProp& shank, std::wstring_view name, const Cam::BaseValue& value)
{
    using Info = CamConsts::ToolShankInfo;
    using Real = zkaux::RealParameter;
    if (name == nameParameter)
        return writeText(value, [&shank](std::wstring_view text) { shank.SetName(text); });
    if (name == Info::ConeType) {
        const Cam::IntValue* type = value.AsInt();
        if (type)
            shank.SetConeParamType(type->GetValue());
        return type != nullptr;
    }
    if (name == Info::ConeAngle)
        return writeReal(value, [&shank](const Real& real) { shank.SetConeAngle(real); });
    if (name == Info::ConeLength)
        return writeReal(value, [&shank](const Real& real) { shank.SetConeLength(real); });
    if (name == Info::Diameter)
        return writeReal(value, [&shank](const Real& real) { shank.SetDiameter(real); });
    if (name == Info::Length)
        return writeReal(value, [&shank](const Real& real) { shank.SetLength(real); });
    if (name == Info::CommonLength)
        return writeReal(value, [&shank](const Real& real) { shank.SetCommonLength(real); });
    return false;
}

CamValuePtr ReadAdditionalPartValue(const Cam::ToolAdditionalProp& part, std::wstring_view lengthName,
                                    std::wstring_view name)
{
    if (name == nameParameter)
        return MakeOwnedValue<Cam::StringValue>(part.GetName());
    if (name == lengthName)
        return realValue(part.GetCommonLength());
    return nullptr;
}

bool WriteAdditionalPartValue(Cam::ToolAdditionalProp& part, std::wstring_view name, const Cam::BaseValue& value)
{
    return name == nameParameter && writeText(value, [&part](std::wstring_view text) { part.SetName(text); });
}

CamValuePtr ReadToolItemValue(const Cam::ToolAdditionalParams& item, std::wstring_view name)
{
    using Info = CamConsts::ToolItemInfo;
    if (name == nameParameter)
        return MakeOwnedValue<Cam::StringValue>(item.GetName());
    if (name == Info::BottomDiameter)
        return realValue(item.GetBottomDiameter());
    if (name == Info::TopDiameter)
        return realValue(item.GetTopDiameter());
    if (name == Info::Length)
        return realValue(item.GetLength());
    if (name == Info::RoundingRadius)
        return realValue(item.GetRoundingRadius());
    return nullptr;
}

bool WriteToolItemValue(Cam::ToolAdditionalParams& item, std::wstring_view name, const Cam::BaseValue& value)
{
    using Info = CamConsts::ToolItemInfo;
    using Real = zkaux::RealParameter;
    if (name == nameParameter)
        return writeText(value, [&item](std::wstring_view text) { item.SetName(text); });
    if (name == Info::BottomDiameter)
        return writeReal(value, [&item](const Real& real) { item.SetBottomDiameter(real); });
    if (name == Info::TopDiameter)
        return writeReal(value, [&item](const Real& real) { item.SetTopDiameter(real); });
    if (name == Info::Length)
        return writeReal(value, [&item](const Real& real) { item.SetLength(real); });
    if (name == Info::RoundingRadius)
        return writeReal(value, [&item](const Real& real) { item.SetRoundingRadius(real); });
    return false;
}

} // namespace Vireo::Cam::Pdm::internal
