#pragma once
// The answers the command line gives the plug-in's PDM choosing dialogs: --reference REF and
// the object option of the command (--object or --parent), found in the PDM before the command
// runs, so that a name that fits nothing is refused with nothing done.

#include "Arguments.h"

#include "platform/arbor/ModelFwd.h"

#include <string>

namespace Campdm {

class TerminalUiDriver;

// Presets the driver's dialogs from the options. UsageError when an option is missing and
// standard input is no terminal to ask on; CommandFailed when the PDM has no such reference or
// object. Returns the reference chosen on the command line, or null.
std::shared_ptr<Vireo::Arbor::Model::Reference> PresetPdmChoices(const Arguments& args, const std::string& objectOption,
                                                                Vireo::Arbor::Model::ServerConnection& pdm,
                                                                TerminalUiDriver& ui);

// UsageError or CommandFailed with the driver's problem, if a dialog met one.
void RequireNoDialogProblem(const TerminalUiDriver& ui);

} // namespace Campdm
