#pragma once
// Opening and reading CAM documents: the document file with the CAM object classes.

#include "platform/host/Zkw32Doc.h"

#include <filesystem>
#include <memory>
#include <string_view>

namespace Vireo::Cam {

// An empty object of a CAM or host class named by a document file's class word, or null.
std::unique_ptr<CZKObject> MakeDocumentObject(std::wstring_view classTag, CZkw32Doc& doc);

// Read a document with CAM objects; throw Vireo::Host::DocumentFormatError naming what is
// wrong (the file itself when it cannot be read).
std::unique_ptr<CZkw32Doc> ReadCamDocument(std::string_view text);
std::unique_ptr<CZkw32Doc> OpenCamDocument(const std::filesystem::path& path);

} // namespace Vireo::Cam
