#include "platform/cammodule/CallbackExtensions.h"

#include "platform/cammodule/PluginCallbackExtension.h"

#include <algorithm>

namespace Vireo::Cam::Extension {

CallbackExtensions& CallbackExtensions::Instance()
{
    static CallbackExtensions extensions;
    return extensions;
}

void CallbackExtensions::Add(IPluginCallbackExtension* extension)
{
    extensions_.push_back(extension);
}

void CallbackExtensions::Remove(IPluginCallbackExtension* extension)
{
    std::erase(extensions_, extension);
}

void CallbackExtensions::ModifyObjContextMenu(CZkw32Doc* doc, CZKObject* object, CMenu& menu) const
{
    // An extension may make or destroy extensions while it works: walk a copy.
    const std::vector<IPluginCallbackExtension*> extensions = extensions_;
    for (IPluginCallbackExtension* extension : extensions)
        extension->ModifyObjContextMenu(doc, object, &menu);
}

} // namespace Vireo::Cam::Extension
