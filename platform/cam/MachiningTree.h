#pragma once
// The machining tree: the place of a machining or group among its siblings.

#include "platform/host/ZKObject.h"

namespace Vireo::Cam {

class MachiningTree {
public:
    // A machining or group as an item of the tree.
    class Item {
    public:
        explicit Item(CZKObject* object) : object_(object) {}
        // The 1-based position in the parent's list of the same kind; 0 when not in a tree.
        int GetOrder() const;
        // Moves the object to a 1-based position (clamped); false when not in a tree.
        bool SetOrder(int order);

    private:
        CZKObject* object_;
    };
};

} // namespace Vireo::Cam
