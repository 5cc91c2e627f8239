#pragma once
// The plug-in's command extension: registers the six commands and offers five of them in
// the context menu of the CAM objects that can be exchanged with the PDM.

#include "platform/cammodule/PluginCallbackExtension.h"

namespace Vireo::Cam::Pdm {

class PdmPluginCallbackExtension : public Extension::IPluginCallbackExtension {
public:
    ~PdmPluginCallbackExtension() override = default;
    void CreateTools() override;
    void ModifyObjContextMenu(CZkw32Doc* doc, CZKObject* object, CMenu* menu) override;
};

} // namespace Vireo::Cam::Pdm
