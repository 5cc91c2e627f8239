// Identity of CAM objects: the identifier triple, its text form, and the document.

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/internal/ToolPartHandles.h"

#include "platform/support/HashCombine.h"

namespace Vireo::Cam::Pdm {

using internal::LocateToolPart;
using internal::ToolPartPlace;

namespace {

using SubTool = CamObjectManager::SubTool;

SubTool subToolOf(std::size_t partIndex)
{
    switch (partIndex) {
    case CamObjectIndex::Shank: return SubTool::Shank;
    case CamObjectIndex::Holder: return SubTool::Holder;
    case CamObjectIndex::Extension: return SubTool::Extension;
    default: return SubTool::None;
    }
}

// The standard decimal conversion, kept to its low 8 bits as the text form stores them.
std::uint8_t smallNumber(std::wstring_view digits)
{
    return static_cast<std::uint8_t>(std::stoi(std::wstring(digits)));
}

} // namespace

CamObjectManager::ObjectId CamObjectManager::GetId(const CamObject& object)
{
    if (const CZKObject* document = DocumentObjectOf(object))
        return {document->GetID(), SubTool::None, 0};
    const std::optional<ToolPartPlace> place = LocateToolPart(object);
    if (!place)
        return {};
    return {place->tool->GetID(), subToolOf(place->part), place->itemPosition ? *place->itemPosition + 1 : 0};
}

std::wstring CamObjectManager::idToString(const ObjectId& id)
{
    const auto& [objectId, subTool, index] = id;
    std::wstring text = objectId.toString();
    if (subTool == SubTool::None)
        return text;
    text += L'_';
    text += std::to_wstring(static_cast<unsigned>(static_cast<std::uint8_t>(subTool)));
    text += L'_';
    text += std::to_wstring(static_cast<unsigned>(static_cast<std::uint8_t>(index)));
    return text;
}

CamObjectManager::ObjectId CamObjectManager::idFromString(std::wstring_view text)
{
    const std::size_t first = text.find(L'_');
    const ZKObjectID objectId = ZKObjectID::fromString(std::wstring(text.substr(0, first)).c_str());
    if (first == std::wstring_view::npos || first + 1 == text.size())
        return {objectId, SubTool::None, 0};
    const std::size_t second = text.find(L'_', first + 1);
    const auto subTool = static_cast<SubTool>(smallNumber(text.substr(first + 1, second - first - 1)));
    std::int32_t index = 0;
    if (second != std::wstring_view::npos && second + 1 < text.size())
        index = smallNumber(text.substr(second + 1));
    return {objectId, subTool, index};
}

CZkw32Doc* CamObjectManager::GetDocument(const CamObject& object)
{
    if (const CZKObject* document = DocumentObjectOf(object))
        return document->GetDocumentPtr();
    if (object.index() == CamObjectIndex::Item)
        return nullptr;
    const std::optional<ToolPartPlace> place = LocateToolPart(object);
    return place ? place->tool->GetDocumentPtr() : nullptr;
}

std::size_t CamObjectIdHash::operator()(const CamObjectId& id) const noexcept
{
    const auto& [objectId, subTool, index] = id;
    return static_cast<std::size_t>(Support::HashValues(objectId, subTool, index));
}

} // namespace Vireo::Cam::Pdm
