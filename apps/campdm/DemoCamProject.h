#pragma once
// The CAM machining project that the export demo builds.

#include "pdm/cam/CamObject.h"

class CZkw32Doc;

namespace Campdm {

struct DemoCamProject {
    Vireo::Cam::Pdm::CamObject project;
    Vireo::Cam::Pdm::CamObject roughing;   // a machining
    Vireo::Cam::Pdm::CamObject sharedTool; // used by two machinings
};

// Builds the project in `document` through the plug-in's CAM object access; throws when the
// host refuses an object.
DemoCamProject BuildDemoCamProject(CZkw32Doc& document);

} // namespace Campdm
