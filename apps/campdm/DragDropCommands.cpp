// campdm drag, drop and pdm drag-text: drag and drop between the CAM tree and the PDM client
// through the loaded plug-in's drag-and-drop extension, as the CAM module drives it.

#include "CamTreeWalk.h"
#include "Command.h"
#include "DropDiagnosis.h"
#include "CommandErrors.h"
#include "CommandFiles.h"
#include "ObjectPath.h"
#include "PdmDatabaseFile.h"
#include "PdmDragText.h"
#include "PdmLookup.h"
#include "PluginDragDrop.h"
#include "PluginHost.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/arbor/Model.h"
#include "platform/cammodule/DragDropExtension.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/xml/Document.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>

namespace Campdm {

using namespace Vireo::Cam::Pdm;
namespace UI = Vireo::Cam::UI;

int PrintDragDescription(const Arguments& args, const CommandContext& context)
{
    const CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {false, false}, context);
    const CamObject object = FindCamObject(files.Document(), args.Word("OBJECT"));
    CZKObject* documentObject = DocumentObjectOf(object);
    if (!documentObject)
        throw CommandFailed(CamObjectLabel(object) + " is a part of a tool and cannot be dragged on its own");
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    UI::DragDropData data;
    data.objects = {UI::DragObject(documentObject)};
    PluginDragDropExtension().DragStart(data);
    if (!data.answered)
        throw CommandFailed("nothing to hand over: no integration rule describes " + CamObjectLabel(object) +
                            " in this PDM");
    context.out << Utf8(data.text);
    return ExitSuccess;
}

namespace {

std::string readPayload(const std::optional<std::string>& file)
{
    if (!file || *file == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream in(*file, std::ios::binary);
    if (!in)
        throw InputError(*file + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

UI::DragObject dropTarget(const Arguments& args, const CZkw32Doc& document)
{
    const auto onto = args.Option("--onto");
    const auto folder = args.Option("--folder");
    if (onto.has_value() == folder.has_value())
        throw UsageError("name the drop target with either --onto OBJECT or --folder FOLDER");
    if (folder) {
        static const std::map<std::string, UI::DragSpecialNode> folders{{"projects", UI::MachiningProjectsNode},
                                                                        {"geometry", UI::SharedGeometrySetsNode},
                                                                        {"setups", UI::MachineSetupsNode},
                                                                        {"tools", UI::ToolsNode}};
        const auto found = folders.find(*folder);
        if (found == folders.end())
            throw UsageError("--folder " + *folder + ": the folders are projects, geometry, setups and tools");
        return UI::DragObject(found->second);
    }
    const CamObject object = FindCamObject(document, *onto);
    if (!DocumentObjectOf(object))
        throw CommandFailed(CamObjectLabel(object) + " is a part of a tool and takes no drop");
    return UI::DragObject(DocumentObjectOf(object));
}

int runDrop(const Arguments& args, const CommandContext& context)
{
    const bool check = args.Flag("--check");
    CommandFiles files(args.Word("DOC"), args.RequiredOption("--pdm"), {!check, false}, context);
    const UI::DragObject target = dropTarget(args, files.Document());
    const std::string payload = readPayload(args.OptionalWord("PAYLOAD"));
    const PluginHost plugin(PluginOptionsFrom(args), files.ServerName());
    files.Document().Activate();
    UI::IDragDropExtension& extension = PluginDragDropExtension();

    UI::DragDropData over;
    over.text = Vireo::Support::Utf8ToWide(payload);
    over.target = target;
    over.effect = -1;
    extension.DragOver(over);
    if (over.effect != 1)
        throw CommandFailed("nothing dropped: " + WhyNothingDropped(payload, files.Pdm(), extension, target));
    if (check) {
        context.out << "The drop would be accepted\n";
        return ExitSuccess;
    }
    const std::size_t stepsBefore = files.Document().GetUndoSteps().size();
    UI::DragDropData drop;
    drop.text = over.text;
    drop.target = target;
    extension.Dropped(drop);
    if (files.Document().GetUndoSteps().size() == stepsBefore)
        throw CommandFailed("nothing dropped: " + WhyNothingDropped(payload, files.Pdm(), extension, target));
    files.Keep(true);
    context.out << "Dropped; saved " << args.Word("DOC") << "\n";
    return ExitSuccess;
}

int runDragText(const Arguments& args, const CommandContext& context)
{
    const PdmWorkingCopy pdm(args.RequiredOption("--pdm"), false, PdmSeedFolder(context.dataDirectory));
    const auto reference = FindPdmReference(pdm.Connection(), args.RequiredOption("--reference"));
    std::vector<std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>> objects;
    for (const char* word : {"OBJ", "OBJ2", "OBJ3", "OBJ4", "OBJ5", "OBJ6", "OBJ7", "OBJ8", "OBJ9"})
        if (const auto text = args.OptionalWord(word))
            objects.push_back(FindPdmObject(*reference, *text));
    context.out << PdmDragText(*reference, objects);
    return ExitSuccess;
}

} // namespace

std::vector<Command> DragDropCommands()
{
    ArgumentRules dragRules{{"DOC", "OBJECT"}, {}, {"--pdm"}, {}};
    AddPluginOptions(dragRules);
    ArgumentRules dropRules{{"DOC"}, {"PAYLOAD"}, {"--pdm", "--onto", "--folder"}, {"--check"}};
    AddPluginOptions(dropRules);
    const ArgumentRules textRules{{"OBJ"}, {"OBJ2", "OBJ3", "OBJ4", "OBJ5", "OBJ6", "OBJ7", "OBJ8", "OBJ9"},
                                  {"--pdm", "--reference"}, {}};
    return {
        {"drag", "DOC OBJECT --pdm DB", "what dragging a CAM object out hands to the PDM client",
         "Prints the XML description of the object and its subtree: for each CAM object the PDM\n"
         "reference, class and values it would become, with its linked objects, table rows and\n"
         "parents. Nothing is written.",
         dragRules, PrintDragDescription},
        {"drop", "DOC (--onto OBJECT | --folder FOLDER) --pdm DB [PAYLOAD | -] [--check]",
         "drop PDM objects dragged from the PDM client into the CAM tree",
         "PAYLOAD is the drag text of the PDM client (campdm pdm drag-text makes one), read from\n"
         "standard input when it is - or missing. The objects are created under OBJECT, or in the\n"
         "folder projects, geometry, setups or tools, all in one step or none of them. --check\n"
         "only tries them, as a drag over the target does, and says whether the drop would be taken.",
         dropRules, runDrop},
        {"pdm drag-text", "--pdm DB --reference REF OBJ [OBJ...]",
         "the drag text the PDM client hands over for PDM objects",
         "Up to nine objects of the reference REF, each by id, GUID or name path, in the order given.",
         textRules, runDragText},
    };
}

} // namespace Campdm
