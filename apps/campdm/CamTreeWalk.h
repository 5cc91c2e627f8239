#pragma once
// The objects of a CAM subtree, each once, parents before children.

#include "pdm/cam/CamObject.h"

#include <string>
#include <vector>

namespace Campdm {

std::vector<Vireo::Cam::Pdm::CamObject> CollectCamTree(const Vireo::Cam::Pdm::CamObject& root);

// The object's name, as UTF-8; empty when it has none.
std::string CamObjectName(const Vireo::Cam::Pdm::CamObject& object);

// Its type and name, as messages show an object: MillLayers "Roughing".
std::string CamObjectLabel(const Vireo::Cam::Pdm::CamObject& object);

} // namespace Campdm
