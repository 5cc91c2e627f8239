#pragma once
// The reference catalogue of the current connection, where the builders and the plug-in
// find the references and classes of their PDM objects.

#include "platform/arbor/ModelFwd.h"

#include <memory>

namespace Vireo::Cam::Pdm {

// Null when there is no connection.
std::shared_ptr<Arbor::Model::ReferenceCatalog> ConnectedCatalog();

} // namespace Vireo::Cam::Pdm
