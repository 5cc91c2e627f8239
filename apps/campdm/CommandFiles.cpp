#include "CommandFiles.h"

#include "Command.h"
#include "DocumentFile.h"
#include "TemporaryFile.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/host/Zkw32Doc.h"

namespace Campdm {

CommandFiles::CommandFiles(const std::filesystem::path& document, const std::string& database, FileUse use,
                           const CommandContext& context)
    : documentPath_(document), document_(ReadDocumentFile(document)), use_(use)
{
    if (use.changesDocument)
        RequireWritableDocument(document);
    if (!database.empty())
        pdm_ = std::make_unique<PdmWorkingCopy>(database, use.changesPdm, context.dataDirectory);
}

CommandFiles::~CommandFiles() = default;

std::wstring CommandFiles::ServerName() const
{
    return pdm_ ? pdm_->Connection().ServerName() : L"localhost";
}

void CommandFiles::Keep(bool documentChanged)
{
    std::unique_ptr<TemporaryFile> text;
    if (documentChanged)
        text = WriteDocumentBeside(*document_, documentPath_);
    if (pdm_ && use_.changesPdm)
        pdm_->Commit();
    if (text)
        text->ReplaceTarget();
}

} // namespace Campdm
