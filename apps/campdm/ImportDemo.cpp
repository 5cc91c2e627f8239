#include "ImportDemo.h"

#include "CamTreePrinter.h"
#include "CamTreeWalk.h"
#include "DemoPdm.h"
#include "ObjectPath.h"
#include "PluginHost.h"
#include "TerminalUiDriver.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/links/ObjectId.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/host/Zkw32Doc.h"

#include <stdexcept>

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

// Compares every linked object with its PDM object; prints and counts the differences.
int printDifferences(std::ostream& out, const std::vector<CamObject>& objects)
{
    int differences = 0;
    for (const CamObject& object : objects) {
        const auto id = GetObjectIdFromUri(CamObjectManager::GetUri(object));
        if (!id)
            throw std::runtime_error(CamObjectLabel(object) + " carries no link");
        const auto& [referenceId, objectId] = *id;
        PdmCamComparator comparator(objectId, referenceId, object);
        if (!IntegrationManager().MakeData(comparator))
            throw std::runtime_error(CamObjectLabel(object) + " could not be compared with its PDM object");
        for (const auto& parameter : comparator.GetParameters()) {
            if (IsEqualCamBaseValue(parameter.camValue.get(), parameter.pdmValue.get()))
                continue;
            ++differences;
            out << "  " << CamObjectLabel(object) << ": " << Utf8(parameter.appParam) << " CAM "
                << (parameter.camValue ? Utf8(FromCamBaseValue(*parameter.camValue)) : "(none)") << ", PDM "
                << (parameter.pdmValue ? Utf8(FromCamBaseValue(*parameter.pdmValue)) : "(none)") << "\n";
        }
    }
    if (differences == 0)
        out << "  no differences\n";
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

    out << "\nComparing every CAM object with its PDM object\n";
    if (printDifferences(out, objects) == 0)
        throw std::runtime_error("the changed CAM values were not found by the comparison");

    out << "\nUpdating the CAM objects from the PDM (the plug-in's command on the project)\n";
    updateFromPdm(document, project, plugin);
    out << "\nComparing again\n";
    if (printDifferences(out, CollectCamTree(project)) != 0)
        throw std::runtime_error("differences remain after the update from the PDM");

    Vireo::Arbor::Model::ServerGateway::Close();
    return 0;
}

} // namespace Campdm
