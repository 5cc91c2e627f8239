#pragma once
// Prints a PDM object as a CAM engineer reads it: class, parameters with units, links,
// table rows and parents.

#include "platform/arbor/ModelFwd.h"

#include <ostream>
#include <string>

namespace Campdm {

void PrintPdmObject(std::ostream& out, Vireo::Arbor::Model::ReferenceObject& object, const std::string& indent);

// The object's "Name" value, or its id when it has none.
std::string PdmObjectName(const Vireo::Arbor::Model::ReferenceObject& object);

} // namespace Campdm
