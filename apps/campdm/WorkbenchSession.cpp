#include "WorkbenchSession.h"

#include "Command.h"
#include "DocumentFile.h"
#include "TemporaryFile.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/cam/CamDocument.h"
#include "platform/host/Zkw32Doc.h"

namespace Campdm {
namespace {

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
    if (!outcome.keptChanges.empty()) {
        if (savedDepth_ && *savedDepth_ > undo_.size())
            savedDepth_.reset();
        undo_.push_back({stepName(outcome.keptChanges), std::move(before)});
        redo_.clear();
    }
    return outcome;
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
