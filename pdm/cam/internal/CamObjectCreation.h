#pragma once
// The creation routines of the catalogue, one per kind of host object. Each returns the
// null handle when a precondition fails; host exceptions pass through to the caller.

#include "pdm/cam/CamObject.h"
#include "pdm/cam/PdmCamType.h"

class CZkw32Doc;

namespace Vireo::Cam::Pdm::internal {

CamObject CreateTool(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& kind,
                     const CamTypeDiscriminator& discriminator);
CamObject CreateMachining(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& strategyKind);
CamObject CreateMachiningProject(CZkw32Doc* doc);
CamObject CreateMachiningGroup(CZkw32Doc* doc, const CamObject& parent);

// A part, fixture or stock in the slot of the parent's shared geometry set.
CamObject CreatePart(CZkw32Doc* doc, const CamObject& parent);
CamObject CreateFixture(CZkw32Doc* doc, const CamObject& parent);
CamObject CreateStock(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& stockKind,
                      const CamTypeDiscriminator& discriminator);

// A shank, holder or extension bound to the parent tool, or to a free-standing tool.
CamObject CreateShank(const CamObject& parent);
CamObject CreateHolder(const CamObject& parent);
CamObject CreateExtension(const CamObject& parent);
// A new item appended to the parent holder or extension.
CamObject CreateToolItem(const CamObject& parent);

} // namespace Vireo::Cam::Pdm::internal
