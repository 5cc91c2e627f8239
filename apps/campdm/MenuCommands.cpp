// campdm menu and open-link: the plug-in's context menu of a CAM object, and opening the PDM
// object a CAM object is linked to.

#include "CamTreeWalk.h"
#include "Command.h"
#include "CommandErrors.h"
#include "CommandFiles.h"
#include "LinkedPdmObject.h"
#include "ObjectPath.h"
#include "PluginHost.h"
#include "TerminalUiDriver.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/arbor/ServerGateway.h"
#include "platform/host/Zkw32Doc.h"

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;
namespace Model = Vireo::Arbor::Model;

int runMenu(const Arguments& args, const CommandContext& context)
{
    const CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {false, false}, context);
    const CamObject object = FindCamObject(files.Document(), args.Word("OBJECT"));
    CZKObject* documentObject = DocumentObjectOf(object);
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    const auto entries = documentObject ? plugin.ContextMenu(files.Document(), documentObject)
                                        : std::vector<Vireo::Cam::ContextMenuEntry>{};
    context.out << "Context menu of " << CamObjectLabel(object) << ":\n";
    if (entries.empty())
        context.out << "  (no PDM entries)\n";
    for (const auto& entry : entries)
        context.out << "  " << Utf8(entry.text) << (entry.enabled ? "" : "  (disabled)") << "\n";
    return ExitSuccess;
}

// Without a PDM file the menu is built against an empty PDM of the plug-in's server, and the
// command then runs with no connection at all, as opening a link needs none.
int runOpenLink(const Arguments& args, const CommandContext& context)
{
    const auto database = args.Option("--pdm");
    const CommandFiles files(args.Word("DOC"), database.value_or(""), {false, false}, context);
    const CamObject object = FindCamObject(files.Document(), args.Word("OBJECT"));
    RequirePdmLink(object);
    if (!database)
        Model::ServerGateway::Open(":memory:");
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    CZKObject* documentObject = DocumentObjectOf(object);
    if (!documentObject)
        throw CommandFailed(CamObjectLabel(object) + " is a part of a tool and has no context menu of its own");
    // The menu is what points the command at the object.
    plugin.ContextMenu(files.Document(), documentObject);
    if (!database)
        Model::ServerGateway::Close();
    plugin.Run(files.Document(), nullptr, PluginCommand::OpenLink);
    if (context.ui.Problem())
        throw CommandFailed(*context.ui.Problem());
    return ExitSuccess;
}

} // namespace

std::vector<Command> MenuCommands()
{
    ArgumentRules menuRules{{"DOC", "OBJECT"}, {}, {"--pdm"}, {}};
    AddPluginOptions(menuRules);
    ArgumentRules openRules = menuRules;
    return {
        {"menu", "DOC OBJECT --pdm DB", "list the PDM entries of a CAM object's context menu",
         "Each entry as the host shows it, marked when it is disabled. The plug-in offers its\n"
         "entries for projects, groups, machinings, tools, stocks, parts and fixtures, when the\n"
         "PDM is the server it works with.",
         menuRules, runMenu},
        {"open-link", "DOC OBJECT [--pdm DB]", "open the PDM object a CAM object is linked to",
         "Runs the program named by $CAMPDM_OPEN_LINK with the link as its one argument, or prints\n"
         "the link. Needs no PDM.",
         openRules, runOpenLink},
    };
}

} // namespace Campdm
