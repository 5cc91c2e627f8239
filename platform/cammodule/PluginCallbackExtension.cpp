#include "platform/cammodule/PluginCallbackExtension.h"

#include "platform/cammodule/CallbackExtensions.h"

namespace Vireo::Cam::Extension {

IPluginCallbackExtension::IPluginCallbackExtension()
{
    CallbackExtensions::Instance().Add(this);
}

IPluginCallbackExtension::~IPluginCallbackExtension()
{
    CallbackExtensions::Instance().Remove(this);
}

void IPluginCallbackExtension::ModifyCreateMachiningsList(CZkw32Doc* /*doc*/, std::vector<std::wstring>& /*machiningTypes*/)
{
}

} // namespace Vireo::Cam::Extension
