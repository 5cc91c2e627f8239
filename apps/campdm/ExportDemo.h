#pragma once
// The CAM-to-PDM half of the demo.

#include <filesystem>
#include <ostream>

namespace Campdm {

// Builds a CAM machining project (groups, machinings, tools with parts, a tool used twice,
// stock, part and fixture), exports it recursively under a parent object of the technology
// reference, prints the PDM objects made, changes CAM values, updates the linked PDM objects
// and prints what changed. Non-zero when a step fails.
int RunExportDemo(std::ostream& out, const std::filesystem::path& dataDirectory);

} // namespace Campdm
