#pragma once
// Which CAM type a type row of the rules stands for on a given PDM object. A generic type
// ("Tool", "Stock", "Machining") is narrowed to its member through the parameter row that
// maps the family's selector parameter: the PDM value of that row names the member type.

#include "pdm/rules/IntegrationRules.h"
#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vireo::Cam::Pdm::internal {

// The CAM type to create (or compare with) for `appType`; empty when a generic type cannot
// be narrowed (no row maps its selector, or the PDM object lacks the row's parameter).
std::wstring ChooseCamType(std::wstring_view appType, const std::vector<Parameters>& params,
                           const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& pdmObject);

} // namespace Vireo::Cam::Pdm::internal
