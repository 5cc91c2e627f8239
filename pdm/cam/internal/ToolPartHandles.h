#pragma once
// Making and reading the shared handles of tool parts (shank, holder, extension) and of the
// additional-parameter items of holders and extensions.

#include "pdm/cam/CamObject.h"

#include <memory>
#include <optional>

namespace Vireo::Cam::Pdm::internal {

// A new part object bound to a tool; the handle owns the part only.
template <class Part>
std::shared_ptr<Part> BindToolPart(Cam::Tool& tool)
{
    return std::make_shared<Part>(tool);
}

// A new part object bound to a new tool of no document. The last handle deletes the part
// and then the tool.
template <class Part>
std::shared_ptr<Part> MakeFreeStandingToolPart()
{
    auto tool = std::make_unique<Cam::Tool>(nullptr);
    auto part = std::make_unique<Part>(*tool);
    tool.release();
    // From here the deleter owns both, also when the handle cannot be made.
    return std::shared_ptr<Part>(part.release(), [](Part* bound) {
        Cam::Tool* owner = bound->GetOwner();
        delete bound;
        delete owner;
    });
}

// The holder or extension of an item handle, or null when its pointer is empty.
Cam::ToolAdditionalProp* ItemOwnerPart(const ToolItemOwner& owner) noexcept;

// The holder or extension held by a handle (alternative 2 or 3) as an item owner; an empty
// optional for every other handle, an owner with an empty pointer for an empty part.
std::optional<ToolItemOwner> AsItemOwner(const CamObject& object);

// Where a tool part lives: the owning tool, which part (CamObjectIndex Shank, Holder or
// Extension) and, for an additional-parameter item, its 0-based position in the part's list.
struct ToolPartPlace {
    Cam::Tool* tool = nullptr;
    std::size_t part = CamObjectIndex::Document;
    std::optional<int> itemPosition;
};

// The place of a shank, holder, extension or item; nothing for document objects, for parts
// with an empty pointer or no owner, and for items not found in their part's list.
std::optional<ToolPartPlace> LocateToolPart(const CamObject& object);

// The 0-based position of an item in its part's list, or -1 when it is not there.
int ItemPosition(const Cam::ToolAdditionalProp& part, const Cam::ToolAdditionalParams* item) noexcept;

} // namespace Vireo::Cam::Pdm::internal
