#pragma once
// The handle of a CAM object: a document object (not owned) or a part of a tool (shared).
// Code tests the alternative index, so the order of the alternatives is fixed.

#include "platform/cam/ToolAdditionalParams.h"
#include "platform/cam/ToolParts.h"
#include "platform/host/ZKObject.h"

#include <memory>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <variant>

namespace Vireo::Cam::Pdm {

// The holder (index 0) or extension (index 1) that an additional-parameter item belongs to.
using ToolItemOwner = std::variant<std::shared_ptr<Cam::ToolHolderProp>, std::shared_ptr<Cam::ToolExtensionProp>>;

// An additional-parameter item with the part that holds it.
using ToolItem = std::pair<std::shared_ptr<Cam::ToolAdditionalParams>, ToolItemOwner>;

// 0: document object (null pointer: the null handle), 1: shank, 2: holder, 3: extension,
// 4: additional-parameter item.
using CamObject = std::variant<CZKObject*, std::shared_ptr<Cam::ToolShankProp>, std::shared_ptr<Cam::ToolHolderProp>,
                               std::shared_ptr<Cam::ToolExtensionProp>, ToolItem>;

namespace CamObjectIndex {
inline constexpr std::size_t Document = 0;
inline constexpr std::size_t Shank = 1;
inline constexpr std::size_t Holder = 2;
inline constexpr std::size_t Extension = 3;
inline constexpr std::size_t Item = 4;
} // namespace CamObjectIndex

// The document object of a handle, or null for the null handle and for tool parts.
inline CZKObject* DocumentObjectOf(const CamObject& object) noexcept
{
    const auto* held = std::get_if<CZKObject*>(&object);
    return held ? *held : nullptr;
}

// `object` as the host class T, or null. The classes of CAM objects are final, so for them
// the object's own class answers what a dynamic_cast would, at a fraction of its cost:
// recognising an object asks after several classes, for every object of a transfer.
template <class T, class Object>
T* ObjectAs(Object* object) noexcept
{
    if constexpr (std::is_final_v<std::remove_cv_t<T>>)
        return object && typeid(*object) == typeid(T) ? static_cast<T*>(object) : nullptr;
    else
        return dynamic_cast<T*>(object);
}

// The document object of a handle as a host class, or null.
template <class T>
T* DocumentObjectAs(const CamObject& object) noexcept
{
    return ObjectAs<T>(DocumentObjectOf(object));
}

} // namespace Vireo::Cam::Pdm
