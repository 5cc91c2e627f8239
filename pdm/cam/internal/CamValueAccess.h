#pragma once
// The value routines of every host class a CAM type stands for, one value file each; the
// catalogue entries carry them (PdmCamType::values).

#include "pdm/cam/CamObjectManager.h"

#include <memory>
#include <string_view>
#include <type_traits>
#include <variant>

namespace Vireo::Cam {
class ModelObject;
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

// The routines of a class from functions over the held object of class T. A handle that
// does not hold a T reads nothing and writes nothing.
template <class T, CamValuePtr (*Read)(T&, const CamValueQuery&),
          bool (*Write)(T&, const CamValueQuery&, const Cam::BaseValue&)>
struct HeldValues {
    static bool Holds(const CamObject& object) noexcept
    {
        if constexpr (std::is_base_of_v<CZKObject, T>)
            return DocumentObjectAs<T>(object) != nullptr;
        else
            return std::holds_alternative<std::shared_ptr<T>>(object);
    }
    static T* Held(const CamObject& object) noexcept
    {
        if constexpr (std::is_base_of_v<CZKObject, T>)
            return DocumentObjectAs<T>(object);
        else {
            const auto* part = std::get_if<std::shared_ptr<T>>(&object);
            return part ? part->get() : nullptr;
        }
    }
    static CamValuePtr ReadHeld(const CamObject& object, const CamValueQuery& query)
    {
        T* held = Held(object);
        return held ? Read(*held, query) : nullptr;
    }
    static bool WriteHeld(const CamObject& object, const CamValueQuery& query, const Cam::BaseValue& value)
    {
        T* held = Held(object);
        return held && Write(*held, query, value);
    }
    static constexpr CamTypeValues Routines{&Holds, &ReadHeld, &WriteHeld};
};

// "Description" of the classes that have one (every document class but the tool).
CamValuePtr ReadDescription(const Cam::ModelObject& object);
bool WriteDescription(Cam::ModelObject& object, const Cam::BaseValue& value);

extern const CamTypeValues ToolValues;
extern const CamTypeValues MachiningProjectValues;
extern const CamTypeValues MachiningGroupValues;
extern const CamTypeValues MachiningValues;
extern const CamTypeValues StockValues;
extern const CamTypeValues PartValues;
extern const CamTypeValues FixtureValues;
extern const CamTypeValues SharedGeometrySetValues;
extern const CamTypeValues ShankValues;
extern const CamTypeValues HolderValues;
extern const CamTypeValues ExtensionValues;
extern const CamTypeValues ToolItemValues;

} // namespace Vireo::Cam::Pdm::internal
