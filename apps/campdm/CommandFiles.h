#pragma once
// The files one plug-in command works on: the CAM document, read whole first, and a working
// copy of the PDM database. Keep() saves what the command changed, the document's new text
// written beside it before the PDM copy takes the database's place and the document's last;
// without Keep() both files stay exactly as they were.

#include "PdmDatabaseFile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class CZkw32Doc;

namespace Campdm {

struct CommandContext;

struct FileUse {
    bool changesDocument = false;
    bool changesPdm = false;
};

class CommandFiles {
public:
    // `database` empty: the command runs without a PDM connection.
    CommandFiles(const std::filesystem::path& document, const std::string& database, FileUse use,
                 const CommandContext& context);
    ~CommandFiles();
    CommandFiles(const CommandFiles&) = delete;
    CommandFiles& operator=(const CommandFiles&) = delete;

    CZkw32Doc& Document() const { return *document_; }
    bool HasPdm() const noexcept { return pdm_ != nullptr; }
    Vireo::Arbor::Model::ServerConnection& Pdm() const { return pdm_->Connection(); }
    // The server name of the PDM, or the plug-in's usual one without a PDM.
    std::wstring ServerName() const;
    // Saves the document when `documentChanged`, and the PDM when the command may change it.
    void Keep(bool documentChanged);

private:
    std::filesystem::path documentPath_;
    std::unique_ptr<CZkw32Doc> document_;
    std::unique_ptr<PdmWorkingCopy> pdm_;
    FileUse use_;
};

} // namespace Campdm
