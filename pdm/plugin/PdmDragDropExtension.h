#pragma once
// Drag and drop between the CAM tree and the PDM client: a CAM object dragged out carries
// its XML description; PDM objects dragged in are tried while the mouse moves and created
// on drop, all of them or none.

#include "platform/cammodule/DragDropExtension.h"

namespace Vireo::Cam::Pdm {

class PdmDragDropExtension : public UI::IDragDropExtension {
public:
    ~PdmDragDropExtension() override;
    // Describes the first dragged CAM object; the data stays as it was when that fails.
    void DragStart(UI::DragDropData& data) override;
    // Effect 1 when a trial build of every dragged object succeeds, 0 at the first that fails.
    void DragOver(UI::DragDropData& data) override;
    // Creates every dragged object in one change bracket, rolled back when one fails.
    void Dropped(UI::DragDropData& data) override;
};

} // namespace Vireo::Cam::Pdm
