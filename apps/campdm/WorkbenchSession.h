#pragma once
// What the workbench window works on: a CAM document (with or without a file), a working copy
// of a PDM database, the loaded plug-in, and the history of the document's kept change
// brackets, which the window undoes and redoes by their undo-step names. An undo brings back
// the document as it was before the step; what a step changed in the PDM stays in the PDM.

#include "PdmDatabaseFile.h"
#include "PluginHost.h"

#include "platform/cammodule/DragDropExtension.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CZkw32Doc;
class CZKObject;

namespace Campdm {

struct CommandContext;

class WorkbenchSession {
public:
    // `document` empty: a new, unnamed document. InputError for files that cannot be read.
    WorkbenchSession(const std::optional<std::filesystem::path>& document, const std::string& database,
                     const PluginOptions& plugin, const CommandContext& context);
    ~WorkbenchSession();
    WorkbenchSession(const WorkbenchSession&) = delete;
    WorkbenchSession& operator=(const WorkbenchSession&) = delete;

    CZkw32Doc& Document() const { return *document_; }
    const std::optional<std::filesystem::path>& DocumentPath() const noexcept { return documentPath_; }
    Vireo::Arbor::Model::ServerConnection& Pdm() const { return pdm_->Connection(); }
    const std::string& PdmName() const noexcept { return database_; }
    const PluginHost& Plugin() const noexcept { return plugin_; }

    std::vector<Vireo::Cam::ContextMenuEntry> ContextMenu(CZKObject* object) const;
    // Runs a command by its global id on the document; a kept change becomes an undo step.
    Vireo::Cam::CommandOutcome Run(unsigned globalId);

    // Drag and drop through the plug-in, as the CAM module drives it on this document. Whether
    // the PDM objects a drag text names may be dropped on the target (the plug-in's trial run).
    bool MayDrop(const std::wstring& dragText, const Vireo::Cam::UI::DragObject& target) const;
    // Creates them under the target; true when they were made (one undo step).
    bool Drop(const std::wstring& dragText, const Vireo::Cam::UI::DragObject& target);
    // What dragging the object out hands over: the XML description of the PDM objects it would
    // become; empty when no rule describes it.
    std::wstring DragText(CZKObject* object) const;

    bool CanUndo() const noexcept { return !undo_.empty(); }
    bool CanRedo() const noexcept { return !redo_.empty(); }
    const std::wstring& UndoName() const { return undo_.back().name; }
    const std::wstring& RedoName() const { return redo_.back().name; }
    void Undo();
    void Redo();
    // Changed since it was opened or last saved.
    bool IsModified() const noexcept;

    // Replaces the document; unsaved changes are dropped (the window asks first).
    void NewDocument();
    void OpenDocument(const std::filesystem::path& path);
    // Writes the document (in one step) and puts the PDM copy in place of the database.
    void Save();
    void SaveAs(const std::filesystem::path& path);

private:
    struct Step {
        std::wstring name;
        std::string text; // the document on the other side of the step
    };

    // Makes the brackets a change kept one undo step, back to the document text `before`.
    void recordStep(std::string before, std::vector<std::wstring> kept);
    void replaceDocument(std::unique_ptr<CZkw32Doc> document, std::optional<std::filesystem::path> path);
    void restore(std::vector<Step>& from, std::vector<Step>& to);
    void commitPdm();

    const CommandContext& context_;
    std::string database_;
    std::unique_ptr<PdmWorkingCopy> pdm_;
    PluginHost plugin_;
    std::unique_ptr<CZkw32Doc> document_;
    std::optional<std::filesystem::path> documentPath_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    // The undo depth at which the document equals its file; none when that state is gone.
    std::optional<std::size_t> savedDepth_ = 0;
};

} // namespace Campdm
