#pragma once
// The answers the command line gives the plug-in's PDM choosing dialogs: --reference REF and
// the object option of the command (--object or --parent), found in the PDM before the command
// runs, so that a name that fits nothing is refused with nothing done.

#include "Arguments.h"

#include "platform/arbor/ModelFwd.h"

#include <string>

namespace Campdm {

class TerminalUiDriver;

// The reference and object the command line chose; null where the user is asked instead.
struct PdmChoices {
    std::shared_ptr<Vireo::Arbor::Model::Reference> reference;
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> object;
};

// Presets the driver's dialogs from the options. UsageError when an option is missing and
// standard input is no terminal to ask on; CommandFailed when the PDM has no such reference or
// object.
PdmChoices PresetPdmChoices(const Arguments& args, const std::string& objectOption,
                            Vireo::Arbor::Model::ServerConnection& pdm, TerminalUiDriver& ui);

// UsageError or CommandFailed with the driver's problem, if a dialog met one.
void RequireNoDialogProblem(const TerminalUiDriver& ui);

} // namespace Campdm
