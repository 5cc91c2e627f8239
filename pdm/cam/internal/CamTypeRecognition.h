#pragma once
// Which catalogue type an object is, asking only the types that may accept it.

#include "pdm/cam/CamTables.h"

namespace Vireo::Cam::Pdm::internal {

using CamTypeEntry = CamTypeMap::value_type;

// The first entry of the catalogue, in its iteration order, whose predicate accepts the
// object; null when none does. The same answer as asking every entry in that order.
const CamTypeEntry* RecogniseCamType(const CamObject& object) noexcept;

// Whether the type, or for a generic type one of its members, accepts the object. The same
// answer as asking those types' predicates.
bool AcceptedAsCamType(const CamObject& object, std::wstring_view type) noexcept;

// The value routines of the host class of the object, whether or not a type accepts it;
// null when it is of no class of the catalogue.
const CamTypeValues* FindCamTypeValues(const CamObject& object) noexcept;

} // namespace Vireo::Cam::Pdm::internal
