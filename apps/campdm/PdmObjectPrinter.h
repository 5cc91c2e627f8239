#pragma once
// Prints a PDM object as a CAM engineer reads it: class, parameters with units, links,
// table rows and parents.

#include "platform/arbor/ModelFwd.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace Campdm {

void PrintPdmObject(std::ostream& out, Vireo::Arbor::Model::ReferenceObject& object, const std::string& indent);

// "value unit" of every parameter of the object's own groups that has a value, by parameter
// name, in model order ("Name" left out).
std::vector<std::pair<std::string, std::string>> PdmObjectValues(const Vireo::Arbor::Model::ReferenceObject& object);

// The object's "Name" value, or its id when it has none.
std::string PdmObjectName(const Vireo::Arbor::Model::ReferenceObject& object);

} // namespace Campdm
