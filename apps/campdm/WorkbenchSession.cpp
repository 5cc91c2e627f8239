#include "WorkbenchSession.h"

#include "Command.h"
#include "DocumentFile.h"
#include "PluginDragDrop.h"
#include "TemporaryFile.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/cam/CamDocument.h"
#include "platform/host/Zkw32Doc.h"

namespace Campdm {
namespace {

namespace UI = Vireo::Cam::UI;

std::wstring stepName(const std::vector<std::wstring>& kept)
{
    std::wstring name;
    for (const std::wstring& step : kept)
        name += (name.empty() ? L"" : L", ") + step;
    return name;
}

} // namespace

WorkbenchSession::WorkbenchSession(const std::optional<std::filesystem::path>& document, const std::string& database,
                                   const PluginOptions& plugin, const CommandContext& context)
    : context_(context), database_(database),
      pdm_(std::make_unique<PdmWorkingCopy>(database_, true, context.dataDirectory)),
      plugin_(plugin, pdm_->Connection().ServerName()),
      document_(document ? ReadDocumentFile(*document) : std::make_unique<CZkw32Doc>()), documentPath_(document)
{
}

WorkbenchSession::~WorkbenchSession() = default;

std::vector<Vireo::Cam::ContextMenuEntry> WorkbenchSession::ContextMenu(CZKObject* object) const
{
    return plugin_.ContextMenu(*document_, object);
}

Vireo::Cam::CommandOutcome WorkbenchSession::Run(unsigned globalId)
{
    std::string before = document_->SaveToText();
    auto outcome = plugin_.RunGlobal(*document_, globalId);
    recordStep(std::move(before), outcome.keptChanges);
    return outcome;
}

void WorkbenchSession::recordStep(std::string before, std::vector<std::wstring> kept)
{
    if (kept.empty())
        return;
    if (savedDepth_ && *savedDepth_ > undo_.size())
        savedDepth_.reset();
    undo_.push_back({stepName(kept), std::move(before)});
    redo_.clear();
}

bool WorkbenchSession::MayDrop(const std::wstring& dragText, const UI::DragObject& target) const
{
    document_->Activate();
    UI::DragDropData over;
    over.text = dragText;
    over.target = target;
    PluginDragDropExtension().DragOver(over);
    return over.answered && over.effect == 1;
}

bool WorkbenchSession::Drop(const std::wstring& dragText, const UI::DragObject& target)
{
    document_->Activate();
    std::string before = document_->SaveToText();
    const auto& steps = document_->GetUndoSteps();
    const std::size_t stepsBefore = steps.size();
    UI::DragDropData drop;
    drop.text = dragText;
    drop.target = target;
    PluginDragDropExtension().Dropped(drop);
    std::vector<std::wstring> kept(steps.begin() + static_cast<std::ptrdiff_t>(std::min(stepsBefore, steps.size())),
                                   steps.end());
    const bool dropped = !kept.empty();
    recordStep(std::move(before), std::move(kept));
    return dropped;
}

std::wstring WorkbenchSession::DragText(CZKObject* object) const
{
    document_->Activate();
    UI::DragDropData data;
    data.objects = {UI::DragObject(object)};
    PluginDragDropExtension().DragStart(data);
    return data.answered ? data.text : std::wstring();
}

void WorkbenchSession::restore(std::vector<Step>& from, std::vector<Step>& to)
{
    Step step = std::move(from.back());
    from.pop_back();
    auto restored = Vireo::Cam::ReadCamDocument(step.text);
    step.text = document_->SaveToText();
    to.push_back(std::move(step));
    document_ = std::move(restored);
}

void WorkbenchSession::Undo()
{
    restore(undo_, redo_);
}

void WorkbenchSession::Redo()
{
    restore(redo_, undo_);
}

bool WorkbenchSession::IsModified() const noexcept
{
    return savedDepth_ != undo_.size();
}

void WorkbenchSession::replaceDocument(std::unique_ptr<CZkw32Doc> document, std::optional<std::filesystem::path> path)
{
    CZkw32Doc::DeactivateAll();
    document_ = std::move(document);
    documentPath_ = std::move(path);
    undo_.clear();
    redo_.clear();
    savedDepth_ = 0;
}

void WorkbenchSession::NewDocument()
{
    replaceDocument(std::make_unique<CZkw32Doc>(), std::nullopt);
}

void WorkbenchSession::OpenDocument(const std::filesystem::path& path)
{
    replaceDocument(ReadDocumentFile(path), path);
}

void WorkbenchSession::commitPdm()
{
    pdm_->Commit();
    // The committed copy is the database now; later changes go to a fresh copy of it.
    pdm_.reset();
    pdm_ = std::make_unique<PdmWorkingCopy>(database_, true, context_.dataDirectory);
}

void WorkbenchSession::Save()
{
    if (!documentPath_)
        throw std::logic_error("a new document is saved with SaveAs");
    RequireWritableDocument(*documentPath_);
    const auto text = WriteDocumentBeside(*document_, *documentPath_);
    if (database_ != ":memory:")
        commitPdm();
    text->ReplaceTarget();
    savedDepth_ = undo_.size();
}

void WorkbenchSession::SaveAs(const std::filesystem::path& path)
{
    if (!std::filesystem::exists(path))
        CreateDocumentFile(*document_, path);
    documentPath_ = path;
    Save();
}

} // namespace Campdm
