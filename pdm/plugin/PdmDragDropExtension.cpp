#include "pdm/plugin/PdmDragDropExtension.h"

#include "pdm/plugin/DraggedPdmObjects.h"

#include "pdm/convert/CamPdmXmlCreator.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/links/Guid.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/host/ChangeBracket.h"
#include "platform/pdmproxy/ZKPDMWorkMix.h"

namespace Vireo::Cam::Pdm {
namespace {

constexpr std::wstring_view undoStepName = L"Created cam objects from pdm";

void refuse(UI::DragDropData& data)
{
    data.answered = false;
    data.effect = 0;
}

// The builder of one dragged object: under the target's object, or in the target's folder.
PdmCamCreator creatorFor(const std::pair<GUID, GUID>& dragged, CZkw32Doc* doc, const UI::DragObject& target)
{
    const System::Guid reference = ToNetGuid(dragged.first);
    const System::Guid object = ToNetGuid(dragged.second);
    if (CZKObject* parent = target.AsModelObject())
        return PdmCamCreator(object, reference, doc, CamObject{parent});
    return PdmCamCreator(object, reference, doc, target.AsSpecialNode());
}

} // namespace

PdmDragDropExtension::~PdmDragDropExtension() = default;

void PdmDragDropExtension::DragStart(UI::DragDropData& data)
{
    if (data.objects.empty())
        return;
    CZKObject* object = data.objects.front().AsModelObject();
    if (!object || !ZKPDMWorkMix::Instance().Connected())
        return;
    CamPdmXmlCreator creator(CamObject{object});
    creator.SetRecursive(true);
    if (!IntegrationManager().MakeData(creator))
        return;
    data.text = creator.GetXmlValue();
    data.answered = true;
}

void PdmDragDropExtension::DragOver(UI::DragDropData& data)
{
    CZkw32Doc* doc = ZKGetActiveDoc();
    if (!doc || doc->IsChanging() || data.text.empty())
        return refuse(data);
    if (!ZKPDMWorkMix::Instance().Connected())
        return;
    for (const auto& dragged : GetObjectUuid(data.text)) {
        PdmCamCreator creator = creatorFor(dragged, doc, data.target);
        creator.SetCreationTry(true);
        const bool possible = IntegrationManager().MakeData(creator);
        data.answered = true;
        data.effect = possible ? 1 : 0;
        if (!possible)
            return;
    }
}

void PdmDragDropExtension::Dropped(UI::DragDropData& data)
{
    CZkw32Doc* doc = ZKGetActiveDoc();
    if (!doc || data.text.empty())
        return refuse(data);
    if (!ZKPDMWorkMix::Instance().Connected())
        return;
    const DraggedPdmObjects dragged = GetObjectUuid(data.text);
    if (dragged.empty())
        return;
    ChangeBracket bracket(doc, undoStepName);
    if (!bracket.IsOpen())
        return refuse(data);
    for (const auto& pair : dragged) {
        PdmCamCreator creator = creatorFor(pair, doc, data.target);
        creator.SetRecursive(true);
        if (!IntegrationManager().MakeData(creator))
            return; // the bracket rolls back what the earlier objects made
    }
    bracket.Keep();
}

} // namespace Vireo::Cam::Pdm
