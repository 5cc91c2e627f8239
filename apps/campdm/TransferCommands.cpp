// campdm import, export, update-from-pdm and update-to-pdm: the plug-in's transfer commands,
// picked from the context menu of a CAM object and run through the command registry.

#include "CamTreePrinter.h"
#include "CamTreeWalk.h"
#include "Command.h"
#include "CommandErrors.h"
#include "CommandFiles.h"
#include "LinkedPdmObject.h"
#include "ObjectPath.h"
#include "PdmLookup.h"
#include "PdmObjectPrinter.h"
#include "PluginChoices.h"
#include "PluginHost.h"
#include "TerminalUiDriver.h"
#include "TransferProgress.h"
#include "TransferReport.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/host/Zkw32Doc.h"

#include <set>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

// The document object behind a CAM object: only those have a context menu.
CZKObject* menuObject(const CamObject& object)
{
    CZKObject* documentObject = DocumentObjectOf(object);
    if (!documentObject)
        throw CommandFailed(CamObjectLabel(object) + " is a part of a tool and has no context menu of its own; "
                                                     "name the tool instead");
    return documentObject;
}

// Exporting an object again under the parent it was exported under would make a second copy of
// every PDM object: the first one is brought up to date with update-to-pdm instead.
void refuseSecondExport(const CamObject& object, const PdmChoices& chosen, Vireo::Arbor::Model::ServerConnection& pdm)
{
    const auto linked = FindLinkedPdmObject(object, pdm);
    if (!linked || !chosen.object)
        return;
    for (const auto& parent : linked->GetParents())
        if (parent->Guid() == chosen.object->Guid())
            throw CommandFailed(CamObjectLabel(object) + " was exported under \"" + PdmObjectName(*chosen.object) +
                                "\" before (PDM object " + std::to_string(linked->Id()) +
                                "); campdm update-to-pdm brings it up to date");
}

std::size_t countCamObjects(const CZkw32Doc& document)
{
    std::set<CamObjectId> seen;
    for (const CamObject& top : TopCamObjects(document))
        for (const CamObject& object : CollectCamTree(top))
            seen.insert(CamObjectManager::GetId(object));
    return seen.size();
}

// Runs a plug-in command with its progress shown on the report while it runs.
template <class Run>
Vireo::Cam::CommandOutcome withProgress(CommandFiles& files, std::optional<std::size_t> total, TransferReport& report,
                                        Run run)
{
    const TransferProgress progress(files.Document(), files.Pdm(), total, report);
    return run();
}

void requireQuiet(const TerminalUiDriver& ui, const std::string& what)
{
    RequireNoDialogProblem(ui);
    if (ui.MessageCount() > 0)
        throw CommandFailed(what + " failed (see the message above); nothing was saved");
}

int runImport(const Arguments& args, const CommandContext& context)
{
    CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {true, false}, context);
    const PdmChoices chosen = PresetPdmChoices(args, "--object", files.Pdm(), context.ui);
    CZKObject* parent = nullptr;
    if (const auto parentText = args.Option("--parent"))
        parent = menuObject(FindCamObject(files.Document(), *parentText));
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    const std::size_t before = countCamObjects(files.Document());
    TransferReport report(context.err, "imported", "CAM objects");
    const auto total = chosen.object ? std::optional(CountPdmSubtree(*chosen.reference, chosen.object)) : std::nullopt;

    const auto outcome = withProgress(files, total, report, [&] {
        return plugin.Run(files.Document(), parent, PluginCommand::AddFromPdm);
    });
    RequireNoDialogProblem(context.ui);
    if (outcome.keptChanges.empty())
        throw CommandFailed("nothing was imported; the document was left as it was");
    files.Keep(true);
    const std::size_t made = countCamObjects(files.Document()) - before;
    report.Done(made);
    context.out << "Imported " << made << " CAM objects into " << args.Word("DOC") << "\n";
    return ExitSuccess;
}

int runExport(const Arguments& args, const CommandContext& context)
{
    if (args.Flag("--dry-run"))
        return PrintDragDescription(args, context);
    const bool link = !args.Flag("--no-link");
    CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {link, true}, context);
    const PdmChoices chosen = PresetPdmChoices(args, "--parent", files.Pdm(), context.ui);
    const CamObject object = FindCamObject(files.Document(), args.Word("OBJECT"));
    refuseSecondExport(object, chosen, files.Pdm());
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    const auto& reference = chosen.reference;
    const std::size_t before = reference ? CountPdmObjects(*reference) : 0;
    TransferReport report(context.err, "exported", "PDM objects");

    const auto outcome = withProgress(files, CollectCamTree(object).size(), report, [&] {
        return plugin.Run(files.Document(), menuObject(object), PluginCommand::AddToPdm);
    });
    requireQuiet(context.ui, "the export");
    const std::size_t made = reference ? CountPdmObjects(*reference) - before : 0;
    if (reference && made == 0)
        throw CommandFailed("the export made no PDM object; nothing was saved");
    if (link && outcome.keptChanges.empty())
        throw CommandFailed("the export linked no CAM object to its PDM object; nothing was saved");
    files.Keep(!outcome.keptChanges.empty());
    report.Done(made);
    context.out << "Exported " << CamObjectLabel(object) << ": " << made << " new PDM objects"
                << (link ? ", the CAM objects linked to theirs" : "") << "\n";
    return ExitSuccess;
}

