#pragma once
// The embedded PDM of the demo: an SQLite database seeded from the shipped files.

#include "platform/arbor/ModelFwd.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

namespace Campdm {

// The technology reference of the shipped data and its sample machining project.
extern const wchar_t* const TechnologyReferenceGuid;
extern const wchar_t* const SampleProjectGuid;
// The folder object under which the demo files the projects it exports.
extern const wchar_t* const ProjectsFolderGuid;

// Seeds the connection's database with the shipped seed files of `seedFolder`, in the order
// their references depend on one another, saying what it does on `out`.
void SeedShippedPdm(Vireo::Arbor::Model::ServerConnection& connection, const std::filesystem::path& seedFolder,
                    std::ostream& out);

// Opens `database` (a file, or ":memory:") as the current PDM connection and seeds it with
// the shipped files of `dataDirectory` (data/pdm), saying what it does on `out`.
std::shared_ptr<Vireo::Arbor::Model::ServerConnection> OpenDemoPdm(const std::string& database,
                                                                  const std::filesystem::path& dataDirectory,
                                                                  std::ostream& out);

} // namespace Campdm
