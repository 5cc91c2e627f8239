#pragma once
// The reference catalogue of the current connection, where builders find the references and
// classes of their PDM objects.

#include "platform/arbor/ModelFwd.h"

#include <memory>

namespace Vireo::Cam::Pdm::internal {

// Null when there is no connection.
std::shared_ptr<Arbor::Model::ReferenceCatalog> connectedCatalog();

} // namespace Vireo::Cam::Pdm::internal
