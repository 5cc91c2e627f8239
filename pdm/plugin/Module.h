#pragma once
// The plug-in's module object. It offers the drag-and-drop extension, made on the first
// request and kept until the module goes; every other extension is answered with null.

#include "platform/cammodule/Module.h"

#include <memory>

namespace Vireo::Cam::Pdm {

class PdmDragDropExtension;

class Module : public IModule {
public:
    Module();
    ~Module() override;
    Extension::IPropertyExtension* GetPropertyExtension() override { return nullptr; }
    Extension::ITreeViewExtension* GetTreeViewExtension() override { return nullptr; }
    UI::IDragDropExtension* GetDragDropExtension() override;
    Extension::ISimulationExtension* GetSimulationExtension() override { return nullptr; }
    Extension::IPostprocessorExtension* GetPostprocessorExtension() override { return nullptr; }
    Extension::IReportExtension* GetReportExtension() override { return nullptr; }
    Extension::IImportExtension* GetImportExtension() override { return nullptr; }

private:
    std::unique_ptr<PdmDragDropExtension> dragDropExtension;
};

} // namespace Vireo::Cam::Pdm
