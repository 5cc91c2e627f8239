#pragma once
// One sub-command of the host program: its name, what it takes, its help, and its body.

#include "Arguments.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace Campdm {

class TerminalUiDriver;

struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    // The shipped data (its pdm/ folder seeds new PDM databases).
    std::filesystem::path dataDirectory;
    // The host's user interface while the command runs.
    TerminalUiDriver& ui;
};

struct Command {
    std::string name;     // "set", "pdm init"
    std::string synopsis; // what follows the name in a usage line
    std::string summary;  // one line for the command list
    std::string help;     // what --help adds below the usage line
    ArgumentRules rules;
    // Exit code 0 or 1; throws the errors of CommandErrors.h.
    std::function<int(const Arguments&, const CommandContext&)> run;
};

// Every command, in the order the command list shows them.
const std::vector<Command>& AllCommands();

// The commands of each file.
std::vector<Command> DocumentCommands(); // new, tree
std::vector<Command> ValueCommands();    // get, set
std::vector<Command> PdmFileCommands();  // pdm init, pdm check
std::vector<Command> LinkCommands();     // link, make-link
std::vector<Command> DemoCommands();     // demo
std::vector<Command> TransferCommands(); // import, export, update-from-pdm, update-to-pdm
std::vector<Command> MenuCommands();     // menu, open-link
std::vector<Command> SyncCommands();     // sync
std::vector<Command> DragDropCommands(); // drag, drop, pdm drag-text
std::vector<Command> RuleCommands();     // rules

// What dragging DOC's OBJECT out of the tree hands to the PDM client, on standard output
// (campdm drag, and the preview of campdm export --dry-run).
int PrintDragDescription(const Arguments& args, const CommandContext& context);

} // namespace Campdm
