#pragma once
// The objects of a CAM subtree, each once, parents before children.

#include "pdm/cam/CamObject.h"

#include <vector>

namespace Campdm {

std::vector<Vireo::Cam::Pdm::CamObject> CollectCamTree(const Vireo::Cam::Pdm::CamObject& root);

} // namespace Campdm
