// Creating tools and tool parts for the catalogue.

#include "pdm/cam/internal/CamObjectCreation.h"
#include "pdm/cam/internal/ToolPartHandles.h"

#include "platform/cam/Model.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

template <class Part>
std::shared_ptr<Part> makeToolPart(const CamObject& parent)
{
    if (auto* tool = DocumentObjectAs<Cam::Tool>(parent))
        return BindToolPart<Part>(*tool);
    return MakeFreeStandingToolPart<Part>();
}

} // namespace

CamObject CreateTool(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& kind,
                     const CamTypeDiscriminator& discriminator)
{
    std::unique_ptr<Cam::IToolLogic> logic = Cam::GetDefaultToolLogicFactory().Create(kind);
    if (!logic)
        return CamObject();
    Cam::Tool* tool = Cam::Model(doc).GetTools().Create();
    if (!tool)
        return CamObject();
    tool->SetLogic(std::move(logic));
    if (const auto& [parameter, number] = discriminator; !parameter.IsEmpty())
        tool->GetParameters().TrySetValue(parameter, Cam::IntValue(number));
    if (auto* machining = DocumentObjectAs<Cam::Machining>(parent))
        machining->GetTool() = tool;
    return CamObject(static_cast<CZKObject*>(tool));
}

CamObject CreateShank(const CamObject& parent)
{
    auto shank = makeToolPart<Cam::ToolShankProp>(parent);
    shank->SetNeedShank(true);
    return CamObject(std::in_place_index<CamObjectIndex::Shank>, std::move(shank));
}

CamObject CreateHolder(const CamObject& parent)
{
    return CamObject(std::in_place_index<CamObjectIndex::Holder>, makeToolPart<Cam::ToolHolderProp>(parent));
}

CamObject CreateExtension(const CamObject& parent)
{
    return CamObject(std::in_place_index<CamObjectIndex::Extension>, makeToolPart<Cam::ToolExtensionProp>(parent));
}

CamObject CreateToolItem(const CamObject& parent)
{
    const std::optional<ToolItemOwner> owner = AsItemOwner(parent);
    Cam::ToolAdditionalProp* part = owner ? ItemOwnerPart(*owner) : nullptr;
    if (!part)
        return CamObject();
    Cam::ToolAdditionalParamsProp& items = part->GetParamsProp();
    items.AddParam();
    auto item = items.GetParamsPtr(items.GetParamsCount() - 1);
    return CamObject(std::in_place_index<CamObjectIndex::Item>, ToolItem(std::move(item), *owner));
}

} // namespace Vireo::Cam::Pdm::internal
