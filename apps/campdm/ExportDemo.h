#pragma once
// The CAM-to-PDM half of the demo.

#include <filesystem>
#include <ostream>

namespace Campdm {

class TerminalUiDriver;

// Builds a CAM machining project (groups, machinings, tools with parts, a tool used twice,
// stock, part and fixture), exports it recursively with the plug-in's command under a parent
// object of the technology reference (`ui` answers its dialogs), prints the PDM objects made,
// changes CAM values, updates the linked PDM objects with the plug-in's command and prints
// what changed. Non-zero when a step fails.
int RunExportDemo(std::ostream& out, const std::filesystem::path& dataDirectory, TerminalUiDriver& ui);

} // namespace Campdm
