#pragma once
// Stores on the CAM objects of an export the links to the PDM objects the export made or
// updated, so that a later update finds them instead of making them again. The export
// itself leaves links alone; the export command calls this when the user wants links.

#include "pdm/convert/CamPdmCreator.h"

namespace Vireo::Cam::Pdm {

// Inside one change bracket "Linked cam objects to pdm" of the CAM objects' document: kept
// when every link was stored, rolled back (no link changed) otherwise. False when there was
// nothing to link, the bracket did not open or a link could not be made or stored.
bool LinkExportedObjects(const CamPdmCreator& exporter);

} // namespace Vireo::Cam::Pdm
