#pragma once
// The folders of the CAM tree that objects can be dropped on without a parent object.

#include <cstdint>

namespace Vireo::Cam::UI {

enum DragSpecialNode : std::int32_t {
    NoSpecialNode = 0,
    MachiningProjectsNode = 1,
    SharedGeometrySetsNode = 2,
    MachineSetupsNode = 3,
    ToolsNode = 4,
};

} // namespace Vireo::Cam::UI