int runUpdateFromPdm(const Arguments& args, const CommandContext& context)
{
    CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {true, false}, context);
    const CamObject object = FindCamObject(files.Document(), args.Word("OBJECT"));
    RequireLinkedObjectInPdm(object, files.Pdm());
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    TransferReport report(context.err, "updated", "CAM objects");

    const auto outcome = withProgress(files, CollectCamTree(object).size(), report, [&] {
        return plugin.Run(files.Document(), menuObject(object), PluginCommand::UpdateFromPdm);
    });
    if (outcome.keptChanges.empty())
        throw CommandFailed("the update from the PDM failed; the document was left as it was");
    files.Keep(true);
    report.Done(CollectCamTree(object).size());
    context.out << "Updated " << CamObjectLabel(object) << " and its children from the PDM\n";
    return ExitSuccess;
}

int runUpdateToPdm(const Arguments& args, const CommandContext& context)
{
    CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {false, true}, context);
    const CamObject object = FindCamObject(files.Document(), args.Word("OBJECT"));
    RequireLinkedObjectInPdm(object, files.Pdm());
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    const auto reference = FindLinkedPdmObject(object, files.Pdm())->Reference();
    const std::size_t before = CountPdmObjects(*reference);
    TransferReport report(context.err, "updated", "PDM objects");

    withProgress(files, CollectCamTree(object).size(), report, [&] {
        return plugin.Run(files.Document(), menuObject(object), PluginCommand::UpdateToPdm);
    });
    requireQuiet(context.ui, "the update of the PDM");
    files.Keep(false);
    report.Done(CollectCamTree(object).size());
    context.out << "Updated the PDM objects of " << CamObjectLabel(object) << " and its children ("
                << CountPdmObjects(*reference) - before << " new)\n";
    return ExitSuccess;
}

ArgumentRules pluginRules(std::vector<std::string> words, std::set<std::string> options,
                          std::set<std::string> flags = {})
{
    ArgumentRules rules{std::move(words), {}, std::move(options), std::move(flags)};
    AddPluginOptions(rules);
    return rules;
}

const char* const pluginHelp =
    "OBJECT is a path of names from the top of the document or an identity (campdm tree shows\n"
    "both). REF is a PDM reference name or GUID; OBJ a PDM object id, GUID or path of names\n"
    "from the top of its reference. A choice left out is asked for with a numbered list when\n"
    "standard input is a terminal. DB is a PDM database file (campdm pdm init), or :memory:\n"
    "for one seeded from the shipped data. --plugin FILE loads the plug-in from FILE (default:\n"
    "next to campdm); --settings FILE gives it a settings file.";

} // namespace

std::vector<Command> TransferCommands()
{
    return {
        {"import", "DOC [--parent OBJECT] --pdm DB --reference REF --object OBJ",
         "create CAM objects from a PDM object and its children",
         std::string("Under OBJECT when given (a tool goes to the tools folder, a project to the projects\n"
                     "folder when it cannot go there), else at the top of the document.\n\n") + pluginHelp,
         pluginRules({"DOC"}, {"--parent", "--pdm", "--reference", "--object"}), runImport},
        {"export", "DOC OBJECT --pdm DB --reference REF --parent OBJ [--no-link | --dry-run]",
         "export a CAM object and its children as new PDM objects under a PDM object",
         std::string("Each exported CAM object is linked to the PDM object made for it, so that a second\n"
                     "export updates them rather than making copies; --no-link leaves the document as it\n"
                     "was. --dry-run writes nothing and prints what the export would create: the XML\n"
                     "description of the PDM objects the CAM objects would become (as campdm drag).\n\n") +
             pluginHelp,
         pluginRules({"DOC", "OBJECT"}, {"--pdm", "--reference", "--parent"}, {"--no-link", "--dry-run"}), runExport},
        {"update-from-pdm", "DOC OBJECT --pdm DB", "write the linked PDM objects' values into a CAM object and its children",
         pluginHelp, pluginRules({"DOC", "OBJECT"}, {"--pdm"}), runUpdateFromPdm},
        {"update-to-pdm", "DOC OBJECT --pdm DB", "write a CAM object and its children into their linked PDM objects",
         pluginHelp, pluginRules({"DOC", "OBJECT"}, {"--pdm"}), runUpdateToPdm},
    };
}

} // namespace Campdm
