#pragma once
// The PDM object a CAM object is linked to, checked before an update runs: the plug-in stops
// silently on an object without a PDM link, and the user should hear why.

#include "pdm/cam/CamObject.h"

#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>

namespace Campdm {

// The object's link text; CommandFailed when it has none, or one that is not a link to a PDM
// object (another scheme, or no object ids).
std::wstring RequirePdmLink(const Vireo::Cam::Pdm::CamObject& object);

// CommandFailed unless the PDM holds the object the link names.
void RequireLinkedObjectInPdm(const Vireo::Cam::Pdm::CamObject& object, Vireo::Arbor::Model::ServerConnection& pdm);

// The PDM object the CAM object is linked to, or null when it has no PDM link or the PDM does
// not hold the object.
std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> FindLinkedPdmObject(const Vireo::Cam::Pdm::CamObject& object,
                                                                         Vireo::Arbor::Model::ServerConnection& pdm);

} // namespace Campdm
