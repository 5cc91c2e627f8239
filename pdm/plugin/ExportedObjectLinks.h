#pragma once
// Links the CAM objects an export made PDM objects for to those PDM objects.

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

class CamPdmCreator;

// Stores on each CAM object the creator exported the link of the PDM object made for it,
// in one change bracket of `doc` that is kept when every link is stored and rolled back
// otherwise. Nothing happens when the export made nothing.
void StoreExportLinks(CZkw32Doc* doc, const CamPdmCreator& creator);

} // namespace Vireo::Cam::Pdm
