#pragma once
// Reading and writing the values of one class of CAM object by parameter name. The
// dispatcher (CamObjectValues.cpp) picks the class; `id` is the host parameter of the name
// for the object's catalogue type, empty when there is none.

#include "pdm/cam/CamObjectManager.h"

#include <memory>
#include <string_view>

namespace Vireo::Cam {
class Fixture;
class Machining;
class MachiningGroup;
class MachiningProject;
class Part;
class SharedGeometrySet;
class Stock;
class Tool;
} // namespace Vireo::Cam

namespace Vireo::Cam::Pdm::internal {

// A value the adapter made: the caller owns it.
template <class V, class... Args>
CamValuePtr MakeOwnedValue(Args&&... args)
{
    return CamValuePtr(new V(std::forward<Args>(args)...), CamValueDeleter{true});
}

// A value of the host object: borrowed. Null stays null.
inline CamValuePtr BorrowValue(Cam::BaseValue* value) noexcept
{
    return CamValuePtr(value, CamValueDeleter{false});
}

CamValuePtr ReadToolValue(Cam::Tool& tool, std::wstring_view appType, std::wstring_view name,
                          const UniqueIdentifier& id);
bool WriteToolValue(Cam::Tool& tool, std::wstring_view appType, std::wstring_view name, const UniqueIdentifier& id,
                    const Cam::BaseValue& value);

CamValuePtr ReadMachiningProjectValue(const Cam::MachiningProject& project, std::wstring_view name);
CamValuePtr ReadMachiningGroupValue(Cam::MachiningGroup& group, std::wstring_view name);
CamValuePtr ReadMachiningValue(Cam::Machining& machining, std::wstring_view appType, std::wstring_view name,
                               const UniqueIdentifier& id);
// "OrderNo" of a machining or group, through its place in the machining tree.
bool WriteMachiningOrder(CZKObject& object, const Cam::BaseValue& value);
bool WriteMachiningParameter(Cam::Machining& machining, const UniqueIdentifier& id, const Cam::BaseValue& value);

CamValuePtr ReadStockValue(Cam::Stock& stock, std::wstring_view appType, std::wstring_view name);
bool WriteStockValue(Cam::Stock& stock, std::wstring_view name, const Cam::BaseValue& value);

CamValuePtr ReadPartValue(const Cam::Part& part, std::wstring_view name);
bool WritePartValue(Cam::Part& part, std::wstring_view name, const Cam::BaseValue& value);
CamValuePtr ReadFixtureValue(const Cam::Fixture& fixture, std::wstring_view name);
CamValuePtr ReadSharedGeometrySetValue(const Cam::SharedGeometrySet& set, std::wstring_view name);

CamValuePtr ReadShankValue(const Cam::ToolShankProp& shank, std::wstring_view name);
bool WriteShankValue(Cam::ToolShankProp& shank, std::wstring_view name, const Cam::BaseValue& value);
// Holder ("HE") or extension ("LE"): `lengthName` is the code of its common length.
CamValuePtr ReadAdditionalPartValue(const Cam::ToolAdditionalProp& part, std::wstring_view lengthName,
                                    std::wstring_view name);
bool WriteAdditionalPartValue(Cam::ToolAdditionalProp& part, std::wstring_view name, const Cam::BaseValue& value);
CamValuePtr ReadToolItemValue(const Cam::ToolAdditionalParams& item, std::wstring_view name);
bool WriteToolItemValue(Cam::ToolAdditionalParams& item, std::wstring_view name, const Cam::BaseValue& value);

} // namespace Vireo::Cam::Pdm::internal
