#pragma once
// The PDM-to-CAM half of the demo.

#include <filesystem>
#include <ostream>

namespace Campdm {

class TerminalUiDriver;

// Imports the shipped sample machining project into a new CAM document with the plug-in's
// command (`ui` answers its dialogs), prints the CAM tree, changes a few CAM values, compares
// every object with its PDM object, updates the objects back from the PDM with the plug-in's
// command and checks that no difference remains. Non-zero when a step fails.
int RunImportDemo(std::ostream& out, const std::filesystem::path& dataDirectory, TerminalUiDriver& ui);

} // namespace Campdm
