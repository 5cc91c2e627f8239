#pragma once
// A link between two PDM objects that can only be made once both exist: the PDM-side
// builder queues these and applies them when it saves.

#include "platform/arbor/ModelFwd.h"

#include <memory>

namespace Vireo::Cam::Pdm {

struct ObjectLink {
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> masterObject; // owns the link
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> slaveObject;  // is linked to it
    // to many: added to the master; to one: set on it
    std::shared_ptr<Vireo::Arbor::Model::ParameterGroup> linkGroup;
};

} // namespace Vireo::Cam::Pdm
