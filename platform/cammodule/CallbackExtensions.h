#pragma once
// The CAM module's list of the command extensions that exist, in the order they were made,
// and what the module does with all of them.

#include <vector>

class CMenu;
class CZKObject;
class CZkw32Doc;

namespace Vireo::Cam::Extension {

class IPluginCallbackExtension;

class CallbackExtensions {
public:
    static CallbackExtensions& Instance();

    void Add(IPluginCallbackExtension* extension);
    void Remove(IPluginCallbackExtension* extension);
    const std::vector<IPluginCallbackExtension*>& All() const noexcept { return extensions_; }

    // Lets every extension add its entries to the context menu of `object`.
    void ModifyObjContextMenu(CZkw32Doc* doc, CZKObject* object, CMenu& menu) const;

private:
    std::vector<IPluginCallbackExtension*> extensions_;
};

} // namespace Vireo::Cam::Extension
