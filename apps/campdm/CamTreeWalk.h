#pragma once
// The objects of a CAM subtree, each once, parents before children.

#include "pdm/cam/CamObject.h"
#include "pdm/cam/CamObjectManager.h"

#include <string>
#include <utility>
#include <vector>

namespace Campdm {

std::vector<Vireo::Cam::Pdm::CamObject> CollectCamTree(const Vireo::Cam::Pdm::CamObject& root);

// The object's name, as UTF-8; empty when it has none.
std::string CamObjectName(const Vireo::Cam::Pdm::CamObject& object);

// Its type and name, as messages show an object: MillLayers "Roughing".
std::string CamObjectLabel(const Vireo::Cam::Pdm::CamObject& object);

// The identity text of an object, which tells apart objects of one name: "7", "5_2_0".
std::string CamObjectIdentity(const Vireo::Cam::Pdm::CamObject& object);

// The object's values by the parameter names of its type, in name order; values it does not
// have are left out.
std::vector<std::pair<std::wstring, Vireo::Cam::Pdm::CamValuePtr>> CamObjectValues(const Vireo::Cam::Pdm::CamObject& object);

} // namespace Campdm
