#include "DocumentFile.h"

#include "CommandErrors.h"
#include "TemporaryFile.h"

#include "platform/cam/CamDocument.h"
#include "platform/host/DocumentText.h"
#include "platform/host/Zkw32Doc.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace Campdm {
namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path)
{
    return "\"" + path.string() + "\"";
}

std::string readWholeFile(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        throw InputError("the document " + quoted(path) + " does not exist");
    if (fs::is_directory(status))
        throw InputError("the document " + quoted(path) + " is a folder, not a document file");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError("the document " + quoted(path) + " cannot be read: " + std::strerror(errno));
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad())
        throw InputError("the document " + quoted(path) + " cannot be read");
    return text.str();
}

bool hasWriteBit(fs::perms permissions)
{
    return (permissions & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) !=
           fs::perms::none;
}

} // namespace

std::unique_ptr<CZkw32Doc> ReadDocumentFile(const fs::path& path)
{
    const std::string text = readWholeFile(path);
    if (text.empty())
        throw InputError(path.string() + ": line 1: the file is empty, not a CAM document");
    try {
        return Vireo::Cam::ReadCamDocument(text);
    } catch (const Vireo::Host::DocumentFormatError& error) {
        throw InputError(path.string() + ": " + error.what());
    } catch (const std::range_error&) {
        throw InputError(path.string() + ": the file is not UTF-8 text");
    }
}

void RequireWritableDocument(const fs::path& path)
{
    // The write bits count even for a user the system lets write anyway: a file marked
    // read-only was marked so on purpose.
    if (!hasWriteBit(fs::status(path).permissions()) || ::access(path.c_str(), W_OK) != 0)
        throw CommandFailed("the document " + quoted(path) + " is read-only; nothing was changed");
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (::access(folder.c_str(), W_OK) != 0)
        throw CommandFailed("the folder of the document " + quoted(path) +
                            " is read-only, so the document cannot be replaced; nothing was changed");
}

std::unique_ptr<TemporaryFile> WriteDocumentBeside(const CZkw32Doc& document, const fs::path& path)
{
    auto file = std::make_unique<TemporaryFile>(path);
    file->Write(document.SaveToText());
    return file;
}

void SaveDocumentFile(const CZkw32Doc& document, const fs::path& path)
{
    WriteDocumentBeside(document, path)->ReplaceTarget();
}

void CreateDocumentFile(const CZkw32Doc& document, const fs::path& path)
{
    TemporaryFile file(path);
    file.Write(document.SaveToText());
    if (!file.CreateTarget())
        throw CommandFailed("the file " + quoted(path) + " exists; campdm new does not overwrite it");
}

} // namespace Campdm
