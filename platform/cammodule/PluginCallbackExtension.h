#pragma once
// The command extension of a plug-in: it registers the plug-in's commands and adds entries
// to the context menus of host objects. Making one is enough for the CAM module to know it:
// the base class enters every extension in the module's list (CallbackExtensions) and
// takes it out again when the extension is destroyed.

#include <string>
#include <vector>

class CMenu;
class CZKObject;
class CZkw32Doc;

namespace Vireo::Cam::Extension {

class IPluginCallbackExtension {
public:
    IPluginCallbackExtension();
    virtual ~IPluginCallbackExtension();
    IPluginCallbackExtension(const IPluginCallbackExtension&) = delete;
    IPluginCallbackExtension& operator=(const IPluginCallbackExtension&) = delete;

    // Registers the plug-in's commands with the command registry.
    virtual void CreateTools() = 0;
    // May add machining kinds to the list the user creates machinings from; the base adds none.
    virtual void ModifyCreateMachiningsList(CZkw32Doc* doc, std::vector<std::wstring>& machiningTypes);
    // May append entries to the context menu being built for `object`.
    virtual void ModifyObjContextMenu(CZkw32Doc* doc, CZKObject* object, CMenu* menu) = 0;
};

} // namespace Vireo::Cam::Extension
