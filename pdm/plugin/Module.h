#pragma once
// The plug-in's module object. The drag-and-drop extension is not offered yet: the CAM
// module is told so by a null answer, as for every other extension.

#include "platform/cammodule/Module.h"

namespace Vireo::Cam::Pdm {

class Module : public IModule {
public:
    ~Module() override = default;
    Extension::IPropertyExtension* GetPropertyExtension() override { return nullptr; }
    Extension::ITreeViewExtension* GetTreeViewExtension() override { return nullptr; }
    UI::IDragDropExtension* GetDragDropExtension() override { return nullptr; }
    Extension::ISimulationExtension* GetSimulationExtension() override { return nullptr; }
    Extension::IPostprocessorExtension* GetPostprocessorExtension() override { return nullptr; }
    Extension::IReportExtension* GetReportExtension() override { return nullptr; }
    Extension::IImportExtension* GetImportExtension() override { return nullptr; }
};

} // namespace Vireo::Cam::Pdm
