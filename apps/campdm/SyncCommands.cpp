// campdm sync: the synchronisation dialog of the plug-in on a CAM document and a PDM, in a
// window, as a picture, or as a list of text.

#include "Command.h"
#include "CommandErrors.h"
#include "CommandFiles.h"
#include "PluginChoices.h"
#include "PluginHost.h"
#include "SyncListDriver.h"
#include "SyncWindow.h"
#include "TerminalUiDriver.h"

#include "platform/ui/HostUiDriver.h"

namespace Campdm {
namespace {

int printList(const PluginHost& plugin, CommandFiles& files, const CommandContext& context)
{
    SyncListDriver driver(context.ui, context.out);
    const Vireo::Ui::ScopedHostUiDriver installed(driver);
    plugin.Run(files.Document(), nullptr, PluginCommand::Synchronize);
    RequireNoDialogProblem(context.ui);
    if (!driver.Printed())
        throw CommandFailed("the synchronisation dialog did not open (is the PDM reachable?)");
    return ExitSuccess;
}

int runSync(const Arguments& args, const CommandContext& context)
{
    const bool list = args.Flag("--list");
    const std::optional<std::string> screenshot = args.Option("--screenshot");
    if (list && screenshot)
        throw UsageError("--list and --screenshot cannot be combined");
    if (!list && !screenshot && !HasDisplay())
        throw CommandFailed("there is no display to show the dialog on; campdm sync " + args.Word("DOC") +
                            " --pdm DB --list prints its list instead");
    CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {true, false}, context);
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    if (list)
        return printList(plugin, files, context);

    const auto outcome = RunSyncWindow(plugin, files.Document(), screenshot, context);
    RequireNoDialogProblem(context.ui);
    if (screenshot)
        context.out << "Wrote the dialog's picture to " << *screenshot << "\n";
    if (outcome.keptChanges.empty()) {
        context.out << "Closed without changes; " << args.Word("DOC") << " was left as it was\n";
        return ExitSuccess;
    }
    files.Keep(true);
    context.out << "Applied the chosen PDM values and links; saved " << args.Word("DOC") << "\n";
    return ExitSuccess;
}

} // namespace

std::vector<Command> SyncCommands()
{
    ArgumentRules rules{{"DOC"}, {}, {"--pdm", "--screenshot"}, {"--list"}};
    AddPluginOptions(rules);
    return {
        {"sync", "DOC --pdm DB [--list | --screenshot FILE.png]",
         "compare every CAM object with its PDM object and put links and values right",
         "Opens the synchronisation dialog in a window; the document is saved when its changes were\n"
         "applied (OK) and the window is closed. --list prints the dialog's list instead: folders,\n"
         "objects with their status (in sync, no link, differs) and, under each differing object,\n"
         "the parameters that differ with their CAM and PDM values. --screenshot FILE.png draws the\n"
         "window (off screen when there is no display), writes it to FILE.png and closes it. DB is a\n"
         "PDM database file (campdm pdm init), or :memory: for one seeded from the shipped data.",
         rules, runSync},
    };
}

} // namespace Campdm
