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

// Every parameter row of the dataset. The selector row of a generic type may hang under any
// group of the object, so a type is chosen from all of them, never from one group's rows.
const std::vector<Parameters>& DatasetParameterRows(const IntegrationRules& rules, const AppDataset& dataset);

// The CAM type a PDM object stands for when it is created from: its first type row, narrowed
// through the dataset's rows.
std::wstring ChooseCamTypeToCreate(const IntegrationRules& rules, const AppDataset& dataset,
                                   const std::vector<Types>& types,
                                   const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& pdmObject);

// Whether some type row stands for `camType` on the PDM object. The comparator compares and
// an update writes only then, so "equal" means "an update changes nothing".
bool StandsForCamType(const IntegrationRules& rules, const AppDataset& dataset, const std::vector<Types>& types,
                      const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& pdmObject,
                      std::wstring_view camType);

} // namespace Vireo::Cam::Pdm::internal
