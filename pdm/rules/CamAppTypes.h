#pragma once
// The application types under which rules for a CAM object are filed: its own catalogue
// type and every generic type whose family holds it.

#include "pdm/cam/CamObject.h"
#include "pdm/rules/RuleFilters.h"

#include <string_view>

namespace Vireo::Cam::Pdm {

// Empty for the null handle and for objects of no catalogue type.
AppTypeSet CamObjectAppTypes(const CamObject& object);
// The same for an object of the catalogue type `type`; empty for the empty type.
AppTypeSet CamTypeAppTypes(std::wstring_view type);

// The application filter of this module with the given types.
AppFilter CamAppFilter(AppTypeSet types);

} // namespace Vireo::Cam::Pdm
