#include "ExportDemo.h"

#include "CamTreeWalk.h"
#include "DemoCamProject.h"
#include "DemoPdm.h"
#include "LinkedPdmObject.h"
#include "PdmObjectPrinter.h"
#include "PluginHost.h"
#include "TerminalUiDriver.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ReferenceObjectCollection.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/cam/Values.h"
#include "platform/host/Zkw32Doc.h"

#include <set>
#include <sstream>
#include <stdexcept>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;
namespace Model = Vireo::Arbor::Model;
using PdmObject = std::shared_ptr<Model::ReferenceObject>;

std::string printed(Model::ReferenceObject& object)
{
    std::ostringstream text;
    PrintPdmObject(text, object, "  ");
    return text.str();
}

// The PDM objects below `root` (and it), each once, parents before children.
std::vector<PdmObject> collectPdmTree(Model::Reference& reference, const PdmObject& root)
{
    std::vector<PdmObject> objects{root};
    std::set<System::Guid> seen{root->Guid()};
    for (std::size_t at = 0; at < objects.size(); ++at) {
        const auto children = reference.CreateLoader(nullptr, objects[at], nullptr);
        children->Load();
        for (const PdmObject& child : *children)
            if (seen.insert(child->Guid()).second)
                objects.push_back(child);
    }
    return objects;
}

// Exports the project and its subtree with the plug-in's command, under the projects folder
// chosen in its dialogs; with links on, every CAM object is linked to the PDM object made for
// it. Gives every PDM object made.
std::vector<PdmObject> exportProject(CZkw32Doc& document, const CamObject& project, const PluginHost& plugin,
                                     TerminalUiDriver& ui, Model::Reference& reference)
{
    ui.PresetReference({"--reference", TechnologyReferenceGuid});
    ui.PresetObject({"--parent", ProjectsFolderGuid});
    plugin.Run(document, DocumentObjectOf(project), PluginCommand::AddToPdm);
    const PdmObject root = FindLinkedPdmObject(project, *reference.Connection());
    if (!root)
        throw std::runtime_error("the CAM project could not be exported");
    return collectPdmTree(reference, root);
}

// Every CAM object of the project with the PDM object the export linked it to.
std::vector<std::pair<CamObject, PdmObject>> linkedPairs(const CamObject& project, Model::ServerConnection& pdm)
{
    std::vector<std::pair<CamObject, PdmObject>> linked;
    for (const CamObject& object : CollectCamTree(project))
        if (PdmObject pdmObject = FindLinkedPdmObject(object, pdm))
            linked.emplace_back(object, std::move(pdmObject));
    return linked;
}

void changeCamValues(std::ostream& out, const DemoCamProject& built)
{
    const auto scale = [&](const CamObject& object, std::wstring_view parameter, double factor) {
        CamObjectManager manager(object);
        const CamValuePtr value = manager.GetValue(parameter);
        if (!value || !value->AsDouble())
            throw std::runtime_error("the demo project has no value " + Utf8(parameter));
        const double changed = value->AsDouble()->GetValue() * factor;
        manager.SetValue(parameter, Vireo::Cam::DoubleValue(changed, value->AsDouble()->GetUnit()));
        out << "  \"" << CamObjectName(object) << "\": " << Utf8(parameter) << " -> " << changed << "\n";
    };
    scale(built.sharedTool, L"D", 1.25);
    scale(built.roughing, L"Feed", 1.5);
}

void updatePdm(CZkw32Doc& document, const CamObject& project, const PluginHost& plugin, const TerminalUiDriver& ui)
{
    const int messagesBefore = ui.MessageCount();
    plugin.Run(document, DocumentObjectOf(project), PluginCommand::UpdateToPdm);
    if (ui.MessageCount() != messagesBefore)
        throw std::runtime_error("the PDM objects could not be updated");
}

// The lines of `after` that are not in `before`, and the other way round.
void printChange(std::ostream& out, const std::string& before, const std::string& after)
{
    std::istringstream oldLines(before), newLines(after);
    std::string oldLine, newLine;
    bool first = true;
    while (std::getline(oldLines, oldLine) && std::getline(newLines, newLine)) {
        if (first) {
            out << newLine << "\n";
            first = false;
        } else if (oldLine != newLine) {
            out << "  was: " << oldLine.substr(2) << "\n  now: " << newLine.substr(2) << "\n";
        }
    }
}

} // namespace

int RunExportDemo(std::ostream& out, const std::filesystem::path& dataDirectory, TerminalUiDriver& ui)
{
    out << "== From CAM into the PDM\n\n";
    const auto connection = OpenDemoPdm(":memory:", dataDirectory / "pdm", out);
    const auto technology =
        connection->ReferenceCatalog()->Find(System::Guid::Parse(TechnologyReferenceGuid))->CreateReference();
    const PdmObject folder = technology->Find(System::Guid::Parse(ProjectsFolderGuid));
    if (!folder)
        throw std::runtime_error("the technology reference has no projects folder");

    const PluginHost plugin({}, connection->ServerName());
    CZkw32Doc document;
    const DemoCamProject built = BuildDemoCamProject(document);
    out << "\nBuilt a CAM machining project of " << CollectCamTree(built.project).size() << " objects\n";

    out << "\nExporting it under \"" << PdmObjectName(*folder) << "\" (the plug-in's command)\n";
    const std::vector<PdmObject> made = exportProject(document, built.project, plugin, ui, *technology);
    out << "  " << made.size() << " PDM objects made:\n";
    for (const PdmObject& object : made)
        PrintPdmObject(out, *object, "  ");

    const auto linked = linkedPairs(built.project, *connection);
    out << "  " << linked.size() << " CAM objects linked to them by the export\n";

    std::vector<std::string> before;
    for (const auto& pair : linked)
        before.push_back(printed(*pair.second));
    out << "\nChanging CAM values\n";
    changeCamValues(out, built);

    out << "\nUpdating the linked PDM objects (the plug-in's command on the project)\n";
    updatePdm(document, built.project, plugin, ui);
    int changed = 0;
    for (std::size_t i = 0; i < linked.size(); ++i) {
        const auto reloaded = technology->Find(linked[i].second->Guid());
        const std::string after = printed(*reloaded);
        if (after == before[i])
            continue;
        ++changed;
        printChange(out, before[i], after);
    }
    out << "  " << changed << " PDM objects changed\n";
    if (changed == 0)
        throw std::runtime_error("the update changed no PDM object");

    Model::ServerGateway::Close();
    return 0;
}

} // namespace Campdm
