#pragma once
// The test and creation routines behind the catalogue's predicates and factories, one
// specialisation per host class that a CAM type stands for.

#include "pdm/cam/CamObject.h"
#include "pdm/cam/PdmCamType.h"

class CZkw32Doc;

namespace Vireo::Cam::Pdm::internal {

// True when the object is of the type given by host class T, class identifier and
// discriminator. Never throws: host exceptions give false.
template <class T>
bool IsOfCamType(const CamObject& object, const UniqueIdentifier& classId,
                 const CamTypeDiscriminator& discriminator) noexcept;

// A new object of that type under the parent, or the null handle. Never throws: host
// exceptions give the null handle (changes made before the exception stay).
template <class T>
CamObject CreateOfCamType(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& classId,
                          const CamTypeDiscriminator& discriminator) noexcept;

} // namespace Vireo::Cam::Pdm::internal
