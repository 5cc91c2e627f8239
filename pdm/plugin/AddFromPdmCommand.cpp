#include "pdm/plugin/AddFromPdmCommand.h"

#include "pdm/plugin/PdmConnection.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/host/ChangeBracket.h"

namespace Vireo::Cam::Pdm {
namespace {

constexpr std::wstring_view undoStepName = L"Created cam objects from pdm";

enum class Attempt { NoBracket, Created, Failed };

// Builds in a bracket of its own: kept when the build succeeds, rolled back otherwise.
template <class Parent>
Attempt createInBracket(CZkw32Doc* doc, const ChosenPdmObject& chosen, Parent parent)
{
    ChangeBracket bracket(doc, undoStepName);
    if (!bracket.IsOpen())
        return Attempt::NoBracket;
    PdmCamCreator creator(chosen.object, chosen.reference, doc, parent);
    creator.SetRecursive(true);
    if (!IntegrationManager().MakeData(creator))
        return Attempt::Failed;
    bracket.Keep();
    return Attempt::Created;
}

// The CAM module's folder for new objects of the current object's kind, when it has one.
UI::DragSpecialNode fallbackNode(const CamObject& current)
{
    if (CamObjectManager::IsCamObject(current, CamConsts::ToolInfo::Type))
        return UI::ToolsNode;
    if (CamObjectManager::IsCamObject(current, CamConsts::MachiningProjectInfo::Type))
        return UI::MachiningProjectsNode;
    return UI::NoSpecialNode;
}

} // namespace

void AddFromPdmCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (!EnsurePdmConnection(doc))
        return;
    const auto chosen = ChoosePdmObject(doc);
    if (!chosen)
        return;
    const CamObject current(_object);
    if (createInBracket(doc, *chosen, current) != Attempt::Failed)
        return;
    // What cannot be made under a tool or a project may still be made in its folder.
    const UI::DragSpecialNode node = fallbackNode(current);
    if (node != UI::NoSpecialNode)
        createInBracket(doc, *chosen, node);
}

} // namespace Vireo::Cam::Pdm
