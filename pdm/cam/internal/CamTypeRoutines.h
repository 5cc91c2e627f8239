#pragma once
// The test and creation routines behind the catalogue's predicates and factories, one
// specialisation per host class that a CAM type stands for.

#include "pdm/cam/CamObject.h"
#include "pdm/cam/PdmCamType.h"

#include <optional>
#include <type_traits>

class CZkw32Doc;

namespace Vireo::Cam::Pdm::internal {

// True when the object is of the type given by host class T, class identifier and
// discriminator. Never throws: host exceptions give false.
template <class T>
bool IsOfCamType(const CamObject& object, const UniqueIdentifier& classId,
                 const CamTypeDiscriminator& discriminator) noexcept;

// A new object of that type under the parent, or the null handle. Never throws: host
// exceptions give the null handle (changes made before the exception stay).
template <class T>
CamObject CreateOfCamType(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& classId,
                          const CamTypeDiscriminator& discriminator) noexcept;

// The handle alternative that holds objects of host class T (complete where this is used):
// the document object for document classes, the part's own for tool parts, none otherwise.
template <class T>
constexpr std::size_t HandleAlternativeOf()
{
    if constexpr (std::is_same_v<T, Cam::ToolShankProp>)
        return CamObjectIndex::Shank;
    else if constexpr (std::is_same_v<T, Cam::ToolHolderProp>)
        return CamObjectIndex::Holder;
    else if constexpr (std::is_same_v<T, Cam::ToolExtensionProp>)
        return CamObjectIndex::Extension;
    else if constexpr (std::is_same_v<T, Cam::ToolAdditionalParams>)
        return CamObjectIndex::Item;
    else if constexpr (std::is_base_of_v<CZKObject, T>)
        return CamObjectIndex::Document;
    else
        return PdmCamType::NoAlternative;
}

// The stock kind identifier of a host stock type; none for a type the catalogue does not know.
std::optional<UniqueIdentifier> StockKindOf(int stockType);

} // namespace Vireo::Cam::Pdm::internal
