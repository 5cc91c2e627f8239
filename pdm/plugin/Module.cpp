#include "pdm/plugin/Module.h"

#include "pdm/plugin/PdmDragDropExtension.h"

namespace Vireo::Cam::Pdm {

Module::Module() = default;

Module::~Module() = default;

UI::IDragDropExtension* Module::GetDragDropExtension()
{
    if (!dragDropExtension)
        dragDropExtension = std::make_unique<PdmDragDropExtension>();
    return dragDropExtension.get();
}

} // namespace Vireo::Cam::Pdm
