// Where the link of a CAM object to its PDM object is kept: a text attribute of the document
// object, or, for tool parts, of the owning tool under a name of its own per part.

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/internal/ToolPartHandles.h"

#include <optional>

namespace Vireo::Cam::Pdm {

using internal::LocateToolPart;
using internal::ToolPartPlace;

namespace {

struct LinkPlace {
    CZKObject* carrier;
    std::wstring attribute;
};

std::wstring toolPartAttribute(const ToolPartPlace& place)
{
    if (place.part == CamObjectIndex::Shank)
        return L"shank_uri";
    const std::wstring part = place.part == CamObjectIndex::Holder ? L"holder" : L"ext";
    if (!place.itemPosition)
        return part + L"_uri";
    return part + L"_elem_" + std::to_wstring(*place.itemPosition) + L"_uri";
}

std::optional<LinkPlace> findLinkPlace(const CamObject& object)
{
    if (CZKObject* document = DocumentObjectOf(object))
        return LinkPlace{document, L"uri"};
    const std::optional<ToolPartPlace> place = LocateToolPart(object);
    if (!place)
        return std::nullopt;
    return LinkPlace{place->tool, toolPartAttribute(*place)};
}

} // namespace

std::wstring CamObjectManager::GetUri(const CamObject& object)
{
    const std::optional<LinkPlace> place = findLinkPlace(object);
    return place ? place->carrier->GetTextAttrib(place->attribute) : std::wstring();
}

bool CamObjectManager::SetUri(const CamObject& object, std::wstring_view link)
{
    const std::optional<LinkPlace> place = findLinkPlace(object);
    if (!place)
        return false;
    place->carrier->SetTextAttrib(place->attribute, link, place->carrier->GetDocumentPtr() != nullptr);
    return true;
}

void CamObjectManager::RemoveUri(const CamObject& object)
{
    if (const std::optional<LinkPlace> place = findLinkPlace(object))
        place->carrier->DeleteAttrib(place->attribute, true);
}

} // namespace Vireo::Cam::Pdm
