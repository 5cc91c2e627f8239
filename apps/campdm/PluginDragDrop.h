#pragma once
// Drag and drop as the CAM module drives it: through the drag-and-drop extension of the
// loaded plug-in's module, on the active document.

#include "platform/cammodule/DragDropExtension.h"

namespace Campdm {

// The extension of the first loaded module that offers one; CommandFailed when none does.
Vireo::Cam::UI::IDragDropExtension& PluginDragDropExtension();

} // namespace Campdm
