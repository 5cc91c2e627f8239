#pragma once
// What the PDM client would create from the XML description of dragged CAM objects: one new
// PDM object per described CAM object, named as the PDM will show it, in one of the classes
// the rules offer for it, below the object made for its parent.

#include "platform/arbor/ModelFwd.h"

#include <string>
#include <vector>

namespace Campdm {

struct DescribedPdmObject {
    std::string camId;                 // the described CAM object's identity
    std::string name;                  // its first text value; empty when it has none
    std::vector<std::string> classes;  // "Class (Reference)"; a class GUID the PDM does not know
    std::vector<std::string> parents;  // the identities of the CAM objects above it
};

// One entry per described CAM object, in the order of the description; empty when the text
// is no description.
std::vector<DescribedPdmObject> ReadCamDescription(const std::string& description,
                                                   Vireo::Arbor::Model::ServerConnection& connection);

} // namespace Campdm
