#pragma once
// Drag and drop between the CAM module's object tree and other programs: the module's
// record of one drag, and the extension a plug-in offers to take part in it.

#include "platform/cammodule/DragSpecialNode.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class CZKObject;

namespace Vireo::Cam::UI {

// A place in the CAM tree: a model object, a folder, or neither.
class DragObject {
public:
    DragObject() = default;
    explicit DragObject(CZKObject* object) : target_(object) {}
    explicit DragObject(DragSpecialNode node) : target_(node) {}

    // The model object, or null when the place holds something else.
    CZKObject* AsModelObject() const noexcept
    {
        const auto* object = std::get_if<CZKObject*>(&target_);
        return object ? *object : nullptr;
    }
    // The folder, or 0 when the place holds something else.
    DragSpecialNode AsSpecialNode() const noexcept
    {
        const auto* node = std::get_if<DragSpecialNode>(&target_);
        return node ? *node : NoSpecialNode;
    }

private:
    std::variant<std::monostate, CZKObject*, DragSpecialNode> target_;
};

// One drag as the CAM module hands it to its extensions.
struct DragDropData {
    std::vector<DragObject> objects; // dragged from the CAM tree
    std::wstring text;               // dragged text (from another program, or made for one)
    DragObject target;               // where the drag is over, or was dropped
    std::int32_t effect = 0;         // 1: the drop is possible
    bool answered = false;           // an extension has handled the event
};

class IDragDropExtension {
public:
    virtual ~IDragDropExtension() = default;
    virtual void DragStart(DragDropData& data) = 0;
    virtual void DragOver(DragDropData& data) = 0;
    virtual void Dropped(DragDropData& data) = 0;
};

} // namespace Vireo::Cam::UI
