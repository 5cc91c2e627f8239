// The plug-in library's attachment to the host process: loading the library makes the
// command extension and the module object and registers the module with the CAM module;
// unloading destroys them again. The CAM module finds the command extension by itself.

#include "pdm/plugin/Module.h"
#include "pdm/plugin/PdmPluginCallbackExtension.h"

#include "platform/cammodule/Modules.h"
#include "platform/win/ExtensionModule.h"

namespace {

using namespace Vireo::Cam;

AFX_EXTENSION_MODULE extensionModule;
Pdm::PdmPluginCallbackExtension* callbackExtension = nullptr;
Pdm::Module* module = nullptr;

void processAttach()
{
    if (!AfxInitExtensionModule(extensionModule, nullptr))
        return;
    callbackExtension = new Pdm::PdmPluginCallbackExtension();
    module = new Pdm::Module();
    Modules::Instance().Register(module);
}

void processDetach()
{
    delete callbackExtension;
    callbackExtension = nullptr;
    delete module;
    module = nullptr;
    AfxTermExtensionModule(extensionModule);
}

// Made when the library is loaded and destroyed when it is unloaded.
struct ProcessAttachment {
    ProcessAttachment() { processAttach(); }
    ~ProcessAttachment() { processDetach(); }
    ProcessAttachment(const ProcessAttachment&) = delete;
    ProcessAttachment& operator=(const ProcessAttachment&) = delete;
} attachment;

} // namespace
