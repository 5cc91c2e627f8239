#include "pdm/cam/internal/ToolPartHandles.h"

namespace Vireo::Cam::Pdm::internal {

Cam::ToolAdditionalProp* ItemOwnerPart(const ToolItemOwner& owner) noexcept
{
    return std::visit([](const auto& part) -> Cam::ToolAdditionalProp* { return part.get(); }, owner);
}

std::optional<ToolItemOwner> AsItemOwner(const CamObject& object)
{
    if (const auto* holder = std::get_if<CamObjectIndex::Holder>(&object))
        return ToolItemOwner(std::in_place_index<0>, *holder);
    if (const auto* extension = std::get_if<CamObjectIndex::Extension>(&object))
        return ToolItemOwner(std::in_place_index<1>, *extension);
    return std::nullopt;
}

int ItemPosition(const Cam::ToolAdditionalProp& part, const Cam::ToolAdditionalParams* item) noexcept
{
    const Cam::ToolAdditionalParamsProp& items = part.GetParamsProp();
    for (int i = 0; i < items.GetParamsCount(); ++i)
        if (items.GetParams(i) == item)
            return i;
    return -1;
}

std::optional<ToolPartPlace> LocateToolPart(const CamObject& object)
{
    const auto partPlace = [](const auto& part, std::size_t index) -> std::optional<ToolPartPlace> {
        if (!part || !part->GetOwner())
            return std::nullopt;
        return ToolPartPlace{part->GetOwner(), index, std::nullopt};
    };
    switch (object.index()) {
    case CamObjectIndex::Shank:
        return partPlace(std::get<CamObjectIndex::Shank>(object), CamObjectIndex::Shank);
    case CamObjectIndex::Holder:
        return partPlace(std::get<CamObjectIndex::Holder>(object), CamObjectIndex::Holder);
    case CamObjectIndex::Extension:
        return partPlace(std::get<CamObjectIndex::Extension>(object), CamObjectIndex::Extension);
    case CamObjectIndex::Item: {
        const auto& [item, owner] = std::get<CamObjectIndex::Item>(object);
        const Cam::ToolAdditionalProp* part = ItemOwnerPart(owner);
        if (!item || !part || !part->GetOwner())
            return std::nullopt;
        const int position = ItemPosition(*part, item.get());
        if (position < 0)
            return std::nullopt;
        const std::size_t index = owner.index() == 0 ? CamObjectIndex::Holder : CamObjectIndex::Extension;
        return ToolPartPlace{part->GetOwner(), index, position};
    }
    default:
        return std::nullopt;
    }
}

} // namespace Vireo::Cam::Pdm::internal
