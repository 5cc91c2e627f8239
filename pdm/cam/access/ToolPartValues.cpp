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

CamValuePtr readShankValue(Cam::ToolShankProp& shank, const CamValueQuery& query)
{
    const std::wstring_view name = query.name;
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

bool writeShankValue(Cam::ToolShankProp& shank, const CamValueQuery& query, const Cam::BaseValue& value)
{
    const std::wstring_view name = query.name;
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

// Holder ("HE") or extension ("LE"): `lengthName` is the code of its common length.
CamValuePtr readAdditionalPartValue(const Cam::ToolAdditionalProp& part, std::wstring_view lengthName,
                                    std::wstring_view name)
{
    if (name == nameParameter)
        return MakeOwnedValue<Cam::StringValue>(part.GetName());
    if (name == lengthName)
        return realValue(part.GetCommonLength());
    return nullptr;
}

CamValuePtr readHolderValue(Cam::ToolHolderProp& holder, const CamValueQuery& query)
{
    return readAdditionalPartValue(holder, CamConsts::ToolHolderInfo::CommonLength, query.name);
}

CamValuePtr readExtensionValue(Cam::ToolExtensionProp& extension, const CamValueQuery& query)
{
    return readAdditionalPartValue(extension, CamConsts::ToolExtensionInfo::CommonLength, query.name);
}

template <class Part>
bool writeAdditionalPartValue(Part& part, const CamValueQuery& query, const Cam::BaseValue& value)
{
    return query.name == nameParameter && writeText(value, [&part](std::wstring_view text) { part.SetName(text); });
}

CamValuePtr readToolItemValue(const Cam::ToolAdditionalParams& item, std::wstring_view name)
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

bool writeToolItemValue(Cam::ToolAdditionalParams& item, std::wstring_view name, const Cam::BaseValue& value)
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

// An item is held with the part it belongs to, not as a part of its own.
Cam::ToolAdditionalParams* heldItem(const CamObject& object) noexcept
{
    const auto* item = std::get_if<CamObjectIndex::Item>(&object);
    return item ? item->first.get() : nullptr;
}

bool holdsItem(const CamObject& object) noexcept
{
    return object.index() == CamObjectIndex::Item;
}

CamValuePtr readHeldItem(const CamObject& object, const CamValueQuery& query)
{
    const Cam::ToolAdditionalParams* item = heldItem(object);
    return item ? readToolItemValue(*item, query.name) : nullptr;
}

bool writeHeldItem(const CamObject& object, const CamValueQuery& query, const Cam::BaseValue& value)
{
    Cam::ToolAdditionalParams* item = heldItem(object);
    return item && writeToolItemValue(*item, query.name, value);
}

} // namespace

const CamTypeValues ShankValues = HeldValues<Cam::ToolShankProp, readShankValue, writeShankValue>::Routines;
const CamTypeValues HolderValues =
    HeldValues<Cam::ToolHolderProp, readHolderValue, writeAdditionalPartValue<Cam::ToolHolderProp>>::Routines;
const CamTypeValues ExtensionValues =
    HeldValues<Cam::ToolExtensionProp, readExtensionValue, writeAdditionalPartValue<Cam::ToolExtensionProp>>::Routines;
const CamTypeValues ToolItemValues{&holdsItem, &readHeldItem, &writeHeldItem};

} // namespace Vireo::Cam::Pdm::internal
