#pragma once
// CAM document files as the host program reads and writes them. A file is read whole before
// anything runs and is written only by replacing it in one step (a temporary file in the
// same folder, renamed over it), so a command that fails or is stopped leaves the old file.

#include <filesystem>
#include <memory>

class CZkw32Doc;

namespace Campdm {

// Reads a CAM document; InputError naming the file, and the line for a malformed one.
std::unique_ptr<CZkw32Doc> ReadDocumentFile(const std::filesystem::path& path);

// Refuses a document file that must not be written (read-only, or in a folder where no
// file can be made) with CommandFailed, before a command changes anything.
void RequireWritableDocument(const std::filesystem::path& path);

class TemporaryFile;

// The document's text in a temporary file beside `path`, ready to take its place.
std::unique_ptr<TemporaryFile> WriteDocumentBeside(const CZkw32Doc& document, const std::filesystem::path& path);

// Replaces the file with the document's text in one step; its permissions stay.
void SaveDocumentFile(const CZkw32Doc& document, const std::filesystem::path& path);

// Writes the document as a new file; CommandFailed when one of that name exists.
void CreateDocumentFile(const CZkw32Doc& document, const std::filesystem::path& path);

} // namespace Campdm
