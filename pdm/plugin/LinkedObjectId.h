#pragma once
// The PDM object a CAM object is linked to, read from the link it carries.

#include "pdm/links/ObjectId.h"

#include <optional>

class CZKObject;

namespace Vireo::Cam::Pdm {

// Nothing for a null object, and for one without a link or with a link of another kind.
std::optional<ObjectId> LinkedObjectId(CZKObject* object);

} // namespace Vireo::Cam::Pdm
