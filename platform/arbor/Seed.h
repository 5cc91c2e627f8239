#pragma once
// Filling a PDM database from a seed file, and writing one out (schema and objects, XML). The format is
// described at the top of Seed.cpp and in data/pdm/README.md.

#include "platform/arbor/ModelFwd.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace Vireo::Arbor::Model {

// Adds the seed's references, classes, units and objects to the connection's database in
// one transaction and reloads the schema. A malformed seed throws ModelException naming
// the file (or `sourceName`), the element and what is wrong, and leaves the database as
// it was.
void SeedFromFile(ServerConnection& connection, const std::filesystem::path& file);
void SeedFromText(ServerConnection& connection, std::string_view xmlText, std::string_view sourceName);

// Writes the whole database in the seed format: seeding the text into an empty database
// gives the same references, classes, objects, values, rows, links and parents.
std::string ExportToText(ServerConnection& connection);
void ExportToFile(ServerConnection& connection, const std::filesystem::path& file);

} // namespace Vireo::Arbor::Model
