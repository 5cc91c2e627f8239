#pragma once
// The class of a new linked object or table row: among the classes the group allows, the
// one whose parameter groups best cover the groups that the rule rows reach below it. The
// builders that write into the PDM and the XML description choose alike.

#include "pdm/rules/ParamNode.h"
#include "platform/arbor/ModelFwd.h"

#include <memory>

namespace Vireo::Cam::Pdm {

// Null for groups other than link groups and one-to-many tables, and when no class fits.
std::shared_ptr<Arbor::Model::ClassObject> getClassObject(const std::shared_ptr<Arbor::Model::ParameterGroup>& group,
                                                          const ParamNode& node);

} // namespace Vireo::Cam::Pdm
