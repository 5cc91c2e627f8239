#include "ImportDemo.h"

#include "CamTreePrinter.h"
#include "CamTreeWalk.h"
#include "DemoPdm.h"
#include "ObjectPath.h"
#include "PluginHost.h"
#include "SyncListDriver.h"
#include "TerminalUiDriver.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/ValueConversion.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/ui/HostUiDriver.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

// With the plug-in's command, as a user picks it from the host's menu and chooses the project.
CamObject importSampleProject(CZkw32Doc& document, const PluginHost& plugin, TerminalUiDriver& ui)
{
    ui.PresetReference({"--reference", TechnologyReferenceGuid});
    ui.PresetObject({"--object", SampleProjectGuid});
    const auto outcome = plugin.Run(document, nullptr, PluginCommand::AddFromPdm);
    for (const CamObject& top : TopCamObjects(document))
        if (!outcome.keptChanges.empty() && CamObjectManager::IsCamObject(top, L"MachiningProject"))
            return top;
    throw std::runtime_error("the sample machining project could not be imported");
}

// Scales a double parameter of the first object of a (generic) type; says what it did.
void scaleValue(std::ostream& out, const std::vector<CamObject>& objects, std::wstring_view type,
                std::wstring_view parameter, double factor)
{
    for (const CamObject& object : objects) {
        if (!CamObjectManager::IsCamObject(object, type))
            continue;
        CamObjectManager manager(object);
        const CamValuePtr value = manager.GetValue(parameter);
        if (!value || !value->AsDouble())
            continue;
        const Vireo::Cam::DoubleValue changed(value->AsDouble()->GetValue() * factor, value->AsDouble()->GetUnit());
        const std::wstring before = FromCamBaseValue(*value);
        if (!manager.SetValue(parameter, changed))
            throw std::runtime_error("the CAM value " + Utf8(parameter) + " could not be changed");
        out << "  " << CamObjectLabel(object) << ": " << Utf8(parameter) << " " << Utf8(before) << " -> "
            << Utf8(FromCamBaseValue(changed)) << "\n";
        return;
    }
    throw std::runtime_error("the sample has no " + Utf8(type) + " with a value " + Utf8(parameter));
}

// Compares every CAM object with its linked PDM object through the plug-in's synchronisation
// dialog, opened from the host's menu; prints its list as campdm sync --list does and counts
// the objects that differ.
int printDifferences(std::ostream& out, CZkw32Doc& document, const PluginHost& plugin, TerminalUiDriver& ui)
{
    std::ostringstream list;
    SyncListDriver driver(ui, list);
    {
        const Vireo::Ui::ScopedHostUiDriver installed(driver);
        plugin.Run(document, nullptr, PluginCommand::Synchronize);
    }
    if (!driver.Printed())
        throw std::runtime_error("the synchronisation dialog did not open");
    int differences = 0;
    std::istringstream lines(list.str());
    for (std::string line; std::getline(lines, line);) {
        out << "  " << line << "\n";
        differences += line.ends_with(": differs") ? 1 : 0;
    }
    return differences;
}

void updateFromPdm(CZkw32Doc& document, const CamObject& project, const PluginHost& plugin)
{
    const auto outcome = plugin.Run(document, DocumentObjectOf(project), PluginCommand::UpdateFromPdm);
    if (outcome.keptChanges.empty())
        throw std::runtime_error("the project could not be updated from the PDM");
}

} // namespace

int RunImportDemo(std::ostream& out, const std::filesystem::path& dataDirectory, TerminalUiDriver& ui)
{
    out << "== From the PDM into CAM\n\n";
    const auto connection = OpenDemoPdm(":memory:", dataDirectory / "pdm", out);
    const PluginHost plugin({}, connection->ServerName());

    CZkw32Doc document;
    out << "\nImporting the sample machining project into a new CAM document (the plug-in's command)\n";
    const CamObject project = importSampleProject(document, plugin, ui);
    const std::vector<CamObject> objects = CollectCamTree(project);
    out << "  " << objects.size() << " CAM objects created, each linked to its PDM object:\n\n";
    PrintCamTree(out, project);

    out << "\nChanging CAM values\n";
    scaleValue(out, objects, L"Tool", L"D", 1.25);
    scaleValue(out, objects, L"Machining", L"Feed", 1.5);
    scaleValue(out, objects, L"Machining", L"SpindleSpeed", 0.8);

    out << "\nComparing every CAM object with its PDM object (the plug-in's synchronisation dialog)\n";
    if (printDifferences(out, document, plugin, ui) == 0)
        throw std::runtime_error("the changed CAM values were not found by the comparison");

    out << "\nUpdating the CAM objects from the PDM (the plug-in's command on the project)\n";
    updateFromPdm(document, project, plugin);
    out << "\nComparing again\n";
    if (printDifferences(out, document, plugin, ui) != 0)
        throw std::runtime_error("differences remain after the update from the PDM");

    Vireo::Arbor::Model::ServerGateway::Close();
    return 0;
}

} // namespace Campdm
