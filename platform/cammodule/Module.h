#pragma once
// The module object of a plug-in: the CAM module asks it for the extensions the plug-in
// offers. An operation answers null for an extension the plug-in does not offer. A module
// that is destroyed leaves the CAM module's list (Modules) by itself.

namespace Vireo::Cam {

namespace UI {
class IDragDropExtension;
}
namespace Extension {
class IPropertyExtension;
class ITreeViewExtension;
class ISimulationExtension;
class IPostprocessorExtension;
class IReportExtension;
class IImportExtension;
} // namespace Extension

class IModule {
public:
    IModule() = default;
    virtual ~IModule();
    IModule(const IModule&) = delete;
    IModule& operator=(const IModule&) = delete;

    virtual Extension::IPropertyExtension* GetPropertyExtension() = 0;
    virtual Extension::ITreeViewExtension* GetTreeViewExtension() = 0;
    virtual UI::IDragDropExtension* GetDragDropExtension() = 0;
    virtual Extension::ISimulationExtension* GetSimulationExtension() = 0;
    virtual Extension::IPostprocessorExtension* GetPostprocessorExtension() = 0;
    virtual Extension::IReportExtension* GetReportExtension() = 0;
    virtual Extension::IImportExtension* GetImportExtension() = 0;
};

} // namespace Vireo::Cam
