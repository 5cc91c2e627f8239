#include "PluginDragDrop.h"

#include "CommandErrors.h"

#include "platform/cammodule/Module.h"
#include "platform/cammodule/Modules.h"

namespace Campdm {

Vireo::Cam::UI::IDragDropExtension& PluginDragDropExtension()
{
    for (Vireo::Cam::IModule* module : Vireo::Cam::Modules::Instance().All())
        if (Vireo::Cam::UI::IDragDropExtension* extension = module->GetDragDropExtension())
            return *extension;
    throw CommandFailed("the plug-in offers no drag and drop");
}

} // namespace Campdm
